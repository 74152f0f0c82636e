// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/telnet_session.h"

#include <algorithm>

#include "base/command_matching.h"
#include "base/ip_arithmetic.h"
#include "base/output.h"
#include "network/network_view.h"
#include "network/reachability.h"

namespace kovrel {
namespace {

constexpr int kAllowedTries = 3;

RouterState& parkedSlot(Simulator& sim, RouterId router) {
  return router == RouterId::b ? sim.state.parkedB : sim.state.parkedA;
}

RouterId otherRouter(RouterId router) { return router == RouterId::a ? RouterId::b : RouterId::a; }

// The fields of a console session, as opposed to the router's configuration.
void copySession(RouterState& to, const RouterState& from) {
  to.prompt = from.prompt;
  to.savedPrompt = from.savedPrompt;
  to.history = from.history;
  to.historyIndex = from.historyIndex;
  to.historyDraft = from.historyDraft;
  to.mode = from.mode;
  to.currentLine = from.currentLine;
  to.passwordTries = from.passwordTries;
  to.currentInterface = from.currentInterface;
  to.copyDialogStep = from.copyDialogStep;
  to.igrpAsNumber = from.igrpAsNumber;
  to.announcedStates = from.announcedStates;
}

// Moves a router's session aside and leaves it a fresh one.
RouterState takeSession(RouterState& router) {
  RouterState session = router;
  copySession(router, RouterState{});
  return session;
}

bool holdsAddress(const RouterConfig& config, std::string_view address) {
  for (InterfaceNumber number : {kSerial0, kSerial1, kEthernet0}) {
    const std::string& own = config.interface(number).ipAddress;
    if (!own.empty() && parseDottedQuad(own) == parseDottedQuad(address)) return true;
  }
  return false;
}

// The router an address belongs to, when it is one of a router's interfaces.
std::optional<RouterId> routerWithAddress(Simulator& sim, std::string_view address) {
  if (holdsAddress(sim.running(), address)) return sim.state.currentRouter;
  const RouterId other = otherRouter(sim.state.currentRouter);
  if (sim.state.training.topology == Topology::twoRouters &&
      holdsAddress(parkedSlot(sim, other).config, address)) {
    return other;
  }
  return std::nullopt;
}

// The console now works on the far router, in a session of its own.
void openSession(Simulator& sim, RouterId far, std::string_view address) {
  TelnetSession session{std::string(address), sim.state.currentRouter, {}, {}};
  session.originSession = takeSession(sim.router());
  if (far != session.origin) {
    parkedSlot(sim, session.origin) = sim.state.current;
    sim.state.current = parkedSlot(sim, far);
    sim.state.currentRouter = far;
    session.farSession = takeSession(sim.router());
  }
  sim.state.telnet = std::move(session);
}

void enterFarRouter(Simulator& sim) {
  const LineConfig& vty = sim.running().line(TerminalLine::vty);
  writeConsoleLine(sim, sim.running().bannerMotd);
  if (!vty.login) {
    enterMode(sim, CliMode::user);
    return;
  }
  writeConsoleLine(sim, " ");
  writeConsoleLine(sim, "User Access Verification");
  writeConsoleLine(sim, " ");
  sim.router().mode = CliMode::user;
  askQuestion(sim, std::string(kPasswordQuestion), Interaction::vtyLogin);
}

void connect(Simulator& sim, RouterId far, std::string_view address) {
  const RouterState& farRouter =
      far == sim.state.currentRouter ? sim.state.current : parkedSlot(sim, far);
  if (farRouter.config.line(TerminalLine::vty).password.empty()) {
    writeConsoleLine(sim, "Trying " + std::string(address) + " ... Open");
    writeConsoleLine(sim, " ");
    writeConsoleLine(sim, "Password required, but none set");
    writeConsoleLine(sim, " ");
    writeConsoleLine(sim, "[Connection to " + std::string(address) + " closed by foreign host]");
    return;
  }
  writeConsoleLine(sim, "Trying " + std::string(address) + " ... Open");
  openSession(sim, far, address);
  enterFarRouter(sim);
}

void telnetTo(Simulator& sim, const std::string& address) {
  if (!testReachability(networkView(sim), address)) {
    writeConsoleLine(sim, "Trying " + address + " ... ");
    writeConsoleLine(sim, "% Destination unreachable; gateway or host down");
    writeConsoleLine(sim, " ");
    return;
  }
  const std::optional<RouterId> far = routerWithAddress(sim, address);
  // Hosts and the lab's imaginary neighbour run no Telnet server; one session at a time.
  if (!far || inTelnetSession(sim)) {
    writeConsoleLine(sim, "Trying " + address + " ... ");
    writeConsoleLine(sim, "% Connection refused by remote host");
    writeConsoleLine(sim, " ");
    return;
  }
  connect(sim, *far, address);
}

}  // namespace

FormOutcome telnetCommand(Simulator& sim, const Words& words) {
  if (!isValidIpAddress(words[1])) return FormOutcome::notThisForm;
  telnetTo(sim, words[1]);
  return FormOutcome::done;
}

void checkVtyLogin(Simulator& sim, std::string_view line) {
  const std::string& password = sim.running().line(TerminalLine::vty).password;
  const std::size_t questionLength = std::min(sim.router().prompt.size(), line.size());
  if (trimBlanks(line.substr(questionLength)) == password) {
    sim.router().passwordTries = 0;
    sim.setInteraction(Interaction::none);
    enterMode(sim, CliMode::user);
    return;
  }
  if (++sim.router().passwordTries < kAllowedTries) return;
  sim.setInteraction(Interaction::none);
  writeConsoleLine(sim, "% Bad passwords");
  closeTelnetSession(sim);
}

bool inTelnetSession(const Simulator& sim) { return sim.state.telnet.has_value(); }

void closeTelnetSession(Simulator& sim) {
  if (!sim.state.telnet) return;
  const std::string address = sim.state.telnet->address;
  dropTelnetSession(sim);
  writeConsoleLine(sim, " ");
  writeConsoleLine(sim, "[Connection to " + address + " closed by foreign host]");
}

void dropTelnetSession(Simulator& sim) {
  if (!sim.state.telnet) return;
  TelnetSession session = std::move(*sim.state.telnet);
  sim.state.telnet.reset();
  sim.setInteraction(Interaction::none);
  if (sim.state.currentRouter != session.origin) {
    copySession(sim.router(), session.farSession);
    parkedSlot(sim, sim.state.currentRouter) = sim.state.current;
    sim.state.current = parkedSlot(sim, session.origin);
    sim.state.currentRouter = session.origin;
  }
  copySession(sim.router(), session.originSession);
}

}  // namespace kovrel
