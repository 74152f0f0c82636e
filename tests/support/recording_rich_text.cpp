// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recording_rich_text.h"

namespace kovrel::testing {

void RecordingRichText::clear() {
  operations.push_back("clear");
  runs.clear();
  ++clears;
}

void RecordingRichText::insert(std::string_view text, const TextStyle& style) {
  operations.push_back("insert");
  appendRun(runs, text, style);
}

}  // namespace kovrel::testing
