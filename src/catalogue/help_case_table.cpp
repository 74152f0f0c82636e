// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/help_case_table.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "base/ip_arithmetic.h"
#include "catalogue/help_case_rows.h"

namespace kovrel {
namespace {

using enum CliMode;
using namespace help_rows;

bool secondWordIsListNumber(const std::vector<std::string>& words) {
  return listNumberAt(words, 1);
}

bool thirdWordIsListNumber(const std::vector<std::string>& words) { return listNumberAt(words, 2); }

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

std::vector<HelpGroup> buildTable() {
  std::vector<HelpGroup> table = configurationGroups();
  for (auto part : {interfaceAndLineGroups(), help_rows::execAndRouterGroups()}) {
    table.insert(table.end(), part.begin(), part.end());
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
  return std::find(kDollarKeys.begin(), kDollarKeys.end(), key) != kDollarKeys.end();
}

}  // namespace kovrel
