#include "catalogue/context_help.h"

namespace kovrel {

// Context help listings arrive with the help catalogue; until then "?" stays in the line.
void processContextHelp(Simulator& sim, std::string_view line) { sim.console.setInput(std::string(line)); }

}  // namespace kovrel
