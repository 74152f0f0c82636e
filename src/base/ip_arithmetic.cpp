// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ip_arithmetic.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cstdint>
#include <limits>
#include <vector>

namespace kovrel {
namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool isBlankOrControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return std::isspace(byte) != 0 || std::iscntrl(byte) != 0;
}

std::vector<std::string_view> splitAtDots(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const auto dot = text.find('.', start);
    parts.push_back(text.substr(start, dot - start));
    if (dot == std::string_view::npos) return parts;
    start = dot + 1;
  }
}

// The value of one digit in `base`, or -1.
int digitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// One part of a dotted quad read as C reads a number literal: 0x.. hexadecimal, 0.. octal, else
// decimal. Nothing when it is no such number or does not fit 32 bits.
std::optional<std::uint32_t> quadPart(std::string_view part) {
  if (part.empty() || !isDigit(part.front())) return std::nullopt;
  int base = 10;
  if (part.size() > 1 && part[0] == '0' && (part[1] == 'x' || part[1] == 'X')) {
    base = 16;
    part.remove_prefix(2);
    if (part.empty()) return std::nullopt;
  } else if (part[0] == '0') {
    base = 8;
  }
  std::uint64_t value = 0;
  for (const char c : part) {
    const int digit = digitValue(c, base);
    if (digit < 0) return std::nullopt;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (value > 0xffffffffU) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

// The all-ones value stands for text that does not parse, as it always has for network numbers.
std::uint32_t parsedAddress(std::string_view text) {
  return parseDottedQuad(text).value_or(0xffffffffU);
}

constexpr long long kLargestWholePart = 1'000'000'000'000'000LL;

}  // namespace

std::string dottedQuad(std::uint32_t value) {
  return std::to_string(value >> 24) + "." + std::to_string((value >> 16) & 0xff) + "." +
         std::to_string((value >> 8) & 0xff) + "." + std::to_string(value & 0xff);
}

std::uint32_t prefixMask(int prefixLength) {
  if (prefixLength <= 0) return 0;
  if (prefixLength >= 32) return 0xffffffffU;
  return ~((std::uint32_t{1} << (32 - prefixLength)) - 1);
}

std::optional<std::uint32_t> parseDottedQuad(std::string_view text) {
  const std::vector<std::string_view> parts = splitAtDots(text);
  if (parts.size() > 4) return std::nullopt;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::optional<std::uint32_t> part = quadPart(parts[i]);
    if (!part) return std::nullopt;
    const bool last = i + 1 == parts.size();
    // Leading parts are one byte each; the last fills the bytes that remain ("10.1" is 10.0.0.1).
    const int shift = last ? 0 : 24 - 8 * static_cast<int>(i);
    const int lastBits = 32 - 8 * static_cast<int>(i);
    if (!last && *part > 0xff) return std::nullopt;
    if (last && lastBits < 32 && *part >= (std::uint32_t{1} << lastBits)) return std::nullopt;
    value |= *part << shift;
  }
  return value;
}

std::optional<long long> numericValue(std::string_view word) {
  std::size_t i = 0;
  const bool negative = !word.empty() && word[0] == '-';
  if (!word.empty() && (word[0] == '-' || word[0] == '+')) ++i;
  long long whole = 0;
  int digits = 0;
  for (; i < word.size() && isDigit(word[i]); ++i, ++digits) {
    if (whole > kLargestWholePart) return std::nullopt;
    whole = whole * 10 + (word[i] - '0');
  }
  bool roundsUp = false;
  if (i < word.size() && word[i] == '.') {
    ++i;
    roundsUp = i < word.size() && isDigit(word[i]) && word[i] >= '5';
    for (; i < word.size() && isDigit(word[i]); ++i) ++digits;
  }
  if (digits == 0 || i != word.size()) return std::nullopt;
  const long long magnitude = whole + (roundsUp ? 1 : 0);
  return negative ? -magnitude : magnitude;
}

