// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/simulator.h"
#include "catalogue/grammar.h"

namespace kovrel {

// "service password-encryption" hides the line and enable passwords in the configuration: they
// are shown as "password 7 " and hexadecimal digits. The encoding is this simulator's own and
// reversible; it keeps a password from a glance over the shoulder, not from a determined reader.

/// The hexadecimal form of a password: two digits of a starting offset, then each character
/// mixed with a repeating key.
std::string encodePassword(std::string_view password);
/// The password an encoded form stands for; nothing for a text no encoding gives.
std::optional<std::string> decodePassword(std::string_view encoded);

/// How a configuration shows a password: "7 " and the encoded form once encrypted, else as typed.
std::string shownPassword(const std::string& password, bool encrypted);

/// `service password-encryption`: every password set is encrypted from now on.
std::span<const CommandForm> serviceForms();
/// `no service password-encryption`: new passwords are shown as typed again; those already
/// encrypted stay so.
void stopPasswordEncryption(Simulator& sim);

}  // namespace kovrel
