#include "console/copy_dialog.h"

#include "console/output.h"

namespace kovrel {

// The copy dialogs arrive with the configuration commands; until then `copy` is refused.
void copyCommand(Simulator& sim, const CommandInput&) { invalidInput(sim); }

void copyDialog(Simulator& sim, std::string_view) {
  sim.setInteraction(Interaction::none);
  enterMode(sim, CliMode::priv);
}

}  // namespace kovrel
