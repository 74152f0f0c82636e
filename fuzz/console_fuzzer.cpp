// Feeds arbitrary key bytes to a fresh simulator on the recording fakes and checks, after every
// key, what must hold whatever the student types. The first bytes choose the scenario; the rest
// are keys as a terminal sends them. Ctrl-] followed by one byte runs a program command (the
// router buttons, the flash cards, the training panes).

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/output.h"
#include "base/simulator.h"
#include "console/session.h"
#include "shell/terminal/byte_decoder.h"
#include "shell/terminal/key_event.h"
#include "shell/terminal/program_commands.h"
#include "support/fake_platform.h"

namespace {

using kovrel::CliMode;
using kovrel::Interaction;
using kovrel::Simulator;
using kovrel::terminal::KeyEvent;
using kovrel::terminal::KeyEventKind;

[[noreturn]] void violated(const char* invariant, const std::string& detail) {
  std::fprintf(stderr, "console_fuzzer: invariant broken: %s\n%s\n", invariant, detail.c_str());
  std::abort();
}

bool holdsControlBytes(std::string_view text) {
  for (const char character : text) {
    const auto byte = static_cast<unsigned char>(character);
    if ((byte < 0x20 && character != '\r' && character != '\n') || byte == 0x7F) return true;
  }
  return false;
}

/// The recording fakes, with the console's output checked as it is written and the " --More--"
/// keys taken from the same key stream as everything else.
class FuzzPlatform : public kovrel::testing::FakePlatform {
 public:
  void startAfresh(const std::vector<KeyEvent>& keys) {
    keys_ = &keys;
    next = 0;
    pauses.clear();
    messages.clear();
    errorLines.clear();
  }

  void outputAppended(const std::string& text, bool) override { checkOutput(text); }
  void outputReplaced(const std::string& text) override { checkOutput(text); }
  int waitForKey() override {
    if (next >= keys_->size()) return 'q';
    return kovrel::terminal::pagingCode((*keys_)[next++]);
  }

  std::size_t next = 0;

 private:
  static void checkOutput(const std::string& text) {
    if (holdsControlBytes(text)) violated("output holds only text and line breaks", text);
  }

