// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/router_switch.h"

#include "base/activity_listener.h"
#include "config/saved_config.h"
#include "console/session.h"
#include "console/telnet_session.h"
#include "network/link_messages.h"
#include "network/network_view.h"
#include "training/scenarios_presets.h"

namespace kovrel {
namespace {

RouterState& parkedSlot(Simulator& sim, RouterId router) {
  return router == RouterId::b ? sim.state.parkedB : sim.state.parkedA;
}

// The leaving router takes the console's texts with it; the arriving one brings its own back,
// unless it is about to boot and replace them anyway.
void exchangeRouters(Simulator& sim, RouterId router, bool restoreConsole = true) {
  RouterState& leaving = parkedSlot(sim, sim.state.currentRouter);
  leaving = sim.state.current;
  leaving.consoleText = sim.console.output();
  leaving.inputText = sim.console.input();
  sim.state.current = parkedSlot(sim, router);
  sim.state.currentRouter = router;
  if (!restoreConsole) return;
  sim.console.replaceOutput(sim.state.current.consoleText);
  sim.console.setInput(sim.state.current.inputText);
}

// RouterB exists only once someone goes to it: it boots from the factory configuration under its
// own name and, in a troubleshooting scenario, gets its half of the scenario's faults.
void buildRouterB(Simulator& sim) {
  sim.state.routerBVisited = true;
  resetStartupConfig(sim);
  sim.state.saved.hostname = "RouterB";
  loadStartupConfig(sim);
  loadRouter(sim);
  if (sim.state.training.currentActivity == Activity::troubleshooting) {
    applyTroubleshootingPresets(sim, sim.state.training.currentTroubleshooting);
  }
}

void tellListener(Simulator& sim) {
  if (ActivityListener* listener = sim.state.training.listener) {
    listener->routerSwitched(sim.state.currentRouter);
  }
}

}  // namespace

SwitchOutcome switchRouter(Simulator& sim, RouterId router) {
  if (sim.state.training.topology != Topology::twoRouters) return SwitchOutcome::noSecondRouter;
  if (router == sim.state.currentRouter) return SwitchOutcome::alreadyThere;
  // A Telnet session holds the console's session on the far router: it must end first.
  if (sim.interactionPending() != Interaction::none || inTelnetSession(sim)) {
    sim.services.messageBox.show(std::string(kSwitchWhenAtPrompt));
    return SwitchOutcome::refusedBusy;
  }
  const bool firstVisit = router == RouterId::b && !sim.state.routerBVisited;
  exchangeRouters(sim, router, !firstVisit);
  if (firstVisit) buildRouterB(sim);
  // What the other router changed at this one's end of the cable shows on arrival.
  announceLinkChanges(sim);
  tellListener(sim);
  return SwitchOutcome::switched;
}

void returnConsoleToRouterA(Simulator& sim) {
  dropTelnetSession(sim);
  if (sim.state.currentRouter == RouterId::a) return;
  sim.setInteraction(Interaction::none);
  exchangeRouters(sim, RouterId::a);
  tellListener(sim);
}

}  // namespace kovrel
