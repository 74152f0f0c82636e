// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "base/simulator.h"

namespace kovrel {

/// The one output path for a line: CR LF and the text at the end of the output (nothing for an
/// empty text), emphasised during help listings, then the input line reset to the prompt unless
/// `sameLine` continues the current output line.
void writeConsoleLine(Simulator& sim, std::string_view text, bool helpLine = false,
                      bool sameLine = false);

/// Appends one line of a display as `writeConsoleLine` would, leaving the input line alone.
void appendConsoleLine(Simulator& sim, std::string_view text, bool helpLine);

/// Sets the input line to the prompt with the caret at its end.
void resetInput(Simulator& sim);

/// Changes mode and prompt together; the prompt is built from the current host name.
void enterMode(Simulator& sim, CliMode mode);
/// The prompt of `mode` for the current host name.
std::string modePrompt(const Simulator& sim, CliMode mode);

/// Shows a question: keeps the prompt in `savedPrompt`, puts the question in the input line and
/// makes it the prompt, and marks what the next line answers.
void askQuestion(Simulator& sim, const std::string& question, Interaction interaction);

/// A pause the router imitates: repaint, then sleep (skipped in batch runs and pastes).
void pauseConsole(Simulator& sim, int milliseconds);
/// A pause of a command that says "Type escape sequence to abort.": true when the student typed
/// the escape sequence (Ctrl-^ or Ctrl-C) and the command should stop. A paste never waits here.
bool pauseConsoleUnlessEscaped(Simulator& sim, int milliseconds);

/// Remembers a line as it was echoed, typed after the current prompt, so that a later
/// invalid-input reply can draw its marker under one of its words.
void noteEnteredLine(Simulator& sim, std::string_view line);
/// Tells the invalid-input reply which word (0 = the command word) none of the handler's forms
/// takes. `wordCount` is how many words the handler saw; a handler that spelled out short forms
/// saw other positions than were typed, and its mark is ignored.
void markUnmatchedWord(Simulator& sim, std::size_t word, std::size_t wordCount);

// The router's standard answers to bad input. The invalid-input reply draws "^" under the word
// marked, else under the first word after the command word (the command word when it is alone).
void incompleteCommand(Simulator& sim);
void invalidInput(Simulator& sim);
void unrecognizedCommand(Simulator& sim);
void unknownCommand(Simulator& sim);
/// `% Ambiguous command:  "` + the typed text + `"`: the typed word begins several commands.
void ambiguousCommand(Simulator& sim, std::string_view typed);
/// A command the router has that the simulator does not carry out: never called wrong.
void notAvailableCommand(Simulator& sim);

inline constexpr std::string_view kConfiguredMessage =
    "3d13h: %SYS-5-CONFIG_I: Configured from console by console";

}  // namespace kovrel
