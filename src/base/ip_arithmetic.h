// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/router_records.h"

namespace kovrel {

// Addresses, masks and wildcards stay dotted-quad text everywhere, as the student typed them;
// these functions read them with the one reader, `parseDottedQuad`, and work on the 32-bit
// values. None of them prints.

/// The value of a number word: digits with an optional sign and decimal part, taken to the
/// nearest integer. Nothing for any other word.
std::optional<long long> numericValue(std::string_view word);

/// The value of a number word of at most `maxLength` characters within low..high.
std::optional<int> boundedNumber(std::string_view word, std::size_t maxLength, long long low,
                                 long long high);

/// A number word shorter than 10 characters within low..high (list numbers, AS numbers).
bool isNumberInRange(std::string_view word, long long low, long long high);
/// The value of such a word, when it passes `isNumberInRange`.
std::optional<int> numberInRange(std::string_view word, long long low, long long high);

/// The value of an address written as one to four parts, each read as a C number literal
/// (0x.. hexadecimal, 0.. octal); the last part fills the bytes that remain, so "10.1" is
/// 10.0.0.1. Nothing for any other text.
std::optional<std::uint32_t> parseDottedQuad(std::string_view text);

/// A 32-bit address written as four decimal parts: 192.54.5.0.
std::string dottedQuad(std::uint32_t value);

/// The mask of a prefix length 0..32 as a number: 24 gives 0xffffff00.
std::uint32_t prefixMask(int prefixLength);

/// An address `parseDottedQuad` reads, with four parts of at most three characters each (so
/// octal and hexadecimal parts pass).
bool isValidIpAddress(std::string_view text);

/// A valid address whose bits are 1 to 31 ones followed only by zeros.
bool isValidSubnetMask(std::string_view text);
/// A mask of contiguous ones from the left, all zeros and all ones included.
bool isValidRouteMask(std::string_view text);

/// The number of one bits of an address; for a mask, its prefix length.
int countOneBits(std::string_view text);

/// Whether `address` equals `reference` at every bit where `wildcard` has a zero.
bool matchesWildcard(std::string_view address, std::string_view reference,
                     std::string_view wildcard);

/// The address and the mask combined bit by bit, written as a plain dotted quad.
std::string networkAddress(std::string_view address, std::string_view mask);

/// The natural network of a valid address by its class; the leading parts are kept as typed.
std::string classfulNetwork(std::string_view address);

/// A new address would put a second interface on a network one already has: the network and
/// the interface that has it.
struct InterfaceOverlap {
  std::string network;
  InterfaceNumber interface = kSerial0;
  bool operator==(const InterfaceOverlap&) const = default;
};

/// The overlap with the last other interface of `config` (in interface order) already on the
/// network of address/mask; nothing when there is none.
std::optional<InterfaceOverlap> checkInterfaceOverlap(const RouterConfig& config,
                                                      std::string_view address,
                                                      std::string_view mask,
                                                      InterfaceNumber interfaceIndex);

/// The router's reply: the network followed by " overlaps with Serial 0" and the like.
std::string overlapMessage(const InterfaceOverlap& overlap);

}  // namespace kovrel