  const std::vector<KeyEvent>* keys_ = nullptr;
};

const std::array<std::string_view, 34> kLabs = {
    "aboutTheLabs",
    "applyingACL",
    "auxiliaryConfiguration",
    "configuringCDPTimers",
    "configuringEthernetInterface",
    "configuringSerialInterface",
    "consoleConfiguration",
    "definingACL",
    "domainConfiguration",
    "enablingDisablingCDP",
    "enhancedEditing",
    "execBanner",
    "hostNameMapping",
    "igrpRouting",
    "loadingConfigurationFromTFTPServer",
    "loginBanner",
    "managingIPRouting",
    "managingPasswords",
    "motdBanner",
    "nameServerAndHttpServer",
    "removingACL",
    "ripRouting",
    "routerModes",
    "routerStartUp",
    "routerStatus",
    "savingLoadingConfiguration",
    "settingHostname",
    "systemHelpCommands",
    "terminalHistory",
    "testingConnectivity",
    "viewingCDPInformation",
    "viewingConfiguration",
    "viewingInterfaceStatus",
    "virtualTerminalConfiguration",
};

const std::array<std::string_view, 13> kProgramCommands = {
    "router a",    "router b",     "cards",           "card next", "card back",
    "card answer", "instructions", "mode learn",      "mode test", "report",
    "network",     "info welcome", "lab routerModes",
};

// Scenario byte: 34 labs, 3 tests, 6 troubleshooting scenarios, the flash cards.
std::string scenarioCommand(std::uint8_t choice) {
  const unsigned scenario = choice % 44u;
  if (scenario < kLabs.size()) return "lab " + std::string(kLabs[scenario]);
  if (scenario < 37) return "test " + std::to_string(scenario - 33);
  if (scenario < 43) return "troubleshooting " + std::to_string(scenario - 36);
  return "cards";
}

void checkConsole(Simulator& sim, const FuzzPlatform& platform) {
  const auto& router = sim.state.current;
  const auto interaction = static_cast<int>(sim.interactionPending());
  if (interaction < 0 || interaction > static_cast<int>(Interaction::paging) ||
      sim.interactionPending() == Interaction::paging) {
    violated("interactionPending is a known code, and no display is left open",
             std::to_string(interaction));
  }
  const auto mode = static_cast<int>(router.mode);
  if (mode < 0 || mode > static_cast<int>(CliMode::configRouterIgrp)) {
    violated("the mode is a known mode", std::to_string(mode));
  }
  if (sim.interactionPending() == Interaction::none &&
      router.prompt != kovrel::modePrompt(sim, router.mode)) {
    violated("the prompt agrees with the mode", router.prompt);
  }
  if (!sim.console.input().starts_with(router.prompt)) {
    violated("the input line begins with the prompt or the open question",
             router.prompt + " | " + sim.console.input());
  }
  if (holdsControlBytes(sim.console.input())) violated("the input line holds only text", "");
  if (!platform.errorLines.empty())
    violated("no error reaches the error log", platform.errorLines[3]);
}

// Counting the output's lines costs more than most keys; it is checked now and then and at the end.
void checkScrollback(const Simulator& sim) {
  const std::string& output = sim.console.output();
  const auto lineBreaks = static_cast<std::size_t>(std::count(output.begin(), output.end(), '\n'));
  if (lineBreaks >= kovrel::kScrollbackLines) {
    violated("the output keeps within its scrollback", std::to_string(lineBreaks));
  }
}

void runProgramCommand(Simulator& sim, std::string_view line) {
  (void)kovrel::terminal::runProgramCommand(sim, line);
}

/// One simulator for the whole fuzzing run, given fresh state for every input: opening the lesson
/// database for each input would cost more than most inputs do.
struct Harness {
  FuzzPlatform platform;
  Simulator sim{platform.services()};
  std::string bootText;
  std::string welcomeText;

  Harness() {
    kovrel::setWelcomeText(sim, KOVREL_FUZZ_DATABASE);
    if (!platform.messages.empty()) violated("the lesson database opens", platform.messages[0]);
    bootText = sim.state.bootText;
    welcomeText = sim.state.welcomeText;
  }

  void startAfresh(const std::vector<KeyEvent>& keys) {
    sim.state = kovrel::SimulatorState{};
    sim.state.bootText = bootText;
    sim.state.welcomeText = welcomeText;
    sim.console.replaceOutput("");
    sim.console.setInput("");
    platform.startAfresh(keys);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  static Harness harness;
  const std::string bytes(reinterpret_cast<const char*>(data) + 3, size - 3);
  const std::vector<KeyEvent> keys = kovrel::terminal::decodeBytes(bytes);
  harness.startAfresh(keys);
  FuzzPlatform& platform = harness.platform;
  Simulator& sim = harness.sim;
  sim.state.console.pageLength = 1 + data[1] % 30;
  const unsigned switchEvery = data[2] % 64u;  // 0: the routers switch only when asked
  runProgramCommand(sim, scenarioCommand(data[0]));
  checkConsole(sim, platform);
  unsigned pressed = 0;
  while (platform.next < keys.size()) {
    const KeyEvent& key = keys[platform.next++];
    if (key.kind == KeyEventKind::programCommand) {
      const std::size_t choice = platform.next < keys.size() ? keys[platform.next++].keyCode : 0;
      runProgramCommand(sim, kProgramCommands[choice % kProgramCommands.size()]);
    } else {
      kovrel::terminal::deliverKey(sim, key);
    }
    ++pressed;
    if (switchEvery != 0 && pressed % switchEvery == 0) {
      runProgramCommand(sim, pressed / switchEvery % 2 == 1 ? "router b" : "router a");
    }
    checkConsole(sim, platform);
    if (pressed % 256 == 0) checkScrollback(sim);
  }
  checkScrollback(sim);
  return 0;
}
