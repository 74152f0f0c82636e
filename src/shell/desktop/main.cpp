#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QStyleFactory>
#include <QWindow>
#include <cstdio>

#include "base/standard_services.h"
#include "shell/desktop/main_window.h"

namespace {

kovrel::desktop::SessionFolders foldersOf(const QString& databaseOption) {
  kovrel::desktop::SessionFolders folders;
  folders.applicationFolder = QCoreApplication::applicationDirPath().toStdString();
  folders.dataFolder = kovrel::findDataFolder(folders.applicationFolder);
  if (!databaseOption.isEmpty()) folders.dataFolder = databaseOption.toStdString();
  // The error log's place when the program's folder is read-only, as the XDG rules name it.
  const QString state = qEnvironmentVariable("XDG_STATE_HOME");
  folders.stateFolder = state.startsWith(QLatin1Char('/'))
                            ? state.toStdString()
                            : (QDir::homePath() + QStringLiteral("/.local/state")).toStdString();
  folders.stateFolder /= "kovrel";
  return folders;
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Kovrel"));
  QApplication::setApplicationName(QStringLiteral("Kovrel Router Simulator"));
  QApplication::setDesktopFileName(QStringLiteral("org.kovrel.Kovrel"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Kovrel Router Simulator"));
  parser.addHelpOption();
  const QCommandLineOption measure(QStringLiteral("measure-startup"),
                                   QStringLiteral("Print the milliseconds until the window shows "
                                                  "the welcome text, then quit."));
  const QCommandLineOption data(QStringLiteral("data"),
                                QStringLiteral("The folder of DataStore.db and the pictures."),
                                QStringLiteral("folder"));
  parser.addOptions({measure, data});
  parser.process(app);

  kovrel::desktop::MainWindow window(foldersOf(parser.value(data)));
  window.show();
  window.start();
  if (parser.isSet(measure)) {
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
