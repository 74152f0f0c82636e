// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kovrel::web {

// The calls between the engine's side and the page (page.js). They are the only JavaScript the
// front-end knows; everything else is plain C++.

/// One thing the page sends: key bytes from the terminal, or a command from its menus and buttons.
struct PageInput {
  enum class Kind { none, keys, command };
  Kind kind = Kind::none;
  std::string text;
};

/// The next input of the page. With `wait`, the engine sleeps until there is one (the page keeps
/// running); without, an empty page queue gives `none`. `idle` tells the page whether the engine
/// waits between commands (menus may be used) or inside one (a " --More--").
PageInput nextPageInput(bool wait, bool idle);

/// Bytes for the terminal (xterm.js), ANSI sequences included.
void writeTerminal(std::string_view bytes);

/// An event for the page: its name and its data as JSON.
void publish(std::string_view event, std::string_view json);

/// A modal message; returns once the student has dismissed it.
void showPageMessage(const std::string& text);

/// Sleeps the engine for the router's imitated pauses; the page stays responsive.
void sleepMilliseconds(int milliseconds);

}  // namespace kovrel::web
