#pragma once

#include <span>
#include <string>

#include "shell/terminal/program_commands.h"

namespace kovrel::terminal {

// The training program commands: the side panel, the report window, the flash-card viewer and the
// information window of the desktop program, each answering with the text its window shows.

/// `instructions`: the instruction pane of the current activity.
void showInstructionsCommand(Simulator& sim, std::span<const std::string> arguments,
                             ProgramCommandResult& result);
/// `mode learn`, `mode test`: selects the study mode and shows the instructions again.
void learnModeCommand(Simulator& sim, std::span<const std::string> arguments,
                      ProgramCommandResult& result);
void testModeCommand(Simulator& sim, std::span<const std::string> arguments,
                     ProgramCommandResult& result);
/// `report`: grades the current test ("Show Answer/ Submit").
void reportCommand(Simulator& sim, std::span<const std::string> arguments,
                   ProgramCommandResult& result);
/// `cards`, `card next`, `card back`, `card answer`: the flash-card viewer and its buttons.
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
