// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of a long paste in the desktop program: 100 KB of configuration typed into the main
// window's console on Qt's offscreen platform, with the window's own drawing, status and side
// panel following every line as they do for a student.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "pasted_configuration.h"
#include "shell/desktop/desktop_style.h"
#include "shell/desktop/main_window.h"

namespace {

using kovrel::desktop::MainWindow;

std::unique_ptr<MainWindow> openWindow() {
  kovrel::desktop::SessionFolders folders;
  folders.applicationFolder = KOVREL_BENCH_STATE_DIR;
  folders.dataFolder = KOVREL_BENCH_APP_DIR;
  folders.stateFolder = KOVREL_BENCH_STATE_DIR;
  folders.seed = 1;
  auto window = std::make_unique<MainWindow>(folders);
  window->engine().messageBox().setModal(false);
  window->show();
  window->start();
  window->startLab("aboutTheLabs");
  window->engine().paste(QStringLiteral("\nenable\n"));
  QCoreApplication::processEvents();
  return window;
}

void BM_PasteOneHundredKilobytesInTheWindow(benchmark::State& state) {
  const QString text = QString::fromStdString(kovrel::bench::pastedConfiguration());
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<MainWindow> window = openWindow();
    state.ResumeTiming();
    window->engine().paste(text);
    QCoreApplication::processEvents();
    state.PauseTiming();
    if (window->engine().simulator().console.input() != "Router#") {
      state.SkipWithError("the paste stopped short of its last line");
    }
    window.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.size());
}
BENCHMARK(BM_PasteOneHundredKilobytesInTheWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Kovrel"));
  QApplication::setApplicationName(QStringLiteral("Kovrel Router Simulator Benchmark"));
  kovrel::desktop::installDesktopStyle();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
