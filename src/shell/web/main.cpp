// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <exception>

#include "shell/web/web_session.h"

// The page's engine. It runs for as long as the page is open: it sleeps between keys and during
// the router's pauses, handing control back to the browser each time.
int main() {
  try {
    kovrel::web::WebSession session("/kovrel/DataStore.db");
    session.run();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kovrel: %s\n", error.what());
    return 1;
  }
  return 0;
}
