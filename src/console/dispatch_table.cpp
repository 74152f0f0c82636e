// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/context_help.h"
#include "config/access_lists.h"
#include "config/banners.h"
#include "config/cdp_commands.h"
#include "config/global_no_commands.h"
#include "config/hostname_and_passwords.h"
#include "config/interface_commands.h"
#include "config/ip_global.h"
#include "config/line_commands.h"
#include "config/password_encryption.h"
#include "config/routing_protocols.h"
#include "console/configure_command.h"
#include "console/copy_dialog.h"
#include "console/dispatch.h"
#include "console/mode_commands.h"
#include "console/nvram_commands.h"
#include "console/session.h"
#include "console/telnet_session.h"
#include "console/terminal_command.h"
#include "network/ping.h"
#include "network/show_commands.h"
#include "network/traceroute.h"

namespace kovrel {
namespace {

using enum CliMode;

constexpr CommandForm kHelpForms[] = {{"help", helpCommand}};
constexpr CommandForm kPingForms[] = {{"ping WORD", pingCommand}};
constexpr CommandForm kReloadForms[] = {{"reload", reloadCommand}};
constexpr CommandForm kConnectionForms[] = {
    {"telnet WORD", telnetCommand},
    {"traceroute WORD", tracerouteCommand},
};

// Each mode's groups of forms; a new command goes into its module's group (or a new group here)
// and into the catalogue of its mode in data/catalogue.
const std::vector<ModeCommands>& modes() {
  static const std::vector<ModeCommands> table = {
      {user,
       {userModeForms(), kHelpForms, terminalForms(), kPingForms, kConnectionForms,
        userShowForms()},
       std::nullopt},
      {priv,
       {privModeForms(), kHelpForms, configureForms(), copyForms(), kReloadForms, nvramForms(),
        terminalForms(), kPingForms, kConnectionForms, privShowForms()},
       std::nullopt},
      {conf,
       {configurationModeForms(), kHelpForms, accessListForms(), bannerForms(), globalCdpForms(),
        hostnameAndPasswordForms(), interfaceSelectionForms(), globalIpForms(),
        lineSelectionForms(), globalNoForms(), routerForms(), serviceForms()},
       priv},
      {configIf,
       {configurationModeForms(), kHelpForms, interfaceForms(), interfaceCdpForms()},
       priv},
      {configLine, {configurationModeForms(), kHelpForms, lineForms()}, priv},
      {configRouterRip, {configurationModeForms(), kHelpForms, ripForms()}, priv},
      {configRouterIgrp, {configurationModeForms(), kHelpForms, igrpForms()}, priv},
  };
  return table;
}

}  // namespace

std::span<const ModeCommands> commandTable() { return modes(); }

}  // namespace kovrel
