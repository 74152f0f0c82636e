#include "base/output.h"

namespace kovrel {

void appendConsoleLine(Simulator& sim, std::string_view text, bool helpLine) {
  if (text.empty()) return;
  bool emphasised = false;
  if (sim.state.console.helpListingActive) {
    if (helpLine) {
      emphasised = text.front() == '$';
      if (emphasised) text.remove_prefix(1);
    } else {
      const auto& lookup = sim.state.console.helpEmphasis;
      emphasised = lookup && lookup(text);
    }
  }
  sim.console.appendOutput("\r\n");
  sim.console.appendOutput(text, emphasised);
}

void writeConsoleLine(Simulator& sim, std::string_view text, bool helpLine, bool sameLine) {
  if (sameLine) {
    sim.console.appendOutput(text);
    return;
  }
  appendConsoleLine(sim, text, helpLine);
  resetInput(sim);
}

void resetInput(Simulator& sim) { sim.console.setInput(sim.router().prompt); }

std::string modePrompt(const Simulator& sim, CliMode mode) {
  if (mode == CliMode::none) return {};
  return sim.state.current.config.hostname + promptSuffix(mode);
}

void enterMode(Simulator& sim, CliMode mode) {
  sim.router().mode = mode;
  sim.router().prompt = modePrompt(sim, mode);
}

void askQuestion(Simulator& sim, const std::string& question, Interaction interaction) {
  sim.router().savedPrompt = sim.router().prompt;
  sim.router().prompt = question;
  sim.setInteraction(interaction);
  sim.console.setInput(question);
}

void pauseConsole(Simulator& sim, int milliseconds) {
  sim.console.refresh();
  sim.services.pauser.pause(milliseconds);
}

void incompleteCommand(Simulator& sim) {
  writeConsoleLine(sim, "% Incomplete command.");
  writeConsoleLine(sim, " ");
}

void invalidInput(Simulator& sim) {
  writeConsoleLine(sim, " ");
  writeConsoleLine(sim, "% Invalid input detected at '^' marker.");
}

void unrecognizedCommand(Simulator& sim) {
  sim.state.console.helpListingActive = false;
  writeConsoleLine(sim, "% Unrecognized command");
}

void unknownCommand(Simulator& sim) {
  if (sim.router().mode == CliMode::user) {
    writeConsoleLine(sim, "% Unknown command or computer name, or unable to find computer address");
  } else {
    invalidInput(sim);
  }
}

}  // namespace kovrel
