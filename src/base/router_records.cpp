// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/router_records.h"

namespace kovrel {

InterfaceConfig& RouterConfig::interface(InterfaceNumber number) {
  switch (number) {
    case kSerial1:
      return serial1;
    case kEthernet0:
      return ethernet0;
    default:
      return serial0;
  }
}

const InterfaceConfig& RouterConfig::interface(InterfaceNumber number) const {
  return const_cast<RouterConfig*>(this)->interface(number);
}

LineConfig& RouterConfig::line(TerminalLine which) {
  switch (which) {
    case TerminalLine::aux:
      return lines[0];
    case TerminalLine::vty:
      return lines[2];
    default:
      return lines[1];
  }
}

const LineConfig& RouterConfig::line(TerminalLine which) const {
  return const_cast<RouterConfig*>(this)->line(which);
}

const char* cliModeName(CliMode mode) {
  switch (mode) {
    case CliMode::none:
      return "";
    case CliMode::user:
      return "user";
    case CliMode::priv:
      return "priv";
    case CliMode::conf:
      return "conf";
    case CliMode::configIf:
      return "config-if";
    case CliMode::configLine:
      return "config-line";
    case CliMode::configRouterRip:
      return "config-routerRip";
    case CliMode::configRouterIgrp:
      return "config-routerIgrp";
  }
  return "";
}

const char* promptSuffix(CliMode mode) {
  switch (mode) {
    case CliMode::none:
      return "";
    case CliMode::user:
      return ">";
    case CliMode::priv:
      return "#";
    case CliMode::conf:
      return "(config)#";
    case CliMode::configIf:
      return "(config-if)#";
    case CliMode::configLine:
      return "(config-line)#";
    case CliMode::configRouterRip:
    case CliMode::configRouterIgrp:
      return "(config-router)#";
  }
  return "";
}

bool isConfigurationMode(CliMode mode) {
  return mode == CliMode::conf || mode == CliMode::configIf || mode == CliMode::configLine ||
         mode == CliMode::configRouterRip || mode == CliMode::configRouterIgrp;
}

std::string interfaceName(InterfaceNumber number) {
  switch (number) {
    case kSerial0:
      return "Serial0";
    case kSerial1:
      return "Serial1";
    default:
      return "Ethernet0";
  }
}

std::string catalogueInterfaceCode(InterfaceNumber number) {
  switch (number) {
    case kSerial1:
      return "1";
    case kEthernet0:
      return "2";
    default:
      return "0";
  }
}

}  // namespace kovrel
