// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/password_encryption.h"

#include <cstdio>

#include "base/output.h"

namespace kovrel {
namespace {

constexpr std::string_view kKey = "KovrelTrainingConsole";

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<int> hexByte(std::string_view text, std::size_t at) {
  const int high = hexValue(text[at]);
  const int low = hexValue(text[at + 1]);
  if (high < 0 || low < 0) return std::nullopt;
  return high * 16 + low;
}

std::string twoHexDigits(int value) {
  char digits[3];
  std::snprintf(digits, sizeof digits, "%02X", value & 0xff);
  return digits;
}

}  // namespace

std::string encodePassword(std::string_view password) {
  // The starting offset follows from the password, so the same password always reads the same.
  const std::size_t offset = password.size() * 7 % kKey.size();
  std::string encoded = twoHexDigits(static_cast<int>(offset));
  for (std::size_t i = 0; i < password.size(); ++i) {
    encoded += twoHexDigits(password[i] ^ kKey[(offset + i) % kKey.size()]);
  }
  return encoded;
}

std::optional<std::string> decodePassword(std::string_view encoded) {
  if (encoded.size() < 2 || encoded.size() % 2 != 0) return std::nullopt;
  const std::optional<int> offset = hexByte(encoded, 0);
  if (!offset || static_cast<std::size_t>(*offset) >= kKey.size()) return std::nullopt;
  std::string password;
  for (std::size_t at = 2; at < encoded.size(); at += 2) {
    const std::optional<int> byte = hexByte(encoded, at);
    if (!byte) return std::nullopt;
    password += static_cast<char>(*byte ^ kKey[(*offset + password.size()) % kKey.size()]);
  }
  return password;
}

std::string shownPassword(const std::string& password, bool encrypted) {
  return encrypted ? "7 " + encodePassword(password) : password;
}

namespace {

FormOutcome startPasswordEncryption(Simulator& sim, const Words&) {
  RouterConfig& config = sim.running();
  config.passwordEncryption = true;
  // The router encrypts at once every password the configuration already holds.
  config.enablePasswordEncrypted = !config.enablePassword.empty();
  for (LineConfig& line : config.lines) line.passwordEncrypted = !line.password.empty();
  return FormOutcome::done;
}

constexpr CommandForm kServiceForms[] = {
    {"service password-encryption", startPasswordEncryption},
};

}  // namespace

std::span<const CommandForm> serviceForms() { return kServiceForms; }

void stopPasswordEncryption(Simulator& sim) { sim.running().passwordEncryption = false; }

}  // namespace kovrel
