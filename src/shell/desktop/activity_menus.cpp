#include "shell/desktop/activity_menus.h"

#include <QMenu>
#include <QMenuBar>
#include <span>

namespace kovrel::desktop {
namespace {

struct MenuItem {
  const char* caption;
  const char* key;
};

/// A group of the Labs menu: a sub-menu, or items straight in the Labs menu when `submenu` is null.
struct LabGroup {
  const char* submenu;
  std::span<const MenuItem> items;
};

constexpr MenuItem kAboutLabs[] = {{"About The Labs", "aboutTheLabs"}};
constexpr MenuItem kStartingUp[] = {{"Router StartUp", "routerStartUp"},
                                    {"Router Modes", "routerModes"}};
constexpr MenuItem kHelpAndEditing[] = {{"System Help Commands", "systemHelpCommands"},
                                        {"Terminal History", "terminalHistory"},
                                        {"Enhanced Editing", "enhancedEditing"},
                                        {"Router Status", "routerStatus"}};
constexpr MenuItem kBanners[] = {
    {"MOTD Banner", "motdBanner"}, {"EXEC Banner", "execBanner"}, {"Login Banner", "loginBanner"}};
constexpr MenuItem kLines[] = {{"Console Configuration", "consoleConfiguration"},
                               {"Auxiliary Configuration", "auxiliaryConfiguration"},
                               {"Virtual Terminal Configuration", "virtualTerminalConfiguration"}};
constexpr MenuItem kPasswords[] = {{"Setting Hostname", "settingHostname"},
                                   {"Managing Passwords", "managingPasswords"}};
constexpr MenuItem kInterfaces[] = {
    {"Configuring Serial Interface", "configuringSerialInterface"},
    {"Configuring Ethernet Interface", "configuringEthernetInterface"},
    {"Viewing Interface Status", "viewingInterfaceStatus"}};
constexpr MenuItem kConfigurationManagement[] = {
    {"Viewing Configuration", "viewingConfiguration"},
    {"Saving/Loading Configuration", "savingLoadingConfiguration"},
    {"Loading Configuration From TFTP Server", "loadingConfigurationFromTFTPServer"}};
constexpr MenuItem kNames[] = {{"Domain Configuration", "domainConfiguration"},
                               {"Host Name Mapping", "hostNameMapping"},
                               {"Name Server And Http Server", "nameServerAndHttpServer"}};
constexpr MenuItem kRouting[] = {{"RIP Routing", "ripRouting"},
                                 {"IGRP Routing", "igrpRouting"},
                                 {"Managing IP Routing", "managingIPRouting"}};
constexpr MenuItem kCdp[] = {{"Configuring CDP Timers", "configuringCDPTimers"},
                             {"Viewing CDP Information", "viewingCDPInformation"},
                             {"Enabling/Disabling CDP", "enablingDisablingCDP"}};
constexpr MenuItem kConnectivity[] = {{"Testing Connectivity", "testingConnectivity"}};
constexpr MenuItem kAcl[] = {{"Defining ACL", "definingACL"},
                             {"Applying ACL", "applyingACL"},
                             {"Removing ACL", "removingACL"}};

constexpr LabGroup kLabGroups[] = {
    {nullptr, kAboutLabs},
    {"Starting Up", kStartingUp},
    {"Help And Editing", kHelpAndEditing},
    {"Configuring Banners", kBanners},
    {"Line Configuration", kLines},
    {"Passwords And Identification", kPasswords},
    {"Configuring Interfaces", kInterfaces},
    {"Configuration Management", kConfigurationManagement},
    {"Domain, Hosts And Servers", kNames},
    {"Routing Protocols", kRouting},
    {"Managing CDP", kCdp},
    {nullptr, kConnectivity},
    {"Managing ACL", kAcl},
};

constexpr MenuItem kTests[] = {{"Test 1: Router Setup", "test1"},
                               {"Test 2: Router Setup", "test2"},
                               {"Test 3: Network Configuration", "test3"}};

using KeyHandler = std::function<void(const std::string&)>;

void addItems(QMenu* menu, std::span<const MenuItem> items, const KeyHandler& handler) {
  for (const MenuItem& item : items) {
    const std::string key = item.key;
    menu->addAction(QString::fromLatin1(item.caption), menu, [handler, key] { handler(key); });
  }
}

void addAction(QMenu* menu, const char* caption, const std::function<void()>& handler) {
  menu->addAction(QString::fromLatin1(caption), menu, [handler] { handler(); });
}

}  // namespace

void buildActivityMenus(QMenuBar* bar, const MenuHandlers& handlers, QMenu* view) {
  QMenu* labs = bar->addMenu(QStringLiteral("Labs"));
  for (const LabGroup& group : kLabGroups) {
    QMenu* target = group.submenu ? labs->addMenu(QString::fromLatin1(group.submenu)) : labs;
    addItems(target, group.items, handlers.lab);
  }
  addItems(bar->addMenu(QStringLiteral("Tests")), kTests, handlers.test);
  addAction(bar->addMenu(QStringLiteral("Flash Cards")), "Load Flash Cards", handlers.flashCards);

  QMenu* troubleshooting = bar->addMenu(QStringLiteral("Troubleshooting"));
  for (int scenario = 1; scenario <= 6; ++scenario) {
    const std::string key = "troubleshooting" + std::to_string(scenario);
    troubleshooting->addAction(QStringLiteral("Troubleshooting %1").arg(scenario), troubleshooting,
                               [handler = handlers.troubleshooting, key] { handler(key); });
  }
  bar->addMenu(view);

  QMenu* help = bar->addMenu(QStringLiteral("Help"));
  addAction(help, "About Us", handlers.about);
  addAction(help, "Study Plan", handlers.studyPlan);
  addAction(help, "Disclaimer && Terms Of Use", handlers.disclaimer);
}

}  // namespace kovrel::desktop
