// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ip_arithmetic.h"

#include <gtest/gtest.h>

namespace kovrel {
namespace {

TEST(IpArithmetic, AddressesAndMasks) {
  const std::vector<std::pair<std::string, bool>> addresses = {
      {"1.2.3.4", true},     {"255.255.255.255", true}, {"010.1.1.1", true}, {"0x1.2.3.4", true},
      {"1.2.3", false},      {"256.1.1.1", false},      {"1..2.3", false},   {"1.2.3.4.5", false},
      {"0001.2.3.4", false}, {"0x10.1.1.1", false},     {"1.2.3.08", false}, {"", false},
      {"1.2.3.4\t", false},  // the parser would let trailing white space through
  };
  for (const auto& [text, valid] : addresses) EXPECT_EQ(isValidIpAddress(text), valid) << text;
  const std::vector<std::pair<std::string, bool>> masks = {
      {"255.255.255.0", true},    {"255.255.255.252", true}, {"128.0.0.0", true},
      {"255.255.255.254", true},  {"255.0.255.0", false},    {"0.0.0.0", false},
      {"255.255.255.255", false}, {"0.255.255.255", false},  {"254.255.0.0", false},
  };
  for (const auto& [text, mask] : masks) EXPECT_EQ(isValidSubnetMask(text), mask) << text;
}

// One to four parts, each a C number literal; the last fills the bytes that remain.
TEST(IpArithmetic, DottedQuadForms) {
  const std::vector<std::pair<std::string, std::optional<std::uint32_t>>> cases = {
      {"1.2.3.4", 0x01020304},     {"10.1", 0x0a000001},         {"1.2.3", 0x01020003},
      {"4294967295", 0xffffffff},  {"0x7f.1", 0x7f000001},       {"017.0.0.0XfF", 0x0f0000ff},
      {"1.16777215", 0x01ffffff},  {"4294967296", std::nullopt}, {"1.16777216", std::nullopt},
      {"1.2.65536", std::nullopt}, {"1.256.1", std::nullopt},    {"0x", std::nullopt},
      {"08", std::nullopt},        {"1.2.3.", std::nullopt},     {".1", std::nullopt},
      {"1.2.3.4.5", std::nullopt}, {"+1", std::nullopt},         {" 1", std::nullopt},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(parseDottedQuad(text), value) << text;
}

TEST(IpArithmetic, NumbersInRange) {
  const std::vector<std::tuple<std::string, long long, long long, bool>> cases = {
      {"99", 1, 99, true},
      {"100", 1, 99, false},
      {"0", 1, 99, false},
      {"abc", 1, 99, false},
      {"1.4", 1, 99, true},
      {"0.6", 1, 99, true},
      {"0.4", 1, 99, false},
      {"-5", -10, 0, true},
      {"", 1, 99, false},
      {"1e3", 1, 5000, false},
      {"123456789", 1, 999999999, true},
      {"1234567890", 0, 99999999999, false},  // ten characters, whatever the bounds
  };
  for (const auto& [word, low, high, inRange] : cases) {
    EXPECT_EQ(isNumberInRange(word, low, high), inRange) << word;
  }
  EXPECT_EQ(boundedNumber("0030", 3, 5, 900), std::nullopt);
  EXPECT_EQ(boundedNumber("3000000000", 10, 0, 4000000000), std::nullopt);  // no int for it
  EXPECT_EQ(numericValue("99999999999999999999999"), std::nullopt);
}

TEST(IpArithmetic, Bits) {
  EXPECT_EQ(countOneBits("255.255.255.252"), 30);
  // Octal and hexadecimal parts mean what the address parser makes of them.
  EXPECT_EQ(countOneBits("010.0.0.0x1"), 2);
  EXPECT_TRUE(matchesWildcard("010.0.0.1", "8.0.0.0", "0.0.0.255"));
  EXPECT_TRUE(matchesWildcard("10.1.1.7", "10.1.1.0", "0.0.0.255"));
  EXPECT_FALSE(matchesWildcard("10.1.1.7", "10.1.2.0", "0.0.0.255"));
  EXPECT_FALSE(matchesWildcard("10.1.1.7", "10.1.1.0", "0.0.0.3"));
  EXPECT_TRUE(matchesWildcard("192.168.9.9", "10.0.0.0", "255.255.255.255"));
}

TEST(IpArithmetic, Networks) {
  EXPECT_EQ(networkAddress("10.1.2.3", "255.255.0.0"), "10.1.0.0");
  EXPECT_EQ(networkAddress("10.1.1.130", "255.255.255.128"), "10.1.1.128");
  EXPECT_EQ(networkAddress("010.1.1.1", "255.0.0.0"), "8.0.0.0");
  const std::vector<std::pair<std::string, std::string>> classful = {
      {"192.34.5.6", "192.34.5.0"}, {"172.16.9.1", "172.16.0.0"},   {"10.1.2.3", "10.0.0.0"},
      {"230.1.2.3", "230.1.2.3"},   {"127.0.0.1", "127.0.0.0"},     {"128.1.1.1", "128.1.0.0"},
      {"224.0.0.1", "224.0.0.1"},   {"223.255.1.1", "223.255.1.0"}, {"010.1.2.3", "010.0.0.0"},
  };
  for (const auto& [address, network] : classful) EXPECT_EQ(classfulNetwork(address), network);
}

void address(InterfaceConfig& interface, std::string ip, std::string mask) {
  interface.ipAddress = std::move(ip);
  interface.subnetMask = std::move(mask);
}

TEST(IpArithmetic, OverlapNamesTheLastInterfaceOnTheNetwork) {
  const std::string mask = "255.255.255.0";
  RouterConfig config;
  address(config.serial0, "10.1.1.1", mask);
  const auto message = [&](std::string_view ip, InterfaceNumber configured) {
    const auto overlap = checkInterfaceOverlap(config, ip, mask, configured);
    return overlap ? overlapMessage(*overlap) : "none";
  };
  EXPECT_EQ(message("10.1.1.2", kEthernet0), "10.1.1.0 overlaps with Serial 0");
  EXPECT_EQ(message("10.1.1.2", kSerial0), "none");
  EXPECT_EQ(message("10.1.2.2", kEthernet0), "none");
  address(config.ethernet0, "10.1.1.3", mask);
  EXPECT_EQ(message("10.1.1.9", kSerial1), "10.1.1.0 overlaps with Ethernet0");
  config.ethernet0.ipAddress.clear();  // an interface without address is on no network
  address(config.serial1, "10.1.1.4", mask);
  EXPECT_EQ(message("10.1.1.9", kEthernet0), "10.1.1.0 overlaps with Serial 1");
}

}  // namespace
}  // namespace kovrel
