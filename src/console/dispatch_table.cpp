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

const std::vector<DispatchRow>& rows() {
  static const std::vector<DispatchRow> table = {
      {{"access-list"}, {{conf, accessListCommand}}, OtherModes::invalidInput},
      {{"banner"}, {{conf, bannerCommand}}, OtherModes::invalidInput},
      {{"bandwidth"}, {{configIf, bandwidthCommand}}, OtherModes::invalidInput},
      {{"clock"}, {{configIf, clockRateCommand}}, OtherModes::invalidInput},
      {{"cdp"},
       {{conf, globalCdpCommand}, {configIf, interfaceCdpCommand}},
       OtherModes::invalidInput},
      {{"conf", "confi", "config", "configu", "configur", "configure"},
       {{std::nullopt, configureCommand}},
       OtherModes::none},
      {{"copy"}, {{priv, copyCommand}}, OtherModes::invalidInput},
      {{"disable"}, {{priv, disableCommand}, {user, doNothing}}, OtherModes::unknownCommand},
      {{"description"}, {{configIf, descriptionCommand}}, OtherModes::invalidInput},
      {{"erase"}, {{priv, eraseCommand}}, OtherModes::unknownCommand},
      {{"enable", "en"},
       {{user, enableCommand}, {conf, enableConfigurationCommand}, {std::nullopt, doNothing}},
       OtherModes::none},
      {{"end"},
       {{conf, endCommand},
        {configIf, endCommand},
        {configLine, endCommand},
        {configRouterRip, endCommand},
        {configRouterIgrp, endCommand}},
       OtherModes::unknownCommand},
      {{"exec-timeout"}, {{configLine, execTimeoutCommand}}, OtherModes::unknownCommand},
      {{"exit"}, {{std::nullopt, exitCommand}}, OtherModes::none},
      {{"help"}, {{std::nullopt, helpCommand}}, OtherModes::none},
      {{"hostname"}, {{std::nullopt, hostnameCommand}}, OtherModes::invalidInput},
      {{"int", "interface"}, {{conf, interfaceSelectionCommand}}, OtherModes::unknownCommand},
      {{"ip"}, {{conf, globalIpCommand}, {configIf, interfaceIpCommand}}, OtherModes::invalidInput},
      {{"keepalive"}, {{configIf, keepaliveCommand}}, OtherModes::invalidInput},
      {{"line"}, {{conf, lineSelectionCommand}}, OtherModes::unknownCommand},
      {{"logging"}, {{configLine, loggingCommand}}, OtherModes::invalidInput},
      {{"login"}, {{configLine, loginCommand}}, OtherModes::unknownCommand},
      {{"logout"}, {{user, logoutCommand}, {priv, logoutCommand}}, OtherModes::unknownCommand},
      {{"network"},
       {{configRouterRip, ripNetworkCommand}, {configRouterIgrp, igrpNetworkCommand}},
       OtherModes::unknownCommand},
      {{"no"},
       {{conf, globalNoCommand},
        {configLine, noLoginCommand},
        {configIf, interfaceNoCommand},
        {configRouterRip, ripNoNetworkCommand},
        {configRouterIgrp, igrpNoNetworkCommand}},
       OtherModes::unknownCommand},
      {{"password"}, {{configLine, passwordCommand}}, OtherModes::unknownCommand},
      {{"ping"}, {{user, pingCommand}, {priv, pingCommand}}, OtherModes::unknownCommand},
      {{"reload"}, {{priv, reloadCommand}}, OtherModes::unknownCommand},
      {{"router"}, {{conf, routerCommand}}, OtherModes::invalidInput},
      {{"service"}, {{conf, serviceCommand}}, OtherModes::invalidInput},
      {{"sh", "show"},
       {{user, userShowCommand}, {priv, privShowCommand}},
       OtherModes::unknownCommand},
      {{"shutdown"}, {{configIf, shutdownCommand}}, OtherModes::unknownCommand},
      {{"telnet"}, {{user, telnetCommand}, {priv, telnetCommand}}, OtherModes::unknownCommand},
      {{"terminal"}, {{std::nullopt, terminalCommand}}, OtherModes::none},
      {{"traceroute"},
       {{user, tracerouteCommand}, {priv, tracerouteCommand}},
       OtherModes::unknownCommand},
      {{"write"}, {{priv, writeCommand}}, OtherModes::unknownCommand},
  };
  return table;
}

}  // namespace

std::span<const DispatchRow> dispatchTable() { return rows(); }

}  // namespace kovrel
