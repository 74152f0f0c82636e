// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/copy_dialog.h"

#include <array>
#include <string>

#include "base/command_matching.h"
#include "base/ip_arithmetic.h"
#include "base/output.h"
#include "config/saved_config.h"
#include "network/reachability.h"

namespace kovrel {
namespace {

constexpr int kCopyPauseMs = 1000;

// The only server of the labs, and the file it holds.
constexpr std::string_view kTftpServer = "192.160.5.5";
constexpr std::string_view kTftpServerFile = "startup-config";

// The answer is what was typed after the question, lower-cased and trimmed.
std::string answerText(const Simulator& sim, std::string_view line) {
  const std::size_t questionLength = sim.state.current.prompt.size();
  if (line.size() <= questionLength) return {};
  return toLower(trimBlanks(line.substr(questionLength)));
}

void closeDialog(Simulator& sim, std::string prompt) {
  sim.router().prompt = std::move(prompt);
  sim.router().mode = CliMode::priv;
  sim.router().copyDialogStep = CopyDialogStep::none;
  sim.setInteraction(Interaction::none);
}

void nextQuestion(Simulator& sim, std::string_view question, CopyDialogStep dialogStep) {
  sim.router().prompt = std::string(question);
  sim.console.setInput(std::string(question));
  sim.router().copyDialogStep = dialogStep;
}

void buildingConfiguration(Simulator& sim) {
  writeConsoleLine(sim, "Building configuration...");
  sim.console.setInput("");
  pauseConsole(sim, kCopyPauseMs);
  writeConsoleLine(sim, "[OK]");
}

void refuseNvramFile(Simulator& sim, const std::string& answer) {
  writeConsoleLine(sim, "%Error opening nvram:" + answer + " (No such file or directory)");
  closeDialog(sim, sim.router().savedPrompt);
}

void saveAnswer(Simulator& sim, const std::string& answer) {
  if (answer != "startup-config" && answer != "start" && !answer.empty()) {
    return refuseNvramFile(sim, answer);
  }
  buildingConfiguration(sim);
  closeDialog(sim, modePrompt(sim, CliMode::priv));
  saveRunningConfig(sim, "startup-config");
}

void loadAnswer(Simulator& sim, const std::string& answer) {
  if (answer != "running-config" && answer != "run" && !answer.empty()) {
    return refuseNvramFile(sim, answer);
  }
  buildingConfiguration(sim);
  loadStartupConfig(sim);
  // The loaded configuration may bring another host name; the prompt follows it at once.
  closeDialog(sim, modePrompt(sim, CliMode::priv));
}

void tftpHostAnswer(Simulator& sim, const std::string& answer) {
  if (answer.empty()) {
    writeConsoleLine(sim, "?Host name or address not specified");
  } else if (!isValidIpAddress(answer)) {
    writeConsoleLine(sim, "  ");
    writeConsoleLine(sim, "?Invalid host address or name");
  } else {
    writeConsoleLine(sim, "");
    sim.state.tftpRequest.host = answer;
    return nextQuestion(sim, "Source filename []?", CopyDialogStep::tftpSource);
  }
  closeDialog(sim, sim.router().savedPrompt);
}

void tftpSourceAnswer(Simulator& sim, const std::string& answer) {
  writeConsoleLine(sim, "");
  sim.state.tftpRequest.sourceFile = answer;
  nextQuestion(sim, "Destination filename [running-config]?", CopyDialogStep::tftpDestination);
}

void tftpTransfer(Simulator& sim, const TftpRequest& request) {
  const bool served = request.host == kTftpServer && request.destinationFile == "running-config" &&
                      request.sourceFile == kTftpServerFile &&
                      labTopologyReaches(sim, request.host);
  if (served) {
    writeConsoleLine(sim, "!!");
    writeConsoleLine(sim, "532 bytes copied in 5.421 secs (106 bytes/sec) ");
  } else {
    writeConsoleLine(sim, "%Error opening tftp://" + request.host + "/" + request.sourceFile);
  }
}

void tftpDestinationAnswer(Simulator& sim, const std::string& answer) {
  writeConsoleLine(sim, "");
  TftpRequest& request = sim.state.tftpRequest;
  request.destinationFile = answer.empty() ? "running-config" : answer;
  writeConsoleLine(sim, "");
  closeDialog(sim, sim.router().savedPrompt);
  writeConsoleLine(sim, "Accessing tftp://" + request.host + "/" + request.sourceFile + "...");
  tftpTransfer(sim, request);
}

using AnswerStep = void (*)(Simulator& sim, const std::string& answer);

struct DialogStep {
  CopyDialogStep dialogStep;
  AnswerStep step;
};

constexpr std::array<DialogStep, 5> kDialogSteps = {{
    {CopyDialogStep::saveDestination, saveAnswer},
    {CopyDialogStep::loadDestination, loadAnswer},
    {CopyDialogStep::tftpHost, tftpHostAnswer},
    {CopyDialogStep::tftpSource, tftpSourceAnswer},
    {CopyDialogStep::tftpDestination, tftpDestinationAnswer},
}};

// Each copy opens its dialog with a question.
template <CopyDialogStep kStep>
FormOutcome startCopy(Simulator& sim, const Words&) {
  const std::string_view question =
      kStep == CopyDialogStep::saveDestination   ? "Destination filename [startup-config]?"
      : kStep == CopyDialogStep::loadDestination ? "Destination filename [running-config]?"
                                                 : "Address or name of remote host []?";
  askQuestion(sim, std::string(question), Interaction::copyDialog);
  sim.router().copyDialogStep = kStep;
  return FormOutcome::done;
}

constexpr CommandForm kCopyForms[] = {
    {"copy running-config startup-config", startCopy<CopyDialogStep::saveDestination>},
    {"copy startup-config running-config", startCopy<CopyDialogStep::loadDestination>},
    {"copy tftp running-config", startCopy<CopyDialogStep::tftpHost>},
};

}  // namespace

std::span<const CommandForm> copyForms() { return kCopyForms; }

void copyDialog(Simulator& sim, std::string_view line) {
  const std::string answer = answerText(sim, line);
  for (const DialogStep& step : kDialogSteps) {
    if (sim.router().copyDialogStep == step.dialogStep) return step.step(sim, answer);
  }
  // A dialog step nobody knows cannot take an answer: close it rather than strand the console.
  closeDialog(sim, modePrompt(sim, CliMode::priv));
}

}  // namespace kovrel
