// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/link_messages.h"

#include <gtest/gtest.h>

namespace kovrel {
namespace {

constexpr InterfaceState kShut{LinkStatus::administrativelyDown, false};
constexpr InterfaceState kNoCable{LinkStatus::down, false};
constexpr InterfaceState kNoProtocol{LinkStatus::up, false};
constexpr InterfaceState kWorking{LinkStatus::up, true};

struct Change {
  const char* name;
  InterfaceState before, after;
  std::vector<std::string> messages;  // for Serial0
};

const Change kChanges[] = {
    {"OpenedAndWorking",
     kShut,
     kWorking,
     {"%LINK-3-UPDOWN: Interface Serial0, changed state to up",
      "%LINEPROTO-5-UPDOWN: Line protocol on Interface Serial0, changed state to up"}},
    {"OpenedWithoutClock",
     kShut,
     kNoProtocol,
     {"%LINK-3-UPDOWN: Interface Serial0, changed state to up"}},
    {"ClockArrives",
     kNoProtocol,
     kWorking,
     {"%LINEPROTO-5-UPDOWN: Line protocol on Interface Serial0, changed state to up"}},
    {"ShutWhileWorking",
     kWorking,
     kShut,
     {"%LINK-5-CHANGED: Interface Serial0, changed state to administratively down",
      "%LINEPROTO-5-UPDOWN: Line protocol on Interface Serial0, changed state to down"}},
    {"OpenedWithoutCableIsQuiet", kShut, kNoCable, {}},
    {"ShutWithoutCable",
     kNoCable,
     kShut,
     {"%LINK-5-CHANGED: Interface Serial0, changed state to administratively down"}},
    {"Unchanged", kWorking, kWorking, {}},
};

class LinkMessagesTest : public ::testing::TestWithParam<Change> {};

TEST_P(LinkMessagesTest, TellOfEachChange) {
  const Change& c = GetParam();
  InterfaceStates before{c.before, kShut, kWorking};
  InterfaceStates after{c.after, kShut, kWorking};
  EXPECT_EQ(linkChangeMessages(before, after), c.messages);
}

INSTANTIATE_TEST_SUITE_P(Table, LinkMessagesTest, ::testing::ValuesIn(kChanges),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(LinkMessages, InterfacesInOrderEthernetLast) {
  const InterfaceStates before{kShut, kShut, kShut};
  const InterfaceStates after{kNoProtocol, kShut, kWorking};
  EXPECT_EQ(linkChangeMessages(before, after),
            (std::vector<std::string>{
                "%LINK-3-UPDOWN: Interface Serial0, changed state to up",
                "%LINK-3-UPDOWN: Interface Ethernet0, changed state to up",
                "%LINEPROTO-5-UPDOWN: Line protocol on Interface Ethernet0, changed state to up"}));
}

}  // namespace
}  // namespace kovrel
