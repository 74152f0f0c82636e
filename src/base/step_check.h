// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

/// What a check term asks about: a fact of the routers' configuration or the network that holds
/// or not after each command, or something the student did that, once seen, stays seen.
enum class CheckKind {
  // Things the student did (latched for the rest of the activity).
  typed,          // an accepted command line (or a help request ending in "?")
  tried,          // a command line, whatever the router answered
  pressed,        // a key: tab, up, down, esc, ctrl-a ... ctrl-z
  sessionOpened,  // a console session began
  sessionClosed,  // a console session ended
  answered,       // a password accepted (console, enable-password, enable-secret) or a
                  // question of a dialog answered with the word given
  copyFinished,   // a copy dialog ended without an error
  reloaded,       // the router restarted
  read,           // a step that only asks to read: done once the steps before it are
  // Facts (evaluated after each command).
  mode,
  hostname,
  banner,
  enablePassword,
  enableSecret,
  linePassword,
  lineLogin,
  lineTimeout,
  historySize,
  interfaceAddress,
  interfaceNoAddress,
  interfaceUp,
  interfaceClockRate,
  interfaceBandwidth,
  interfaceDescription,
  interfaceAccessGroup,
  interfaceCdp,
  domainLookup,
  domainName,
  nameServers,
  hostEntry,
  httpServer,
  cdpRun,
  cdpTimer,
  cdpHoldtime,
  ipRouting,
  ripRunning,
  ripNetwork,
  igrpRunning,
  igrpNetwork,
  accessListEntry,
  accessListEmpty,
  savedEqualsRunning,
  savedHostname,
  pingSucceeds,
  routerBConfigured,
};

/// Whether a kind is something the student did (true) or a fact of the current state.
bool isEvent(CheckKind kind);

/// One term of a check: its kind, its arguments as written (words and quoted texts, without the
/// quotes), and whether `not` turns it round.
struct CheckTerm {
  CheckKind kind = CheckKind::typed;
  std::vector<std::string> arguments;
  bool negated = false;
  bool operator==(const CheckTerm&) const = default;
};

/// The check of one lesson step: the step's number and the terms that must all hold. A `once`
/// check stays done after it first held, for a step that a later step undoes on purpose.
struct StepCheck {
  int step = 0;
  bool once = false;
  std::vector<CheckTerm> terms;
  bool operator==(const StepCheck&) const = default;
};

/// A check text that does not follow the vocabulary: the line (from 1) and what is wrong.
struct CheckSyntaxError {
  int line = 0;
  std::string message;
};

/// The checks of a lesson, or the first fault in their text.
struct ParsedChecks {
  std::vector<StepCheck> checks;
  std::optional<CheckSyntaxError> error;
};

/// Reads a check text: one line per step, "<step> [once] <term> [and <term>]...", the steps
/// numbered from 1 upwards without gaps. The vocabulary is described in data/README.md.
ParsedChecks parseChecks(std::string_view text);

/// The number of lines of a lesson text whose first word contains "Step", as the instruction pane
/// numbers them.
int countStepHeadings(std::string_view lessonText);

}  // namespace kovrel
