// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/scenarios.h"

#include <charconv>

#include "base/activity_listener.h"
#include "base/error_log.h"
#include "config/saved_config.h"
#include "console/session.h"
#include "console/telnet_session.h"
#include "network/network_view.h"
#include "training/activity_menu.h"
#include "training/instructions.h"
#include "training/router_switch.h"
#include "training/scenarios_addresses.h"
#include "training/scenarios_presets.h"
#include "training/step_tracker.h"

namespace kovrel {
namespace {

void announce(Simulator& sim, const ActivityPanes& panes) {
  if (ActivityListener* listener = sim.state.training.listener) listener->activityStarted(panes);
}

// RouterB is built afresh on its first visit; until then its parked record holds the factory
// configuration and the faults the scenario gives it.
void prepareTwoRouters(Simulator& sim) {
  sim.state.parkedB = RouterState{};
  sim.state.parkedB.config.hostname = "RouterB";
  sim.state.routerBVisited = false;
  sim.state.saved.hostname = "RouterA";
}

// Tests, two-router labs and labs on a new network start from routers without any configuration:
// the addresses a previous scenario gave the interfaces go too, although the saved configuration
// never holds them.
void bootFreshRouter(Simulator& sim, Topology topology = Topology::lab) {
  resetStartupConfig(sim);
  if (topology == Topology::twoRouters) prepareTwoRouters(sim);
  loadStartupConfig(sim);
  for (InterfaceNumber number : {kSerial0, kSerial1, kEthernet0}) {
    sim.running().interface(number).ipAddress.clear();
    sim.running().interface(number).subnetMask.clear();
  }
  loadRouter(sim);
}

}  // namespace

std::optional<int> scenarioNumber(std::string_view name, std::string_view prefix, int last) {
  if (!name.starts_with(prefix)) return std::nullopt;
  const std::string_view digits = name.substr(prefix.size());
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  if (number < 1 || number > last) return std::nullopt;
  return number;
}

void startLab(Simulator& sim, const std::string& labName) {
  dropTelnetSession(sim);
  TrainingState& training = sim.state.training;
  const Topology topology = labTopology(labName);
  const bool twoRouters = topology == Topology::twoRouters;
  const bool fromOtherActivity = !training.consoleOpen || training.currentActivity != Activity::lab;
  // Labs on one network carry their settings over; a lab on another network, or a two-router
  // lab after an activity that set up the routers its own way, starts from fresh routers.
  const bool freshNetwork =
      !training.consoleOpen || training.topology != topology || (twoRouters && fromOtherActivity);
  if (freshNetwork) returnConsoleToRouterA(sim);
  training.currentActivity = Activity::lab;
  training.topology = topology;
  training.currentLabName = labName;
  applyAddressSet(training.addresses,
                  twoRouters ? AddressSetName::twoRouterLabs : AddressSetName::lab);
  if (fromOtherActivity) training.learnMode = true;
  announce(sim, {Activity::lab, twoRouters ? TopologyPane::twoRouter : TopologyPane::singleRouter,
                 fromOtherActivity || freshNetwork, fromOtherActivity, false});
  if (freshNetwork) {
    training.consoleOpen = true;
    bootFreshRouter(sim, topology);
  }
  loadInstruction(sim, labName);
  training.linesEntered = 0;
  beginStepChecks(sim);
}

bool startTest(Simulator& sim, const std::string& testName) {
  const std::optional<int> test =
      scenarioNumber(testName, "test", static_cast<int>(testMenu().size()));
  if (!test) return false;
  returnConsoleToRouterA(sim);
  TrainingState& training = sim.state.training;
  const Topology topology = testMenu()[static_cast<std::size_t>(*test - 1)].topology;
  training.currentActivity = Activity::test;
  training.topology = topology;
  training.currentTest = *test;
  training.submittedReport.clear();
  applyAddressSet(training.addresses, testAddressSet(*test));
  announce(sim,
           {Activity::test,
            topology == Topology::twoRouters ? TopologyPane::twoRouter : TopologyPane::singleRouter,
            true, false, true});
  training.consoleOpen = true;
  bootFreshRouter(sim, topology);
  loadTestInstruction(sim, testName);
  training.linesEntered = 0;
  beginStepChecks(sim);
  return true;
}

bool startTroubleshooting(Simulator& sim, const std::string& name) {
  const std::optional<int> scenario =
      scenarioNumber(name, "troubleshooting", troubleshootingCount());
  if (!scenario) return false;
  returnConsoleToRouterA(sim);
  TrainingState& training = sim.state.training;
  const TroubleshootingNetwork network = troubleshootingNetwork(*scenario);
  const bool twoRouters = network.topology == Topology::twoRouters;
  training.currentActivity = Activity::troubleshooting;
  training.currentTroubleshooting = *scenario;
  training.topology = network.topology;
  applyAddressSet(training.addresses, network.addresses);
  announce(sim,
           {Activity::troubleshooting,
            twoRouters ? TopologyPane::twoRouter : TopologyPane::singleRouter, true, false, false});
  training.consoleOpen = true;
  resetStartupConfig(sim);
  if (twoRouters) prepareTwoRouters(sim);
  loadStartupConfig(sim);
  loadRouter(sim);
  applyTroubleshootingPresets(sim, *scenario);
  loadTroubleshootingInstruction(sim, name);
  training.linesEntered = 0;
  beginStepChecks(sim);
  return true;
}

bool hasWorkToLose(const Simulator& sim) {
  const TrainingState& training = sim.state.training;
  const bool graded = training.currentActivity == Activity::test ||
                      training.currentActivity == Activity::testReport ||
                      training.currentActivity == Activity::troubleshooting;
  return graded && training.linesEntered > 0;
}

std::string replaceWorkQuestion(const Simulator& sim) {
  const TrainingState& training = sim.state.training;
  const std::string activity =
      training.currentActivity == Activity::troubleshooting
          ? "Troubleshooting scenario " + std::to_string(training.currentTroubleshooting)
          : "Test " + std::to_string(training.currentTest);
  return activity +
         " is in progress; starting another activity ends it, and your work in it is lost. Start "
         "anyway?";
}

void loadInstruction(Simulator& sim, const std::string& labName) {
  const auto text = trapped(
      sim, "initLabs :", [&] { return sim.database.labText(labName); },
      std::optional<std::string>());
  if (text) sim.state.training.instructionText = *text;
  displayInstructions(sim, false);
}

void loadTestInstruction(Simulator& sim, const std::string& testName) {
  const auto text = trapped(
      sim, "initTests :", [&] { return sim.database.testText(testName); },
      std::optional<std::string>());
  if (text) sim.state.training.instructionText = *text;
  displayInstructions(sim, false);
}

void loadTroubleshootingInstruction(Simulator& sim, const std::string& name) {
  const auto texts = trapped(
      sim, "inittroubleshooting :", [&] { return sim.database.troubleshooting(name); },
      std::optional<TroubleshootingText>());
  TrainingState& training = sim.state.training;
  if (texts) {
    training.instructionText = texts->troubleshootingText;
    training.solutionText = texts->solutionText;
  }
  training.solutionStepsRevealed = 0;
  displayInstructions(sim, false);
  if (training.learnMode) displayInstructions(sim, true);
}

}  // namespace kovrel
