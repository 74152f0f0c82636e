// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop/activity_menus.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <span>

#include "training/activity_menu.h"
#include "training/progress_summary.h"

namespace kovrel::desktop {
namespace {

using KeyHandler = std::function<void(const std::string&)>;

QString tr(const char* text) { return QCoreApplication::translate("kovrel::desktop::Menus", text); }

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QAction* addItem(QMenu* menu, QString& taken, const QString& caption, const QString& tip,
                 const std::function<void()>& handler) {
  QAction* action = menu->addAction(withMnemonic(caption, taken));
  action->setStatusTip(tip);
  QObject::connect(action, &QAction::triggered, menu, [handler] { handler(); });
  return action;
}

// Which list an activity item comes from, kept in its action's data with its key, so that the
// student's progress can mark it.
enum class ItemKind { lab, test, troubleshooting };

// The items of one activity list; the labs go into a sub-menu per topic, in table order.
void addActivities(QMenu* menu, std::span<const ActivityMenuItem> items, ItemKind kind,
                   const QString& tip, const KeyHandler& handler, QList<QAction*>& engineActions) {
  QString taken;
  QMap<QString, QPair<QMenu*, QString>> groups;
  for (const ActivityMenuItem& item : items) {
    QMenu* target = menu;
    QString* targetTaken = &taken;
    const QString group = fromView(item.group);
    if (group != menu->title().remove(QLatin1Char('&'))) {
      auto found = groups.find(group);
      if (found == groups.end()) {
        found = groups.insert(group, {menu->addMenu(withMnemonic(group, taken)), QString()});
      }
      target = found->first;
      targetTaken = &found->second;
    }
    const std::string key(item.key);
    QAction* action = addItem(target, *targetTaken, fromView(item.caption),
                              tip.arg(fromView(item.caption)), [handler, key] { handler(key); });
    action->setData(QVariantList{static_cast<int>(kind), fromView(item.key), action->text()});
    if (kind == ItemKind::lab) {
      // A completed lab shows a tick; the mark follows the progress, so a click toggles nothing.
      action->setCheckable(true);
      QObject::connect(action, &QAction::toggled, action, [action](bool checked) {
        const QSignalBlocker quiet(action);
        action->setChecked(!checked);
      });
    }
    engineActions.append(action);
  }
}

QMenu* addMenu(QMenuBar* bar, QString& taken, const QString& title) {
  return bar->addMenu(withMnemonic(title, taken));
}

}  // namespace

QString withMnemonic(const QString& caption, QString& taken) {
  QString shown = caption;
  shown.replace(QLatin1Char('&'), QLatin1String("&&"));
  for (qsizetype i = 0; i < shown.size(); ++i) {
    const QChar letter = shown.at(i).toLower();
    if (!letter.isLetterOrNumber() || taken.contains(letter)) continue;
    taken.append(letter);
    return shown.insert(i, QLatin1Char('&'));
  }
  return shown;
}

QList<QAction*> buildMenuBar(QMenuBar* bar, const MenuHandlers& handlers, QMenu* view) {
  QList<QAction*> engineActions;
  QString titles = QStringLiteral("v");  // the View menu's own mnemonic

  QMenu* program = addMenu(bar, titles, tr("Program"));
  QString programTaken;
  addItem(program, programTaken, tr("Save Session As..."),
          tr("Save the console's text as a text file"), handlers.saveSession)
      ->setShortcut(QKeySequence::SaveAs);
  program->addSeparator();
  QAction* quit =
      addItem(program, programTaken, tr("Quit"), tr("Quit the simulator"), handlers.quit);
  quit->setShortcuts({QKeySequence::Quit, QKeySequence(tr("Ctrl+Q"))});
  quit->setMenuRole(QAction::QuitRole);

  addActivities(addMenu(bar, titles, tr("Labs")), labMenu(), ItemKind::lab,
                tr("Start the lab \"%1\""), handlers.lab, engineActions);
  addActivities(addMenu(bar, titles, tr("Tests")), testMenu(), ItemKind::test,
                tr("Start the graded test \"%1\"; Show Answer/ Submit grades it"), handlers.test,
                engineActions);
  addActivities(addMenu(bar, titles, tr("Troubleshooting")), troubleshootingMenu(),
                ItemKind::troubleshooting, tr("Start the troubleshooting scenario \"%1\""),
                handlers.troubleshooting, engineActions);
  QMenu* cards = addMenu(bar, titles, tr("Flash Cards"));
  QString cardsTaken;
  engineActions.append(addItem(cards, cardsTaken, tr("Load Flash Cards"),
                               tr("Study the flash cards"), handlers.flashCards));
  QMenu* activity = addMenu(bar, titles, tr("Activity"));
  QString activityTaken;
  engineActions.append(addItem(activity, activityTaken, tr("Reset"),
                               tr("Start the current lab, test or scenario again from a fresh "
                                  "router"),
                               handlers.reset));
  engineActions.append(addItem(activity, activityTaken, tr("Progress"),
                               tr("Labs done, test scores, scenarios solved and cards due"),
                               handlers.progress));
  addItem(activity, activityTaken, tr("Save Report As..."),
          tr("Save the test report as PDF or HTML"), handlers.saveReport);
  bar->addMenu(view);

  QMenu* help = addMenu(bar, titles, tr("Help"));
  QString helpTaken;
  QAction* search =
      addItem(help, helpTaken, tr("Search..."),
              tr("Find labs, tests, scenarios and flash-card topics"), handlers.search);
  search->setShortcut(QKeySequence(tr("Ctrl+K")));
  engineActions.append(search);
  QAction* reference =
      addItem(help, helpTaken, tr("Command Reference"),
              tr("Every command of every mode with its help text"), handlers.commandReference);
  reference->setShortcut(QKeySequence::HelpContents);
  engineActions.append(reference);
  help->addSeparator();
  engineActions.append(addItem(help, helpTaken, tr("Study Plan"),
                               tr("Show the suggested order of study"), handlers.studyPlan));
  engineActions.append(addItem(help, helpTaken, tr("Disclaimer & Terms Of Use"),
                               tr("Show the disclaimer and terms of use"), handlers.disclaimer));
  addItem(help, helpTaken, tr("About Us"), tr("About the simulator and this system"),
          handlers.about);
  return engineActions;
}

void markProgress(const QList<QAction*>& actions, const Progress& progress) {
  for (QAction* action : actions) {
    const QVariantList data = action->data().toList();
    if (data.size() != 3) continue;
    const auto kind = static_cast<ItemKind>(data[0].toInt());
    const std::string key = data[1].toString().toStdString();
    const QString caption = data[2].toString();
    if (kind == ItemKind::lab) {
      const QSignalBlocker quiet(action);
      action->setChecked(labCompleted(progress, key));
    }
    if (kind != ItemKind::test) continue;
    // A test's number is its place in the menu, as the grader counts it.
    int number = 0;
    for (const ActivityMenuItem& test : testMenu()) {
      ++number;
      if (test.key != key) continue;
      const std::optional<int> best = bestScore(progress, number);
      action->setText(best ? tr("%1 (best %2)").arg(caption).arg(*best) : caption);
    }
  }
}

}  // namespace kovrel::desktop
