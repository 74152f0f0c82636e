#include "training/router_switch.h"

#include "base/activity_listener.h"
#include "config/saved_config.h"
#include "console/session.h"
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
  resetStartupConfig(sim);
  sim.state.parkedB.config.hostname = "RouterB";
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
  if (sim.interactionPending() != Interaction::none) {
    sim.services.messageBox.show(std::string(kSwitchWhenAtPrompt));
    return SwitchOutcome::refusedBusy;
  }
  const bool firstVisit = router == RouterId::b && sim.state.parkedB.config.hostname.empty();
  exchangeRouters(sim, router, !firstVisit);
  if (firstVisit) buildRouterB(sim);
  tellListener(sim);
  return SwitchOutcome::switched;
}

void returnConsoleToRouterA(Simulator& sim) {
  if (sim.state.currentRouter == RouterId::a) return;
  sim.setInteraction(Interaction::none);
  exchangeRouters(sim, RouterId::a);
  tellListener(sim);
}

}  // namespace kovrel
