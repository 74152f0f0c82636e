// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/banners.h"

#include "base/output.h"
#include "config/command_forms.h"

namespace kovrel {
namespace {

std::string& bannerOf(RouterConfig& config, BannerKind kind) {
  switch (kind) {
    case BannerKind::exec:
      return config.bannerExec;
    case BannerKind::login:
      return config.bannerLogin;
    case BannerKind::motd:
      break;
  }
  return config.bannerMotd;
}

// The first character of the text is the delimiter. With a second one on the same line the
// banner is the text between them; otherwise the lines that follow are the text, typed as the
// student wants them to appear, up to a line that holds the delimiter.
void startBanner(Simulator& sim, BannerKind kind, std::string_view text) {
  const char delimiter = text.front();
  const std::string_view rest = text.substr(1);
  if (const auto end = rest.find(delimiter); end != std::string_view::npos) {
    bannerOf(sim.running(), kind) = std::string(rest.substr(0, end));
    return;
  }
  ConsoleFields& console = sim.state.console;
  console.bannerDelimiter = std::string(1, delimiter);
  console.bannerKind = kind;
  console.bannerText.clear();
  sim.router().prompt.clear();
  writeConsoleLine(
      sim, "Enter TEXT message.  End with the character '" + console.bannerDelimiter + "'.");
  sim.setInteraction(Interaction::bannerLine);
}

template <BannerKind kKind>
FormOutcome bannerCommand(Simulator& sim, const Words& words) {
  startBanner(sim, kKind, words[2]);
  return FormOutcome::done;
}

constexpr CommandForm kBannerForms[] = {
    {"banner motd LINE", bannerCommand<BannerKind::motd>},
    {"banner login LINE", bannerCommand<BannerKind::login>},
    {"banner exec LINE", bannerCommand<BannerKind::exec>},
};

}  // namespace

std::span<const CommandForm> bannerForms() { return kBannerForms; }

}  // namespace kovrel
