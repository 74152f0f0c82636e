// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include "catalogue/help_case_rows.h"

namespace kovrel::help_rows {
namespace {

using enum CliMode;

const HelpAnswer kSerialNumber = lines({"$  <0-1>  Serial interface number", kBlank});
const HelpAnswer kEthernetNumber = lines({"$  <0-0>  Ethernet interface number", kBlank});

bool fourthWordIsListNumber(const std::vector<std::string>& words) {
  return listNumberAt(words, 3);
}

std::vector<HelpCase> noCases() {
  return {
      {{configIf}, {"no ?"}, nullptr, helpText("no_?_ifmode")},
      {{configIf}, {"no ip ?"}, nullptr, helpText("no_ip_?_ifmode")},
      {{configIf},
       {"no ip access-group ?"},
       nullptr,
       block({"$  <1-199>      IP access list (standard or extended)",
              "  <1300-2699>  IP expanded access list (standard or extended)",
              "  WORD         Access-list name", "$  in           inbound packets",
              "$  out          outbound packets"})},
      {{configIf},
       {"no ip access-group variable ?"},
       fourthWordIsListNumber,
       block({"$  in   inbound packets", "$  out  outbound packets", "   "})},
      {{configIf}, {"no cdp ?"}, nullptr, lines({"  enable  Enable CDP on interface", kBlank})},
      {{configIf},
       {"no clock ?"},
       nullptr,
       lines({"  rate  Configure serial interface clock speed", kBlank})},
      {{configIf}, {"no clock rate ?", "no shutdown ?"}, nullptr, kEnd},
      {{conf},
       {"no access-list ?"},
       nullptr,
       block({"$  <1-99>       IP standard access list", "  <100-199>    IP extended access list",
              "  <1100-1199>  Extended 48-bit MAC address access list",
              "  <1300-1999>  IP standard access list (expanded range)",
              "  <200-299>    Protocol type-code access list",
              "  <2000-2699>  IP extended access list (expanded range)",
              "  <700-799>    48-bit MAC address access list", "  "})},
      {{conf}, {"no banner ?"}, nullptr, helpText("no_banner_?")},
      {{conf},
       {"no cdp ?"},
       nullptr,
       lines({"  holdtime  Specify the holdtime (in sec) to be sent in packets",
              "  timer     Specify the rate at which CDP packets are sent (in sec)", "  run",
              kBlank})},
      {{conf}, {"no cdp holdtime ?", "no cdp run ?", "no cdp timer ?"}, nullptr, kEnd},
      {{conf}, {"no enable ?"}, nullptr, helpText("no_enable_?")},
      {{conf}, {"no ip ?"}, nullptr, helpText("no_ip_?")},
      {{conf}, {"no ip host ?"}, nullptr, lines({"WORD  Name of host", kBlank})},
      {{conf}, {"no ?"}, nullptr, helpText("no_?")},
      {{conf}, {"no ip http ?"}, nullptr, helpText("no_ip_http_?")},
      {{conf}, {"no router ?"}, nullptr, helpText("no_router_?")},
      {{conf},
       {"no router igrp ?"},
       nullptr,
       lines({"  <1-65535>  Autonomous system number", kBlank})},
      {{priv},
       {"no ?"},
       nullptr,
       lines({" debug  Disable debugging functions (see also 'undebug')", kBlank})},
      {{configRouterRip}, {"no ?"}, nullptr, helpText("no_?_configRouterRipMode")},
      {{configRouterRip}, {"no network ?"}, nullptr, kNetworkNumber},
      {{configRouterIgrp}, {"no ?"}, nullptr, helpText("no_?_configRouterIgrpMode")},
      {{configRouterIgrp}, {"no network ?"}, nullptr, kNetworkNumber},
  };
}

std::vector<HelpCase> showCases() {
  return {
      {{user}, {"show ?"}, nullptr, helpText("show_user")},
      {{priv}, {"show ?"}, nullptr, helpText("show_priv")},
      {{user}, {"show ip ?"}, nullptr, helpText("show_ip_?_user")},
      {{priv}, {"show cdp ?"}, nullptr, helpText("show_cdp_?")},
      {{priv}, {"show cdp interface ?"}, nullptr, helpText("show_cdp_interface_?")},
      {{priv},
       {"show interfaces ?", "sh interfaces ?", "sh int ?", "show int ?"},
       nullptr,
       helpText("show_interfaces_?"),
       true},
      {{priv},
       {"show interfaces serial ?", "sh interfaces serial ?", "sh int serial ?",
        "show int serial ?"},
       nullptr,
       kSerialNumber,
       true},
      {{priv},
       {"show interfaces ethernet ?", "sh interfaces ethernet ?", "sh int ethernet ?",
        "show int ethernet ?"},
       nullptr,
       kEthernetNumber,
       true},
      {{priv}, {"show ip ?"}, nullptr, helpText("show_ip_?_priv")},
      {{priv},
       {"show ip interface ?"},
       nullptr,
       block({"$  Ethernet  IEEE 802.3", "  Null      Null interface", "$  Serial    Serial",
              "  brief     Brief summary of IP status and configuration", "  <cr>", "  "})},
      {{priv},
       {"show ip interface ethernet ?"},
       nullptr,
       block({"$  <0-0>  Ethernet interface number", "  "})},
      {{priv},
       {"show ip interface serial ?"},
       nullptr,
       block({"$  <0-1>  Serial interface number", "  "})},
  };
}

}  // namespace

std::vector<HelpGroup> execAndRouterGroups() {
  return {
      {{"no"}, HelpReading::none, noCases()},
      {{"network"},
       HelpReading::none,
       {
           {{configRouterRip, configRouterIgrp}, {"network ?"}, nullptr, kNetworkNumber},
       }},
      {{"ping"},
       HelpReading::none,
       {
           {{user, priv},
            {"ping ?"},
            nullptr,
            lines({"$  WORD  Ping destination address or hostname", "  ip    IP echo",
                   "  tag   Tag encapsulated IP echo", kBlank})},
       }},
      {{"password"},
       HelpReading::none,
       {
           {{configLine}, {"variable ?"}, nullptr, helpText("password_?")},
           {{configLine}, {}, nullptr, kLineOrEnd},
       }},
      {{"router"},
       HelpReading::none,
       {
           {{conf}, {"router ?"}, nullptr, helpText("router_?")},
           {{conf},
            {"router igrp ?"},
            nullptr,
            lines({"$  <1-65535>  Autonomous system number", kBlank})},
       }},
      {{"show", "sh"}, HelpReading::show, showCases()},
      {{"shutdown"}, HelpReading::none, {{{configIf}, {"shutdown ?"}, nullptr, kEnd}}},
      {{"terminal"},
       HelpReading::none,
       {
           {{user, priv}, {"variable ?"}, nullptr, helpText("terminal_?")},
           {{user, priv},
            {"terminal history ?"},
            nullptr,
            lines({" size  Set history buffer size", " <cr>"})},
           {{}, {"variable variable variable"}, nullptr, kUnknownReply},
           {{user, priv},
            {"terminal history size ?"},
            nullptr,
            lines({"<0-256>  Size of history buffer"})},
       }},
      {{"?"},
       HelpReading::none,
       {
           {{user}, {"?"}, nullptr, helpText("usermode_cmds")},
           {{priv}, {"?"}, nullptr, helpText("privmode_cmds")},
           {{conf}, {"?"}, nullptr, helpText("confmode_cmds")},
           {{configLine}, {"?"}, nullptr, helpText("linemode_cmds")},
           {{configIf}, {"?"}, nullptr, helpText("ifmode_cmds")},
           {{configRouterRip}, {"?"}, nullptr, helpText("configRouterMode_rip_cmds")},
           {{configRouterIgrp}, {"?"}, nullptr, helpText("configRouterMode_igrp_cmds")},
       }},
  };
}

}  // namespace kovrel::help_rows
