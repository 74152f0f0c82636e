// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the lesson database lookups: the catalogue check runs once for every line of a help
// listing, and completion and the word listing search a catalogue on every key press.

#include <benchmark/benchmark.h>

#include "base/lesson_database.h"

namespace kovrel {
namespace {

void BM_CatalogueHasRow(benchmark::State& state) {
  LessonDatabase database;
  database.open(KOVREL_TEST_DATABASE);
  CatalogueFilter implemented;
  implemented.implementedOnly = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(database.catalogueHasRow(CatalogueTable::privModeCmdsExtended,
                                                      "show ip route", implemented));
  }
}
BENCHMARK(BM_CatalogueHasRow);

void BM_SearchCatalogue(benchmark::State& state) {
  LessonDatabase database;
  database.open(KOVREL_TEST_DATABASE);
  for (auto _ : state) {
    benchmark::DoNotOptimize(database.searchCatalogue(CatalogueTable::privModeCmdsExtended, "sh"));
  }
}
BENCHMARK(BM_SearchCatalogue);

void BM_CmdInfoLookup(benchmark::State& state) {
  LessonDatabase database;
  database.open(KOVREL_TEST_DATABASE);
  for (auto _ : state) benchmark::DoNotOptimize(database.cmdInfo("bootText"));
}
BENCHMARK(BM_CmdInfoLookup);

void BM_OpenDatabase(benchmark::State& state) {
  for (auto _ : state) {
    LessonDatabase database;
    database.open(KOVREL_TEST_DATABASE);
  }
}
BENCHMARK(BM_OpenDatabase);

}  // namespace
}  // namespace kovrel
