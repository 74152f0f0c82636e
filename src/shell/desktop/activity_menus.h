#pragma once

#include <functional>
#include <string>

class QMenu;
class QMenuBar;

namespace kovrel::desktop {

/// What the menus start. Each lab, test and troubleshooting item hands on the key it is known by
/// in the lesson database.
struct MenuHandlers {
  std::function<void(const std::string& labName)> lab;
  std::function<void(const std::string& testName)> test;
  std::function<void(const std::string& name)> troubleshooting;
  std::function<void()> flashCards;
  std::function<void()> about;
  std::function<void()> studyPlan;
  std::function<void()> disclaimer;
};

/// Fills the menu bar: Labs with its sub-menus, Tests, Flash Cards, Troubleshooting, then `view`,
/// then Help.
void buildActivityMenus(QMenuBar* bar, const MenuHandlers& handlers, QMenu* view);

}  // namespace kovrel::desktop
