#include "config/line_commands.h"
#include "console/configure_command.h"
#include "console/copy_dialog.h"
#include "console/dispatch.h"
#include "console/mode_commands.h"
#include "console/session.h"
#include "console/terminal_command.h"
#include "network/show_commands.h"

namespace kovrel {
namespace {

using enum CliMode;

// Handlers that are not built yet answer with the row's reply for other modes.
constexpr Handler kNotBuiltYet = nullptr;

const std::vector<DispatchRow>& rows() {
  static const std::vector<DispatchRow> table = {
      {{"access-list"}, {{conf, kNotBuiltYet}}, OtherModes::invalidInput},
      {{"banner"}, {{conf, kNotBuiltYet}}, OtherModes::invalidInput},
      {{"bandwidth"}, {{configIf, kNotBuiltYet}}, OtherModes::invalidInput},
      {{"clock"}, {{configIf, kNotBuiltYet}}, OtherModes::invalidInput},
      {{"cdp"}, {{conf, kNotBuiltYet}, {configIf, kNotBuiltYet}}, OtherModes::invalidInput},
      {{"conf", "confi", "config", "configu", "configur", "configure"},
       {{std::nullopt, process_configure_terminal}},
       OtherModes::none},
      {{"copy"}, {{priv, copyCommand}}, OtherModes::invalidInput},
      {{"disable"}, {{priv, disableCommand}, {user, doNothing}}, OtherModes::unknownCommand},
      {{"description"}, {{configIf, kNotBuiltYet}}, OtherModes::invalidInput},
      {{"enable", "en"},
       {{user, enableCommand}, {conf, kNotBuiltYet}, {std::nullopt, doNothing}},
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
      {{"help"}, {{std::nullopt, kNotBuiltYet}}, OtherModes::unknownCommand},
      {{"hostname"}, {{std::nullopt, kNotBuiltYet}}, OtherModes::invalidInput},
      {{"int", "interface"}, {{conf, kNotBuiltYet}}, OtherModes::unknownCommand},
      {{"ip"}, {{conf, kNotBuiltYet}, {configIf, kNotBuiltYet}}, OtherModes::invalidInput},
      {{"keepalive"}, {{configIf, kNotBuiltYet}}, OtherModes::invalidInput},
      {{"line"}, {{conf, lineSelectionCommand}}, OtherModes::unknownCommand},
      {{"login"}, {{configLine, loginCommand}}, OtherModes::unknownCommand},
      {{"logout"}, {{user, logoutCommand}, {priv, logoutCommand}}, OtherModes::unknownCommand},
      {{"network"},
       {{configRouterRip, kNotBuiltYet}, {configRouterIgrp, kNotBuiltYet}},
       OtherModes::unknownCommand},
      {{"no"},
       {{conf, kNotBuiltYet},
        {configLine, noLoginCommand},
        {configIf, kNotBuiltYet},
        {configRouterRip, kNotBuiltYet},
        {configRouterIgrp, kNotBuiltYet}},
       OtherModes::unknownCommand},
      {{"password"}, {{configLine, passwordCommand}}, OtherModes::unknownCommand},
      {{"ping"}, {{user, kNotBuiltYet}, {priv, kNotBuiltYet}}, OtherModes::unknownCommand},
      {{"reload"}, {{priv, reloadCommand}}, OtherModes::unknownCommand},
      {{"router"}, {{conf, kNotBuiltYet}}, OtherModes::invalidInput},
      {{"sh", "show"},
       {{user, userShowCommand}, {priv, privShowCommand}},
       OtherModes::unknownCommand},
      {{"shutdown"}, {{configIf, kNotBuiltYet}}, OtherModes::unknownCommand},
      {{"terminal"}, {{std::nullopt, proces_terminal}}, OtherModes::none},
      {{"blank_enter"}, {{std::nullopt, doNothing}}, OtherModes::none},
  };
  return table;
}

}  // namespace

std::span<const DispatchRow> dispatchTable() { return rows(); }

}  // namespace kovrel
