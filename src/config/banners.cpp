// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/banners.h"

#include "base/output.h"
#include "config/command_forms.h"

namespace kovrel {
namespace {

// A banner's text is not taken from the command line: the third word only gives the delimiter,
// and the lines that follow are the text, typed as the student wants them to appear.
void startBannerEntry(Simulator& sim, BannerKind kind, char delimiter) {
  ConsoleFields& console = sim.state.console;
  console.bannerDelimiter = std::string(1, delimiter);
  console.bannerKind = kind;
  console.bannerText.clear();
  sim.router().prompt.clear();
  writeConsoleLine(
      sim, "Enter TEXT message.  End with the character '" + console.bannerDelimiter + "'.");
  sim.setInteraction(Interaction::bannerLine);
}

FormOutcome startMotd(Simulator& sim, const Words& words) {
  startBannerEntry(sim, BannerKind::motd, words[2].front());
  return FormOutcome::done;
}

FormOutcome startLogin(Simulator& sim, const Words& words) {
  startBannerEntry(sim, BannerKind::login, words[2].front());
  return FormOutcome::done;
}

FormOutcome startExec(Simulator& sim, const Words& words) {
  startBannerEntry(sim, BannerKind::exec, words[2].front());
  return FormOutcome::done;
}

constexpr CommandForm kBannerForms[] = {
    {"banner motd variable", startMotd},
    {"banner login variable", startLogin},
    {"banner exec variable", startExec},
};

}  // namespace

void bannerCommand(Simulator& sim, const CommandInput& input) {
  runCommandForms(sim, input.words, kBannerForms);
}

}  // namespace kovrel
