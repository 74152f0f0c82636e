// SPDX-License-Identifier: GPL-3.0-or-later
// The check vocabulary: what the lesson build refuses, which facts hold on a configured router,
// how typed lines match the command a step names, and the tracker's ticks, order and reset.

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "training/check_terms.h"
#include "training/instructions.h"
#include "training/scenarios.h"
#include "training/step_tracker.h"

namespace kovrel {
namespace {

TEST(CheckVocabulary, TheParserRefusesWhatTheProgramCouldNotFollow) {
  const struct {
    std::string_view text;
    std::string_view error;  // empty: accepted
  } cases[] = {
      {"1 typed \"show version\"\n2 once hostname branch1 and not cdp on", ""},
      {"1 interface serial0 clock-rate 56000\r\n\r\n2 ping 10.1.1.1 succeeds from RouterB", ""},
      {"1 access-list 10 deny host 192.160.5.6 and access-list 20 permit 1.2.3.0 0.0.0.255", ""},
      {"2 hostname x", "start with the step number 1"},
      {"1 hostname x\n3 hostname y", "step number 2"},
      {"1 interface serial9 up", "unknown check term: interface serial9 up"},
      {"1 interface serial0 clock-rate fast", "unknown check term"},
      {"1 ping 300.1.1.1 succeeds", "unknown check term"},
      {"1 typed \"show run", "quote is not closed"},
      {"1 not typed \"show run\"", "only turns round a fact"},
      {"1 hostname x and", "unknown check term: "},
      {"1 pressed ctrl-1", "unknown check term"},
  };
  for (const auto& c : cases) {
    const ParsedChecks parsed = parseChecks(c.text);
    if (c.error.empty()) {
      EXPECT_FALSE(parsed.error) << c.text << ": " << parsed.error->message;
    } else {
      ASSERT_TRUE(parsed.error) << c.text;
      EXPECT_NE(parsed.error->message.find(c.error), std::string::npos) << parsed.error->message;
    }
  }
  const auto parsed = parseChecks("1 once not cdp on and typed \"sh run\"");
  ASSERT_EQ(parsed.checks.size(), 1u);
  EXPECT_TRUE(parsed.checks[0].once);
  EXPECT_EQ(parsed.checks[0].terms[0], (CheckTerm{CheckKind::cdpRun, {"on"}, true}));
  EXPECT_EQ(parsed.checks[0].terms[1], (CheckTerm{CheckKind::typed, {"sh run"}, false}));
}

TEST(CheckVocabulary, FactsReadTheRunningConfiguration) {
  testing::SimulatorFixture f;
  f.startSession(CliMode::conf);
  for (const char* line : {"hostname Branch1",
                           "enable secret topaz9",
                           "banner motd #",
                           "  Back at noon  ",
                           "#",
                           "line vty 0 4",
                           "password telpass",
                           "login",
                           "exec-timeout 20 0",
                           "exit",
                           "interface serial 0",
                           "ip address 220.155.5.1 255.255.255.0",
                           "clock rate 64000",
                           "description link to neighbour",
                           "no shutdown",
                           "exit",
                           "interface ethernet 0",
                           "ip access-group 10 out",
                           "exit",
                           "access-list 10 deny host 192.160.5.6",
                           "ip host tftpserver 192.160.5.5",
                           "ip name-server 192.160.5.5 192.160.5.6",
                           "router rip",
                           "network 220.155.5.0",
                           "end"}) {
    f.enter(line);
  }
  const struct {
    std::string_view term;
    bool holds;
  } cases[] = {
      {"hostname branch1", true},
      {"hostname router", false},
      {"enable secret topaz9", true},
      {"enable password none", true},
      {"banner motd \"back at noon\"", true},
      {"banner exec none", true},
      {"line vty password telpass", true},
      {"line vty login on", true},
      {"line console login on", false},
      {"line vty exec-timeout 20 0", true},
      {"interface serial0 address 220.155.5.1 255.255.255.0", true},
      {"interface serial0 clock-rate 56000", false},  // the wrong rate does not pass
      {"interface serial0 clock-rate 64000", true},
      {"interface serial0 description \"Link To Neighbour\"", true},
      {"interface serial0 up", true},
      {"interface ethernet0 up", false},
      {"not interface ethernet0 up", true},
      {"interface ethernet0 no-address", true},
      {"interface ethernet0 access-group 10 out", true},
      {"interface ethernet0 access-group 0 in", true},
      {"access-list 10 deny host 192.160.5.6", true},
      {"access-list 10 permit any", false},
      {"access-list 20 none", true},
      {"ip-host tftpserver 192.160.5.5", true},
      {"ip-host neighbour none", true},
      {"name-servers 192.160.5.5 192.160.5.6", true},
      {"name-servers 192.160.5.6 192.160.5.5", false},
      {"rip on", true},
      {"rip network 220.155.5.0", true},
      {"rip network 192.160.5.0", false},
      {"igrp 100 off", true},
      {"mode priv", true},
      {"saved equals running", false},
      {"saved hostname router", true},
      {"cdp on", true},
      {"history size 10", true},
  };
  for (const auto& c : cases) {
    const ParsedChecks parsed = parseChecks("1 " + std::string(c.term));
    ASSERT_FALSE(parsed.error) << c.term;
    EXPECT_EQ(factHolds(f.sim, parsed.checks[0].terms[0]), c.holds) << c.term;
  }
  f.enter("copy running-config startup-config");
  f.enter("");
  EXPECT_TRUE(factHolds(f.sim, parseChecks("1 saved equals running").checks[0].terms[0]));
}

TEST(CheckVocabulary, TypedLinesMatchTheCommandAStepNames) {
  const struct {
    std::string_view pattern;
    std::string_view typed;
    bool matches;
  } cases[] = {
      {"show running-config", "show running-config", true},
      {"show running-config", "SH RUN", true},
      {"show running-config", "show", false},
      {"show run", "show running-config", false},  // a short form asked for is typed short
      {"interface serial 0", "int s0", true},
      {"interface serial 0", "interface serial0", true},
      {"interface serial 0", "int s1", false},
      {"ping 192.160.5.6", "ping 192.160.5.6", true},
      {"ping 192.160.5.6", "ping 192.160.5", false},  // addresses are typed whole
      {"show ?", "sh ?", true},
      {"show ?", "show", false},
      {"?", "?", true},
      {"e?", "e?", true},
      {"show ip", "show ipx", false},
      {"line vty 0 4", "line vty 0 4", true},
      {"configure", "configure terminal", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(commandMatches(c.pattern, c.typed), c.matches) << c.pattern << " / " << c.typed;
  }
}

std::vector<bool> ticks(const Simulator& sim) {
  std::vector<bool> done;
  for (const StepStatus& step : stepChecklist(sim)) done.push_back(step.done);
  return done;
}

TEST(StepTracker, AStepTicksWhileItsCheckHoldsAndInOrder) {
  testing::SimulatorFixture f;
  startLab(f.sim, "configuringSerialInterface");
  const std::vector<StepStatus> list = stepChecklist(f.sim);
  ASSERT_EQ(list.size(), 7u);
  EXPECT_EQ(list[3].heading, "Step4: Provide a clock rate of 56000 bits per second");
  f.startSession(CliMode::conf);
  f.enter("int s0");
  f.enter("clock rate 64000");
  EXPECT_EQ(ticks(f.sim), (std::vector<bool>{true, false, false, false, false, false, false}));
  f.enter("clock rate 56000");
  f.enter("no shutdown");
  EXPECT_EQ(ticks(f.sim), (std::vector<bool>{true, false, false, true, false, true, false}));
  f.enter("shutdown");
  EXPECT_FALSE(ticks(f.sim)[5]);
  // The display a step names counts only once the steps before it are done.
  f.enter("end");
  f.enter("show interfaces serial 0");
  f.enter("show running-config");
  EXPECT_FALSE(ticks(f.sim)[6]);
  EXPECT_EQ(f.sim.progress.progress().labs.at("configuringSerialInterface").stepsDone,
            (std::set<int>{1, 4, 6}));
}

TEST(StepTracker, ResetStartsTheActivityAfreshAndKeepsTheStudyMode) {
  testing::SimulatorFixture f;
  startLab(f.sim, "configuringSerialInterface");
  selectStudyMode(f.sim, false);
  f.startSession(CliMode::conf);
  f.enter("hostname branch1");
  f.enter("int s0");
  f.enter("ip address 220.155.5.1 255.255.255.0");
  f.enter("do copy running-config startup-config");
  ASSERT_TRUE(ticks(f.sim)[2]);
  ASSERT_TRUE(resetActivity(f.sim));
  EXPECT_EQ(f.sim.state.current.config, RouterConfig{});
  EXPECT_EQ(f.sim.state.saved, RouterConfig{});
  EXPECT_EQ(f.mode(), CliMode::none);
  EXPECT_FALSE(f.sim.state.training.learnMode);
  EXPECT_EQ(ticks(f.sim), std::vector<bool>(7, false));
  EXPECT_NE(f.platform.transcript.rfind("Press RETURN to get started."), std::string::npos);

  // A troubleshooting scenario gets its faults back; a lab that never opened has nothing to reset.
  ASSERT_TRUE(startTroubleshooting(f.sim, "troubleshooting1"));
  const RouterConfig preset = f.running();
  f.startSession(CliMode::conf);
  f.enter("hostname other");
  ASSERT_TRUE(resetActivity(f.sim));
  EXPECT_EQ(f.running(), preset);
  testing::SimulatorFixture fresh;
  EXPECT_FALSE(resetActivity(fresh.sim));
}

}  // namespace
}  // namespace kovrel
