// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/catalogue_check.h"

#include "base/command_matching.h"
#include "base/error_log.h"

namespace kovrel {

std::optional<CatalogueTable> oneWordTable(CliMode mode) {
  switch (mode) {
    case CliMode::user:
      return CatalogueTable::userModeCmds;
    case CliMode::priv:
      return CatalogueTable::privModeCmds;
    case CliMode::conf:
      return CatalogueTable::confModeCmds;
    case CliMode::configLine:
      return CatalogueTable::lineModeCmds;
    case CliMode::configIf:
      return CatalogueTable::ifModeCmds;
    case CliMode::configRouterRip:
      return CatalogueTable::configRouterRipModeCmds;
    case CliMode::configRouterIgrp:
      return CatalogueTable::configRouterIgrpModeCmds;
    case CliMode::none:
      break;
  }
  return std::nullopt;
}

std::optional<CatalogueTable> extendedTable(CliMode mode) {
  switch (mode) {
    case CliMode::user:
      return CatalogueTable::userModeCmdsExtended;
    case CliMode::priv:
      return CatalogueTable::privModeCmdsExtended;
    case CliMode::conf:
      return CatalogueTable::confModeCmdsExtended;
    case CliMode::configIf:
      return CatalogueTable::ifModeCmdsExtended;
    case CliMode::configRouterRip:
      return CatalogueTable::configRouterRipModeCmdsExtended;
    case CliMode::configRouterIgrp:
      return CatalogueTable::configRouterIgrpModeCmdsExtended;
    case CliMode::configLine:
    case CliMode::none:
      break;
  }
  return std::nullopt;
}

bool checkIfCommandImplemented(Simulator& sim, std::string_view line) {
  const RouterState& router = sim.router();
  const std::string text = normalizeCommandLine(line, router.prompt);
  const auto words = splitWords(text);
  if (words.empty()) return false;
  const auto table = words.size() == 1 ? oneWordTable(router.mode) : extendedTable(router.mode);
  if (!table) return false;
  CatalogueFilter filter;
  filter.implementedOnly = true;
  if (router.mode == CliMode::configIf)
    filter.interfaceCode = catalogueInterfaceCode(router.currentInterface);
  return trapped(
      sim, "checkIfCommandImplemented",
      [&] { return sim.database.catalogueHasRow(*table, text, filter); }, false);
}

}  // namespace kovrel
