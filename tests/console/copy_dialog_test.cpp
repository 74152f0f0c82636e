#include "console/copy_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/saved_config.h"
#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

enum class Effect { none, saved, loaded };

// Lines typed in privileged mode at "lab#"; the last one's echo and reply end the output.
struct CopyCase {
  std::vector<const char*> lines;
  std::string replyEnd;
  Effect effect = Effect::none;
};

const std::string kIncomplete = "\n% Incomplete command.\n ";
const std::string kInvalid = "\n \n% Invalid input detected at '^' marker.";
const std::string kBuilt = "\nBuilding configuration...\n[OK]";
const std::string kNoHost = "\n?Host name or address not specified";
const std::string kBadHost = "\n  \n?Invalid host address or name";

const CopyCase kCopyCases[] = {
    {{"copy"}, "copy" + kIncomplete},
    {{"copy run"}, "copy run" + kIncomplete},
    {{"copy tftp"}, "copy tftp" + kIncomplete},
    {{"copy startup-config"}, "copy startup-config" + kIncomplete},
    {{"copy flash run"}, kInvalid},
    {{"copy run run"}, kInvalid},
    {{"copy run start now"}, kInvalid},
    {{"copy tftp start"}, kInvalid},
    {{"disable", "copy run start"}, "copy run start" + kInvalid},  // only in privileged mode
    {{"copy run start", ""}, "[startup-config]?" + kBuilt, Effect::saved},
    {{"copy running-config start", "startup-config"}, "?startup-config" + kBuilt, Effect::saved},
    {{"copy run startup-config", "START"}, "?START" + kBuilt, Effect::saved},
    {{"COPY  running-config   startup-config", "  start  "}, "?  start  " + kBuilt, Effect::saved},
    {{"copy start run", "run"}, "[running-config]?run" + kBuilt, Effect::loaded},
    {{"copy run start", "flash"}, "flash\n%Error opening nvram:flash (No such file or directory)"},
    {{"copy startup-config running-config", "my config"},
     "\n%Error opening nvram:my config (No such file or directory)"},
    {{"copy tftp run", ""}, "[]?" + kNoHost},
    {{"copy tftp run", "   "}, kNoHost},
    {{"copy tftp run", "server"}, kBadHost},
    {{"copy tftp run", "1.2.3"}, kBadHost},
    {{"copy tftp run", "256.1.1.1"}, kBadHost},
    {{"copy tftp running-config", "192.160.5.5", "Startup-Config", ""},
     "\nDestination filename [running-config]?\nAccessing tftp://192.160.5.5/startup-config...\n!!"
     "\n532 bytes copied in 5.421 secs (106 bytes/sec) "},
    // The server holds only its one file, and only for the running configuration.
    {{"copy tftp run", "192.160.5.5", "other-config", ""},
     "\nAccessing tftp://192.160.5.5/other-config...\n%Error opening "
     "tftp://192.160.5.5/other-config"},
    {{"copy tftp run", "192.160.5.5", "startup-config", "flash"},
     "?flash\nAccessing tftp://192.160.5.5/startup-config...\n"
     "%Error opening tftp://192.160.5.5/startup-config"},
    // An empty source file is taken as it is; an unreachable server fails at the transfer.
    {{"copy tftp run", "192.160.9.9", "", "x"},
     "\nAccessing tftp://192.160.9.9/...\n%Error opening tftp://192.160.9.9/"},
};

class CopyDialog : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyDialog, AnswersEndTheDialogWithItsOneEffect) {
  SimulatorFixture console;
  console.startSession(CliMode::priv);
  RouterConfig& running = console.running();
  running.hostname = "lab";
  running.httpServer = true;
  running.ethernet0.ipAddress = "192.160.5.1";
  running.ethernet0.subnetMask = "255.255.255.0";
  running.ethernet0.shutdown = false;
  console.sim.state.training.addresses.lanHost1 = "192.160.5.5";
  console.sim.state.training.addresses.lanNetwork = "192.160.5.0";
  console.sim.state.saved.hostname = "branch";
  const SimulatorState before = console.sim.state;
  console.newOutput();
  console.platform.pauses.clear();
  for (const char* line : GetParam().lines) console.enter(line);
  EXPECT_TRUE(console.newOutput().ends_with(GetParam().replyEnd));
  EXPECT_EQ(console.sim.interactionPending(), Interaction::none);
  EXPECT_EQ(console.input(), console.prompt());
  const Effect effect = GetParam().effect;
  EXPECT_EQ(console.platform.pauses,
            effect == Effect::none ? std::vector<int>{} : std::vector{1000});
  const RouterConfig savedExpected =
      effect == Effect::saved ? withoutInterfaceAddresses(running) : before.saved;
  EXPECT_EQ(console.sim.state.saved, savedExpected);
  if (effect == Effect::none) {
    EXPECT_EQ(running, before.current.config);
  }
  if (effect == Effect::loaded) {
    EXPECT_FALSE(running.httpServer);
    EXPECT_EQ(running.ethernet0.ipAddress, "192.160.5.1");  // addresses are never saved
    EXPECT_EQ(console.prompt(), "branch#");
  }
  // Every answer goes into the history, as every typed line does.
  std::string lastTyped = "enable";
  for (const char* line : GetParam().lines) lastTyped = *line ? line : lastTyped;
  EXPECT_EQ(console.sim.router().history.back(), lastTyped);
}

INSTANTIATE_TEST_SUITE_P(Copy, CopyDialog, ::testing::ValuesIn(kCopyCases));

}  // namespace
}  // namespace kovrel
