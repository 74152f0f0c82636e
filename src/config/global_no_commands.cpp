// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/global_no_commands.h"

#include "config/access_lists.h"
#include "config/command_forms.h"
#include "config/password_encryption.h"
#include "config/routing_protocols.h"
#include "config/static_routes.h"

namespace kovrel {
namespace {

constexpr int kFactoryCdpTimer = 60;
constexpr int kFactoryCdpHoldtime = 180;

// Each action undoes one global setting; a setting that is already off stays off silently.
FormOutcome clearEnableSecret(Simulator& sim, const Words&) {
  sim.running().enableSecret.clear();
  return FormOutcome::done;
}
FormOutcome clearEnablePassword(Simulator& sim, const Words&) {
  sim.running().enablePassword.clear();
  return FormOutcome::done;
}
FormOutcome clearBannerExec(Simulator& sim, const Words&) {
  sim.running().bannerExec.clear();
  return FormOutcome::done;
}
FormOutcome clearBannerLogin(Simulator& sim, const Words&) {
  sim.running().bannerLogin.clear();
  return FormOutcome::done;
}
FormOutcome clearBannerMotd(Simulator& sim, const Words&) {
  sim.running().bannerMotd.clear();
  return FormOutcome::done;
}
FormOutcome clearNameServers(Simulator& sim, const Words&) {
  sim.running().nameServers.clear();
  return FormOutcome::done;
}
FormOutcome removeHost(Simulator& sim, const Words& words) {
  std::erase_if(sim.running().hosts,
                [&words](const HostAddress& host) { return host.hostName == words[3]; });
  return FormOutcome::done;
}
FormOutcome resetCdpHoldtime(Simulator& sim, const Words&) {
  sim.running().cdpHoldtime = kFactoryCdpHoldtime;
  return FormOutcome::done;
}
FormOutcome stopCdp(Simulator& sim, const Words&) {
  sim.running().cdpRun = false;
  return FormOutcome::done;
}
FormOutcome resetCdpTimer(Simulator& sim, const Words&) {
  sim.running().cdpTimer = kFactoryCdpTimer;
  return FormOutcome::done;
}
FormOutcome stopRouting(Simulator& sim, const Words&) {
  stopIpRouting(sim);
  return FormOutcome::done;
}
FormOutcome stopHttpServer(Simulator& sim, const Words&) {
  sim.running().httpServer = false;
  return FormOutcome::done;
}
FormOutcome stopDomainLookup(Simulator& sim, const Words&) {
  sim.running().domainLookup = false;
  return FormOutcome::done;
}
FormOutcome removeList(Simulator& sim, const Words& words) {
  return removeAccessList(sim, words[2]) ? FormOutcome::done : FormOutcome::notThisForm;
}
FormOutcome stopRipProcess(Simulator& sim, const Words&) {
  stopRip(sim);
  return FormOutcome::done;
}
FormOutcome stopIgrpProcess(Simulator& sim, const Words& words) {
  return removeIgrpProcess(sim, words[3]) ? FormOutcome::done : FormOutcome::notThisForm;
}

FormOutcome stopEncryption(Simulator& sim, const Words&) {
  stopPasswordEncryption(sim);
  return FormOutcome::done;
}

// There is no "no hostname" and no "no ip domain-name": both are invalid input.
constexpr CommandForm kGlobalNoForms[] = {
    {"no enable secret", clearEnableSecret},
    {"no enable password", clearEnablePassword},
    {"no banner exec", clearBannerExec},
    {"no banner login", clearBannerLogin},
    {"no ip name-server", clearNameServers},
    {"no ip host WORD", removeHost},
    {"no banner motd", clearBannerMotd},
    {"no cdp holdtime", resetCdpHoldtime},
    {"no cdp run", stopCdp},
    {"no cdp timer", resetCdpTimer},
    {"no ip routing", stopRouting},
    {"no ip route A.B.C.D ROUTEMASK", removeStaticRoute},
    {"no ip route A.B.C.D ROUTEMASK WORD...", removeStaticRoute},
    {"no service password-encryption", stopEncryption},
    {"no ip http server", stopHttpServer},
    {"no ip domain-lookup", stopDomainLookup},
    {"no access-list <1-99>", removeList},
    {"no router rip", stopRipProcess},
    {"no router igrp <1-65535>", stopIgrpProcess},
};

}  // namespace

std::span<const CommandForm> globalNoForms() { return kGlobalNoForms; }

}  // namespace kovrel
