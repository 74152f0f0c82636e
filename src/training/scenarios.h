// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/simulator.h"

namespace kovrel {

// The scenario launchers of the menus. Each records the activity, chooses the topology and its
// address set, tells the front-end which panes it needs, prepares the router (or routers), and
// loads and shows the instruction text. A two-router scenario, a test or a troubleshooting start
// first returns the console to RouterA, so that the router named RouterA gets RouterA's set-up.

/// Starts a lab. The first lab boots a fresh router; later labs keep the router as it is, so the
/// settings of one lab carry over to the next. Any key is accepted: a key without a lesson leaves
/// the previous instruction text in place.
void startLab(Simulator& sim, const std::string& labName);

/// Starts a test ("test1" to the last) from fresh routers; false (and nothing changed) for any
/// other name.
bool startTest(Simulator& sim, const std::string& testName);

/// Starts "troubleshooting1" to the last scenario: a fresh router (two in the two-router
/// scenarios, RouterB built on its first visit) with the scenario's faults. False (and nothing
/// changed) for any other name.
bool startTroubleshooting(Simulator& sim, const std::string& name);

/// Whether starting another activity would throw away work not yet kept anywhere: a test or a
/// troubleshooting scenario in which the student has entered a line since it started. Every
/// front-end asks before it replaces such work.
bool hasWorkToLose(const Simulator& sim);
/// The question a front-end asks then, answered yes or no.
std::string replaceWorkQuestion(const Simulator& sim);

/// The scenario number of "test1".."test3" or "troubleshooting1" to the last scenario.
std::optional<int> scenarioNumber(std::string_view name, std::string_view prefix, int last);

// The lookups of the instruction texts; a key without a row keeps the previous text.
void loadInstruction(Simulator& sim, const std::string& labName);
void loadTestInstruction(Simulator& sim, const std::string& testName);
void loadTroubleshootingInstruction(Simulator& sim, const std::string& name);

}  // namespace kovrel