std::optional<int> boundedNumber(std::string_view word, std::size_t maxLength, long long low,
                                 long long high) {
  if (word.size() > maxLength) return std::nullopt;
  const auto value = numericValue(word);
  if (!value || *value < low || *value > high) return std::nullopt;
  // Bounds wider than the fields that store the value must not wrap it.
  if (*value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(*value);
}

std::optional<int> numberInRange(std::string_view word, long long low, long long high) {
  constexpr std::size_t kLongestNumberWord = 9;  // shorter than ten characters
  return boundedNumber(word, kLongestNumberWord, low, high);
}

bool isNumberInRange(std::string_view word, long long low, long long high) {
  return numberInRange(word, low, high).has_value();
}

bool isValidIpAddress(std::string_view text) {
  // An address typed with a tab or other control character in it would be stored as typed and
  // shown back broken, so it is refused here.
  if (std::any_of(text.begin(), text.end(), isBlankOrControl)) return false;
  if (!parseDottedQuad(text) || std::count(text.begin(), text.end(), '.') != 3) return false;
  const auto parts = splitAtDots(text);
  return std::all_of(parts.begin(), parts.end(),
                     [](std::string_view part) { return part.size() <= 3; });
}

bool isValidSubnetMask(std::string_view text) {
  if (!isValidIpAddress(text)) return false;
  const std::uint32_t mask = parsedAddress(text);
  // One to 31 ones from the left, then only zeros: the zeros below them form a run 0..01..1.
  const std::uint32_t hostBits = ~mask;
  return mask != 0 && hostBits != 0 && (hostBits & (hostBits + 1)) == 0;
}

bool isValidRouteMask(std::string_view text) {
  if (!isValidIpAddress(text)) return false;
  const std::uint32_t hostBits = ~parsedAddress(text);
  return (hostBits & (hostBits + 1)) == 0;
}

int countOneBits(std::string_view text) {
  const std::optional<std::uint32_t> value = parseDottedQuad(text);
  return value ? std::popcount(*value) : 0;
}

bool matchesWildcard(std::string_view address, std::string_view reference,
                     std::string_view wildcard) {
  const auto addressValue = parseDottedQuad(address);
  const auto referenceValue = parseDottedQuad(reference);
  const auto wildcardValue = parseDottedQuad(wildcard);
  if (!addressValue || !referenceValue || !wildcardValue) return false;
  return ((*addressValue ^ *referenceValue) & ~*wildcardValue) == 0;
}

std::string networkAddress(std::string_view address, std::string_view mask) {
  return dottedQuad(parsedAddress(address) & parsedAddress(mask));
}

std::string classfulNetwork(std::string_view address) {
  const auto parts = splitAtDots(address);
  const std::optional<std::uint32_t> value = parseDottedQuad(address);
  if (parts.size() != 4 || !value) return std::string(address);
  const std::uint32_t firstOctet = *value >> 24;
  const std::string first(parts[0]);
  if (firstOctet >= 224) return std::string(address);  // multicast and reserved: no class
  if (firstOctet >= 192) {
    return first + "." + std::string(parts[1]) + "." + std::string(parts[2]) + ".0";
  }
  if (firstOctet >= 128) return first + "." + std::string(parts[1]) + ".0.0";
  return first + ".0.0.0";
}

std::optional<InterfaceOverlap> checkInterfaceOverlap(const RouterConfig& config,
                                                      std::string_view address,
                                                      std::string_view mask,
                                                      InterfaceNumber interfaceIndex) {
  const std::string network = networkAddress(address, mask);
  std::optional<InterfaceOverlap> found;
  for (InterfaceNumber index : {kSerial0, kSerial1, kEthernet0}) {
    const InterfaceConfig& other = config.interface(index);
    if (index == interfaceIndex || other.ipAddress.empty()) continue;
    // A later interface replaces an earlier one, so the message names the last that overlaps.
    if (networkAddress(other.ipAddress, other.subnetMask) == network) {
      found = InterfaceOverlap{network, index};
    }
  }
  return found;
}

std::string overlapMessage(const InterfaceOverlap& overlap) {
  static constexpr std::array<std::string_view, 3> kOverlapTexts = {
      " overlaps with Serial 0", " overlaps with Serial 1", " overlaps with Ethernet0"};
  return overlap.network + std::string(kOverlapTexts[overlap.interface]);
}

}  // namespace kovrel
