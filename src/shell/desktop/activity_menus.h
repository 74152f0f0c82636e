// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <string>

class QAction;
class QMenu;
class QMenuBar;

namespace kovrel {
struct Progress;
}

namespace kovrel::desktop {

/// What the menus start. Each lab, test and troubleshooting item hands on the key it is known by
/// in the lesson database.
struct MenuHandlers {
  std::function<void(const std::string& labName)> lab;
  std::function<void(const std::string& testName)> test;
  std::function<void(const std::string& name)> troubleshooting;
  std::function<void()> flashCards;
  std::function<void()> reset;
  std::function<void()> progress;
  std::function<void()> saveReport;
  std::function<void()> saveSession;
  std::function<void()> quit;
  std::function<void()> search;
  std::function<void()> commandReference;
  std::function<void()> about;
  std::function<void()> studyPlan;
  std::function<void()> disclaimer;
};

/// The caption with a keyboard mnemonic: "&" before its first letter that no caption in `taken`
/// has claimed (which the letter then joins), or none when every letter is taken. An "&" of the
/// caption itself is doubled, so that it shows as written.
QString withMnemonic(const QString& caption, QString& taken);

/// Fills the menu bar: Program, Labs (sub-menus by topic), Tests, Troubleshooting, Flash Cards,
/// Activity (reset, progress, saving the report), `view`, Help, every title and item with a
/// mnemonic. The activities come from the engine's activity table. Returns the actions that run
/// something in the engine, which must be disabled while it is busy.
QList<QAction*> buildMenuBar(QMenuBar* bar, const MenuHandlers& handlers, QMenu* view);

/// Ticks the labs the student has completed and names each test's best score beside it.
void markProgress(const QList<QAction*>& actions, const Progress& progress);

}  // namespace kovrel::desktop
