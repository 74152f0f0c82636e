#include "catalogue/help_case_table.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "config/ip_arithmetic.h"

namespace kovrel {
namespace {

using enum CliMode;

// A help listing ends with a line of blanks, as the router leaves one under its answer.
constexpr std::string_view kBlank = " ";

HelpAnswer helpText(std::string_view key) { return {HelpAnswerKind::helpText, key, {}}; }
HelpAnswer lines(std::initializer_list<std::string_view> text) {
  return {HelpAnswerKind::lines, {}, text};
}
HelpAnswer block(std::initializer_list<std::string_view> text) {
  return {HelpAnswerKind::block, {}, text};
}
const HelpAnswer kNothing{HelpAnswerKind::nothing, {}, {}};
const HelpAnswer kUnknownReply{HelpAnswerKind::unknownReply, {}, {}};

bool listNumberAt(const std::vector<std::string>& words, std::size_t position) {
  return words.size() > position && isNumberInRange(words[position], 1, 99);
}

bool secondWordIsListNumber(const std::vector<std::string>& words) {
  return listNumberAt(words, 1);
}

bool thirdWordIsListNumber(const std::vector<std::string>& words) { return listNumberAt(words, 2); }

bool fourthWordIsListNumber(const std::vector<std::string>& words) {
  return listNumberAt(words, 3);
}

bool listNumberAndAction(const std::vector<std::string>& words) {
  return listNumberAt(words, 1) && words.size() > 2 && (words[2] == "permit" || words[2] == "deny");
}

bool listNumberActionAndAddress(const std::vector<std::string>& words) {
  return listNumberAndAction(words) && words.size() > 3 && isValidIpAddress(words[3]);
}

bool thirdWordIsAddress(const std::vector<std::string>& words) {
  return words.size() > 2 && isValidIpAddress(words[2]);
}

bool timeoutMinutes(const std::vector<std::string>& words) {
  return words.size() > 1 && boundedNumber(words[1], 7, 0, 35791).has_value();
}

bool timeoutMinutesAndSeconds(const std::vector<std::string>& words) {
  return timeoutMinutes(words) && words.size() > 2 &&
         boundedNumber(words[2], 7, 0, 2147483).has_value();
}

const HelpAnswer kAccessGroupDirections =
    lines({"$  in   inbound packets", "$  out  outbound packets", kBlank});
const HelpAnswer kLineOrEnd = lines({"LINE    <cr>", kBlank});
const HelpAnswer kEnd = lines({"  <cr>", kBlank});
const HelpAnswer kNetworkNumber = lines({"   A.B.C.D  Network number", kBlank});
const HelpAnswer kSerialNumber = lines({"$  <0-1>  Serial interface number", kBlank});
const HelpAnswer kEthernetNumber = lines({"$  <0-0>  Ethernet interface number", kBlank});

std::vector<HelpGroup> configurationGroups() {
  return {
      {{"access-list"},
       HelpReading::none,
       {
           {{conf}, {"access-list ?"}, nullptr, helpText("access_list_?")},
           {{conf},
            {"access-list variable ?"},
            secondWordIsListNumber,
            helpText("access_list_<1-99>_?")},
           {{conf},
            {"access-list variable variable ?"},
            listNumberAndAction,
            helpText("access_list_<1-99>_variable_?")},
           {{conf},
            {"access-list variable variable host ?"},
            listNumberAndAction,
            lines({"$  Hostname or A.B.C.D  Host address", kBlank})},
           {{conf},
            {"access-list variable variable any ?"},
            listNumberAndAction,
            lines({"  log  Log matches against this entry", "  <cr>", kBlank})},
           {{conf},
            {"access-list variable variable variable ?"},
            listNumberActionAndAddress,
            lines({"$  A.B.C.D  Wildcard bits", "  log      Log matches against this entry",
                   "  <cr>", kBlank})},
       }},
      {{"banner"},
       HelpReading::none,
       {
           {{conf}, {"banner ?"}, nullptr, helpText("banner_?")},
           {{conf},
            {"banner motd ?", "banner exec ?", "banner login ?"},
            nullptr,
            lines({"LINE  c banner-text c, where 'c' is a delimiting character", kBlank})},
           {{conf}, {}, nullptr, kLineOrEnd},
       }},
      {{"bandwidth"},
       HelpReading::none,
       {
           {{configIf},
            {"bandwidth ?"},
            nullptr,
            lines({"$  <1-10000000>  Bandwidth in kilobits", kBlank})},
       }},
      {{"cdp"},
       HelpReading::none,
       {
           {{conf},
            {"cdp ?"},
            nullptr,
            lines({"$  holdtime  Specify the holdtime (in sec) to be sent in packets",
                   "$  timer     Specify the rate at which CDP packets are sent (in sec)", "$  run",
                   kBlank})},
           {{conf},
            {"cdp timer ?"},
            nullptr,
            lines({"$  <5-900>  Rate at which CDP packets are sent (in sec)", kBlank})},
           {{conf},
            {"cdp holdtime ?"},
            nullptr,
            lines({"$  <10-255>  Length of time (in sec) that receiver must keep this packet",
                   kBlank})},
           {{configIf}, {"cdp ?"}, nullptr, lines({"  enable  Enable CDP on interface", kBlank})},
           {{configIf}, {"cdp enable ?"}, nullptr, kEnd},
       }},
      {{"clock"},
       HelpReading::none,
       {
           {{configIf},
            {"clock ?"},
            nullptr,
            lines({"  rate  Configure serial interface clock speed", kBlank})},
           {{configIf}, {"clock rate ?"}, nullptr, helpText("clock_rate_?")},
       }},
      {{"copy"},
       HelpReading::copy,
       {
           {{priv}, {"copy ?"}, nullptr, helpText("copy_?")},
           {{priv},
            {"copy running-config ?", "copy startup-config ?", "copy tftp ?"},
            nullptr,
            helpText("copy_run_?")},
       }},
      {{"configure"},
       HelpReading::none,
       {
           {{priv}, {"variable ?"}, nullptr, helpText("configure_?")},
           {{priv}, {}, nullptr, kNothing},
       }},
      {{"description"},
       HelpReading::none,
       {
           {{configIf},
            {"description ?"},
            nullptr,
            lines({"$  LINE  Up to 80 characters describing this interface", kBlank})},
       }},
      {{"enable", "en"},
       HelpReading::none,
       {
           {{user, priv}, {"variable ?"}, nullptr, lines({"<0-15>  Enable level", "<cr>", kBlank})},
           {{conf}, {"variable ?"}, nullptr, helpText("enable_?")},
       }},
      {{"exec-timeout"},
       HelpReading::none,
       {
           {{configLine},
            {"exec-timeout ?"},
            nullptr,
            lines({" <0-35791>  Timeout in minutes", "<cr>", kBlank})},
           {{configLine},
            {"exec-timeout variable ?"},
            timeoutMinutes,
            lines({"  <0-2147483>  Timeout in seconds <cr>", kBlank})},
           {{configLine},
            {"exec-timeout variable variable ?"},
            timeoutMinutesAndSeconds,
            lines({"  <0-2147483>  Timeout in seconds <cr>", kBlank})},
       }},
      {{"hostname"},
       HelpReading::none,
       {
           {{conf}, {"variable ?"}, nullptr, lines({" WORD  This system's network name", kBlank})},
           {{conf}, {}, nullptr, kNothing},
       }},
      {{"int", "interface"},
       HelpReading::none,
       {
           {{conf}, {"interface ?", "int ?"}, nullptr, helpText("interface_?")},
       }},
  };
}

std::vector<HelpGroup> interfaceAndLineGroups() {
  return {
      {{"ip"},
       HelpReading::none,
       {
           {{conf}, {"ip ?"}, nullptr, helpText("ip_?")},
           {{conf}, {"ip domain-name ?"}, nullptr, lines({"  WORD  Default domain name", kBlank})},
           {{conf},
            {"ip name-server ?"},
            nullptr,
            lines({"  A.B.C.D  Domain server IP address (maximum of 6)", kBlank})},
           {{conf},
            {"ip domain-lookup ?"},
            nullptr,
            lines({" nsap  Enable IP DNS queries for CLNS NSAP addresses", " <cr>", kBlank})},
           {{conf}, {"ip host ?"}, nullptr, lines({"  WORD  Name of host", kBlank})},
           {{conf},
            {"ip host variable ?"},
            nullptr,
            lines({"  <0-65535>  Default telnet port number",
                   " A.B.C.D    Host IP address (maximum of 8)", kBlank})},
           {{conf}, {"ip host variable variable ?"}, nullptr, lines({" <cr>", kBlank})},
           {{configIf}, {"ip ?"}, nullptr, helpText("ip_?_ifmode")},
           {{configIf}, {"ip address ?"}, nullptr, lines({"  A.B.C.D  IP address", kBlank})},
           {{configIf},
            {"ip address variable ?"},
            thirdWordIsAddress,
            lines({"  A.B.C.D  IP subnet mask", kBlank})},
           {{configIf},
            {"ip access-group ?"},
            nullptr,
            lines({"$  <1-199>      IP access list (standard or extended)",
                   "  <1300-2699>  IP expanded access list (standard or extended) ",
                   "  WORD         Access-list name", kBlank})},
           {{configIf},
            {"ip access-group variable ?"},
            thirdWordIsListNumber,
            kAccessGroupDirections},
       }},
      {{"keepalive"},
       HelpReading::none,
       {
           {{configIf},
            {"keepalive ?"},
            nullptr,
            lines({"  <0-32767>  Keepalive period (default 10 seconds)", "  <cr>", kBlank})},
       }},
      {{"line"},
       HelpReading::none,
       {
           {{conf},
            {"variable ?"},
            nullptr,
            lines({"<0-6>    First Line number", "aux      Auxiliary line",
                   "console  Primary terminal line", "vty      Virtual terminal"})},
           {{conf},
            {"line aux ?", "line console ?"},
            nullptr,
            lines({"<0-0>    First Line number", kBlank})},
           {{conf}, {"line vty ?"}, nullptr, lines({"<0-4>    First Line number", kBlank})},
           {{conf}, {}, nullptr, kNothing},
       }},
  };
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

std::vector<HelpGroup> remainingGroups() {
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

std::vector<HelpGroup> buildTable() {
  std::vector<HelpGroup> table = configurationGroups();
  for (auto part : {interfaceAndLineGroups(), remainingGroups()}) {
    std::ranges::move(part, std::back_inserter(table));
  }
  return table;
}

}  // namespace

const std::vector<HelpGroup>& helpCaseTable() {
  static const std::vector<HelpGroup> table = buildTable();
  return table;
}

bool helpTextUsesDollarLines(std::string_view key) {
  static constexpr std::array<std::string_view, 4> kDollarKeys = {
      "access_list_?", "access_list_<1-99>_?", "access_list_<1-99>_variable_?", "clock_rate_?"};
  return std::ranges::find(kDollarKeys, key) != kDollarKeys.end();
}

}  // namespace kovrel
