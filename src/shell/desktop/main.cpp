// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "base/program_version.h"
#include "base/progress_store.h"
#include "base/standard_services.h"
#include "shell/desktop/command_line.h"
#include "shell/desktop/desktop_style.h"
#include "shell/desktop/main_window.h"

namespace {

std::vector<std::string> argumentsOf(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

// Reads the command line; prints and returns the exit status when the program ends here.
std::optional<int> answered(int argc, char** argv, kovrel::desktop::UnknownArguments unknown,
                            kovrel::desktop::DesktopOptions& options) {
  const kovrel::desktop::DesktopCommandLine line =
      kovrel::desktop::readDesktopCommandLine(argumentsOf(argc, argv), unknown);
  std::fputs(line.standardOutput.c_str(), stdout);
  std::fputs(line.standardError.c_str(), stderr);
  options = line.options;
  return line.exitStatus;
}

kovrel::desktop::SessionFolders foldersOf(const kovrel::desktop::DesktopOptions& options) {
  const std::string& databaseOption = options.dataFolder;
  kovrel::desktop::SessionFolders folders;
  folders.applicationFolder = QCoreApplication::applicationDirPath().toStdString();
  folders.dataFolder = kovrel::findDataFolder(folders.applicationFolder);
  if (!databaseOption.empty()) folders.dataFolder = databaseOption;
  // The error log's place when the program's folder is read-only, as the XDG rules name it.
  const QString state = qEnvironmentVariable("XDG_STATE_HOME");
  folders.stateFolder = state.startsWith(QLatin1Char('/'))
                            ? state.toStdString()
                            : (QDir::homePath() + QStringLiteral("/.local/state")).toStdString();
  folders.stateFolder /= "kovrel";
  folders.progressFile =
      options.progressFile.empty()
          ? kovrel::defaultProgressPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"))
          : options.progressFile;
  return folders;
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  kovrel::desktop::DesktopOptions options;
  // --help and --version answer in a terminal, before any window system is touched.
  if (const auto status = answered(argc, argv, kovrel::desktop::UnknownArguments::skip, options)) {
    return *status;
  }
  QApplication app(argc, argv);  // takes Qt's own options out of argv
  if (const auto status =
          answered(argc, argv, kovrel::desktop::UnknownArguments::refuse, options)) {
    return *status;
  }
  QApplication::setOrganizationName(QStringLiteral("Kovrel"));
  QApplication::setApplicationName(QStringLiteral("Kovrel Router Simulator"));
  QApplication::setApplicationVersion(
      QString::fromStdString(std::string(kovrel::programVersion())));
  QApplication::setDesktopFileName(QStringLiteral("org.kovrel.Kovrel"));
  kovrel::desktop::installDesktopStyle();

  kovrel::desktop::MainWindow window(foldersOf(options));
  window.show();
  window.start();
  if (options.measureStartup) {
    // Counted until the window system shows the window and the welcome text has been painted.
    QWindow* shown = window.windowHandle();
    while (shown != nullptr && !shown->isExposed() && sinceStart.elapsed() < 10000) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    window.repaint();
    std::printf("Window visible with the welcome text after %lld ms\n",
                static_cast<long long>(sinceStart.elapsed()));
    return 0;
  }
  return QApplication::exec();
}
