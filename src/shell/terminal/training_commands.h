// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "shell/terminal/program_commands.h"
#include "training/hints.h"

namespace kovrel::terminal {

// The training program commands: the side panel, the report window, the flash-card viewer and the
// information window of the desktop program, each answering with the text its window shows.

/// The instructions of the current activity as the study mode shows them. In a troubleshooting
/// scenario in Learn Mode the part of the solution revealed so far follows, and the offer of a
/// hint while steps are hidden.
void addInstructionPane(Simulator& sim, ProgramCommandResult& result);

/// The line that offers the next hint, with how much of the solution is shown.
std::string hintOffer(const SolutionHints& hints);

/// The one line that names the study mode; `reset` says that a start put Test Mode back to Learn
/// Mode.
std::string studyModeLine(bool learnMode, bool reset);

/// The keys of the flash-card viewer, as one line of help.
inline constexpr std::string_view kCardKeys =
    "Keys: Space answer; k knew it, d not yet; n next, b back (or arrows); q leaves.";

/// The card under the viewer's cursor: "card k of n", the question and the answer box.
void addFlashCard(Simulator& sim, ProgramCommandResult& result);

/// `instructions`: the instruction pane of the current activity.
void showInstructionsCommand(Simulator& sim, std::span<const std::string> arguments,
                             ProgramCommandResult& result);
/// `steps`: the step headings of the instructions; `step N`: step N alone.
void stepsCommand(Simulator& sim, std::span<const std::string> arguments,
                  ProgramCommandResult& result);
void stepCommand(Simulator& sim, std::span<const std::string> arguments,
                 ProgramCommandResult& result);
/// `mode`: names the study mode.
void modeCommand(Simulator& sim, std::span<const std::string> arguments,
                 ProgramCommandResult& result);
/// `mode learn`, `mode test`: selects the study mode and shows the instructions again.
void learnModeCommand(Simulator& sim, std::span<const std::string> arguments,
                      ProgramCommandResult& result);
void testModeCommand(Simulator& sim, std::span<const std::string> arguments,
                     ProgramCommandResult& result);
/// `report`: grades the current test ("Show Answer/ Submit").
void reportCommand(Simulator& sim, std::span<const std::string> arguments,
                   ProgramCommandResult& result);
/// `cards`, `card next`, `card back`, `card answer`: the flash-card viewer and its buttons. After
/// `cards` the front-end hands the viewer single keys (`openCardViewer`).
void cardsCommand(Simulator& sim, std::span<const std::string> arguments,
                  ProgramCommandResult& result);
void cardNextCommand(Simulator& sim, std::span<const std::string> arguments,
                     ProgramCommandResult& result);
void cardBackCommand(Simulator& sim, std::span<const std::string> arguments,
                     ProgramCommandResult& result);
void cardAnswerCommand(Simulator& sim, std::span<const std::string> arguments,
                       ProgramCommandResult& result);
/// `info welcome`, `info studyPlan`, `info disclaimer`: the information window.
void infoWelcomeCommand(Simulator& sim, std::span<const std::string> arguments,
                        ProgramCommandResult& result);
void infoStudyPlanCommand(Simulator& sim, std::span<const std::string> arguments,
                          ProgramCommandResult& result);
void infoDisclaimerCommand(Simulator& sim, std::span<const std::string> arguments,
                           ProgramCommandResult& result);

}  // namespace kovrel::terminal
