#include "network/reachability.h"

namespace kovrel {

// No topology answers yet: every host is unreachable until the lab topologies are simulated.
bool labTopologyReaches(Simulator&, std::string_view) { return false; }

}  // namespace kovrel
