// SPDX-License-Identifier: GPL-3.0-or-later
// Students type keywords by their shortest unique prefix: each abbreviated line must do exactly
// what its full form does, in every mode.

#include <gtest/gtest.h>

#include <string>

#include "catalogue/catalogue_modes.h"
#include "config/config_rendering.h"

namespace kovrel {
namespace {

using testing::Port;
using testing::SimulatorFixture;
using testing::walkInto;
using enum CliMode;

/// What a line did: the console's answer after its echo, the running configuration and where the
/// console stands afterwards.
struct Effect {
  std::string answer;
  std::string configuration;
  std::string prompt;
  bool operator==(const Effect&) const = default;
};

Effect effectOf(CliMode mode, Port port, const std::string& line) {
  SimulatorFixture console;
  walkInto(console, mode, port);
  console.sim.state.console.pageLength = 1000;
  console.enter(line);
  std::string answer = console.newOutput();
  answer.erase(0, answer.find('\n', 1));  // the echo shows the line as typed
  return {answer, renderConfiguration(console.running()), console.prompt()};
}

struct Abbreviation {
  CliMode mode;
  const char* typed;
  const char* full;
  Port port = Port::serial0;
};

const Abbreviation kAbbreviations[] = {
    {user, "sh ver", "show version"},
    {user, "sh clo", "show clock"},
    {user, "SH FL", "show flash"},
    {priv, "sh cdp", "show cdp"},
    {user, "sh hos", "show hosts"},
    {user, "sh ip prot", "show ip protocols"},
    {user, "sh us", "show users"},
    {user, "en", "enable"},
    {user, "pi 10.1.1.2", "ping 10.1.1.2"},
    {user, "term hist size 20", "terminal history size 20"},
    {user, "ter no hist", "terminal no history"},
    {user, "he", "help"},
    {user, "logo", "logout"},
    {priv, "sh run", "show running-config"},
    {priv, "sh start", "show startup-config"},
    {priv, "sh int", "show interfaces"},
    {priv, "sh int s0", "show interfaces serial 0"},
    {priv, "sh int e 0", "show interfaces ethernet 0"},
    {priv, "sh int serial1", "show interfaces serial 1"},
    {priv, "sh ip int ser 1", "show ip interface serial 1"},
    {priv, "sh ip ro", "show ip route"},
    {priv, "sh ip acc", "show ip access-lists"},
    {priv, "sh acc", "show access-lists"},
    {priv, "sh cdp nei", "show cdp neighbors"},
    {priv, "sh cdp int e0", "show cdp interface ethernet 0"},
    {priv, "sh prot", "show protocols"},
    {priv, "disa", "disable"},
    {priv, "conf t", "configure terminal"},
    {priv, "copy ru st", "copy running-config startup-config"},
    {priv, "cop st ru", "copy startup-config running-config"},
    {priv, "rel", "reload"},
    {priv, "term hist", "terminal history"},
    {priv, "ex", "exit"},
    {conf, "hostn R1", "hostname R1"},
    {conf, "ho R1", "hostname R1"},
    {conf, "int s0", "interface serial 0"},
    {conf, "int e 0", "interface ethernet 0"},
    {conf, "inte ser 1", "interface serial 1"},
    {conf, "ena sec Secret1", "enable secret Secret1"},
    {conf, "ena pass Door1", "enable password Door1"},
    {conf, "ip domain-n Lab.Local", "ip domain-name Lab.Local"},
    {conf, "ip name 10.1.1.9", "ip name-server 10.1.1.9"},
    {conf, "ip ho Web 10.1.1.9", "ip host Web 10.1.1.9"},
    {conf, "ip ht ser", "ip http server"},
    {conf, "no ip routi", "no ip routing"},
    {conf, "no ip domain-l", "no ip domain-lookup"},
    {conf, "acc 10 per any", "access-list 10 permit any"},
    {conf, "access-list 10 d h 10.1.1.1", "access-list 10 deny host 10.1.1.1"},
    {conf, "acc 5 p 10.0.0.0 0.255.255.255", "access-list 5 permit 10.0.0.0 0.255.255.255"},
    {conf, "cdp ti 30", "cdp timer 30"},
    {conf, "cdp hold 120", "cdp holdtime 120"},
    {conf, "no cdp ru", "no cdp run"},
    {conf, "lin con 0", "line console 0"},
    {conf, "li v 0 4", "line vty 0 4"},
    {conf, "rou rip", "router rip"},
    {conf, "router ig 10", "router igrp 10"},
    {conf, "ban motd #Authorised access only#", "banner motd #Authorised access only#"},
    {conf, "no ban exec", "no banner exec"},
    {conf, "do sh ru", "do show running-config"},
    {conf, "ex", "exit"},
    {configIf, "ip add 10.1.1.1 255.255.255.0", "ip address 10.1.1.1 255.255.255.0"},
    {configIf, "no sh", "no shutdown"},
    {configIf, "sh", "shutdown"},
    {configIf, "cl ra 64000", "clock rate 64000"},
    {configIf, "desc Uplink to B", "description Uplink to B"},
    {configIf, "band 64", "bandwidth 64"},
    {configIf, "keep 10", "keepalive 10"},
    {configIf, "ip access-g 10 in", "ip access-group 10 in"},
    {configIf, "no ip add", "no ip address"},
    {configIf, "no cdp en", "no cdp enable"},
    {configIf, "no shut", "no shutdown", Port::ethernet0},
    {configIf, "do sh int e0", "do show interfaces ethernet 0", Port::ethernet0},
    {configLine, "pass Cisco", "password Cisco"},
    {configLine, "logi", "login"},
    {configLine, "exec-t 5 0", "exec-timeout 5 0"},
    {configLine, "no logi", "no login"},
    {configRouterRip, "net 10.0.0.0", "network 10.0.0.0"},
    {configRouterRip, "no net 10.0.0.0", "no network 10.0.0.0"},
    {configRouterIgrp, "net 172.16.0.0", "network 172.16.0.0"},
    {configRouterIgrp, "end", "end"},
};

TEST(AbbreviationTest, EveryAbbreviatedLineDoesWhatItsFullFormDoes) {
  for (const Abbreviation& line : kAbbreviations) {
    const Effect full = effectOf(line.mode, line.port, line.full);
    EXPECT_EQ(effectOf(line.mode, line.port, line.typed), full)
        << cliModeName(line.mode) << ": \"" << line.typed << "\" for \"" << line.full << "\"";
    EXPECT_EQ(full.answer.find("% "), std::string::npos) << line.full << full.answer;
  }
}

}  // namespace
}  // namespace kovrel
