#include "console/copy_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/saved_config.h"
#include "support/fake_platform.h"

namespace kovrel {
namespace {

using testing::SimulatorFixture;

class CopyDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    console.startSession(CliMode::priv);
    console.platform.pauses.clear();
  }

  // Enters `line` and returns what followed its echo.
  std::string answer(std::string_view line) {
    const std::string echo = "\n" + console.input() + std::string(line);
    console.enter(line);
    const std::string output = console.newOutput();
    EXPECT_EQ(output.substr(0, echo.size()), echo);
    return output.substr(std::min(echo.size(), output.size()));
  }

  void expectClosed() {
    EXPECT_EQ(console.sim.interactionPending(), Interaction::none);
    EXPECT_EQ(console.mode(), CliMode::priv);
    EXPECT_EQ(console.prompt(), "Router#");
    EXPECT_EQ(console.input(), "Router#");
  }

  SimulatorFixture console;
};

TEST_F(CopyDialogTest, CopyCommandRefusals) {
  const char* incomplete = "\n% Incomplete command.\n ";
  const char* invalid = "\n \n% Invalid input detected at '^' marker.";
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"copy", incomplete},
      {"copy run", incomplete},
      {"copy tftp", incomplete},
      {"copy startup-config", incomplete},
      {"copy flash run", invalid},
      {"copy run run", invalid},
      {"copy run start now", invalid},
      {"copy tftp start", invalid},
  };
  for (const auto& [line, expected] : cases) {
    EXPECT_EQ(answer(line), expected) << line;
    EXPECT_EQ(console.sim.interactionPending(), Interaction::none);
  }
  console.enter("disable");
  console.newOutput();
  EXPECT_EQ(answer("copy run start"), invalid);  // only in privileged mode
}

TEST_F(CopyDialogTest, EveryFormOfSaveSavesOnReturnOrItsOwnName) {
  for (const auto& [line, reply] : std::vector<std::pair<const char*, const char*>>{
           {"copy run start", ""},
           {"copy running-config start", "startup-config"},
           {"copy run startup-config", "START"},
           {"COPY  running-config   startup-config", "  start  "}}) {
    SimulatorFixture fresh;
    fresh.startSession(CliMode::priv);
    fresh.running().hostname = "lab";
    fresh.running().serial0.ipAddress = "10.1.1.1";
    fresh.enter(line);
    EXPECT_EQ(fresh.input(), "Destination filename [startup-config]?") << line;
    EXPECT_EQ(fresh.sim.router().savedPrompt, "Router#");
    EXPECT_EQ(fresh.sim.router().copyDialogState, "run_start");
    fresh.newOutput();
    fresh.platform.pauses.clear();
    fresh.enter(reply);
    EXPECT_EQ(fresh.newOutput(), "\nDestination filename [startup-config]?" + std::string(reply) +
                                     "\nBuilding configuration...\n[OK]")
        << reply;
    EXPECT_EQ(fresh.platform.pauses, std::vector<int>{1000});
    EXPECT_EQ(fresh.sim.state.saved, withoutInterfaceAddresses(fresh.running()));
    EXPECT_EQ(fresh.input(), "lab#");
    EXPECT_EQ(fresh.sim.interactionPending(), Interaction::none);
  }
}

TEST_F(CopyDialogTest, LoadReplacesTheRunningConfiguration) {
  console.running().serial0.ipAddress = "10.1.1.1";
  console.running().httpServer = true;
  console.sim.state.saved.hostname = "branch";
  console.enter("copy start run");
  EXPECT_EQ(console.input(), "Destination filename [running-config]?");
  EXPECT_EQ(console.sim.router().copyDialogState, "start_run");
  console.newOutput();
  EXPECT_EQ(answer("run"), "\nBuilding configuration...\n[OK]");
  EXPECT_EQ(console.platform.pauses, std::vector<int>{1000});
  EXPECT_FALSE(console.running().httpServer);
  EXPECT_EQ(console.running().serial0.ipAddress, "10.1.1.1");
  // The prompt follows the host name the saved configuration brought.
  EXPECT_EQ(console.prompt(), "branch#");
  EXPECT_EQ(console.input(), "branch#");
  EXPECT_EQ(console.sim.interactionPending(), Interaction::none);
}

TEST_F(CopyDialogTest, RefusedAnswersCloseTheDialogAndChangeNothing) {
  const std::string noHost = "\n?Host name or address not specified";
  const std::string badHost = "\n  \n?Invalid host address or name";
  const std::vector<std::tuple<const char*, const char*, std::string>> cases = {
      {"copy run start", "flash", "\n%Error opening nvram:flash (No such file or directory)"},
      {"copy startup-config running-config", "my config",
       "\n%Error opening nvram:my config (No such file or directory)"},
      {"copy tftp run", "", noHost},
      {"copy tftp run", "   ", noHost},
      {"copy tftp run", "server", badHost},
      {"copy tftp run", "1.2.3", badHost},
      {"copy tftp run", "256.1.1.1", badHost},
  };
  console.running().httpServer = true;
  const RouterConfig before = console.running();
  for (const auto& [command, reply, expected] : cases) {
    console.enter(command);
    console.newOutput();
    EXPECT_EQ(answer(reply), expected) << command << " / " << reply;
    EXPECT_EQ(console.sim.state.saved, RouterConfig{});
    EXPECT_EQ(console.running(), before);
    EXPECT_TRUE(console.platform.pauses.empty());
    expectClosed();
  }
}

TEST_F(CopyDialogTest, TftpDialogRecordsTheRequest) {
  console.enter("copy tftp running-config");
  EXPECT_EQ(console.input(), "Address or name of remote host []?");
  console.newOutput();
  EXPECT_EQ(answer("192.160.5.5"), "");
  EXPECT_EQ(console.input(), "Source filename []?");
  EXPECT_EQ(console.prompt(), "Source filename []?");
  EXPECT_EQ(answer("Startup-Config"), "");
  EXPECT_EQ(console.input(), "Destination filename [running-config]?");
  EXPECT_EQ(console.sim.router().copyDialogState, "tftp_run_filename_run");
  // The lab's LAN is not configured, so the server cannot be reached.
  EXPECT_EQ(answer(""),
            "\nAccessing tftp://192.160.5.5/startup-config...\n"
            "%Error opening tftp://192.160.5.5/startup-config");
  const TftpRequest& request = console.sim.state.tftpRequest;
  EXPECT_EQ(request.host, "192.160.5.5");
  EXPECT_EQ(request.sourceFile, "startup-config");
  EXPECT_EQ(request.destinationFile, "running-config");
  expectClosed();

  // An empty source file is taken as it is; the destination is only checked at the server.
  for (const char* line : {"copy tftp run", "10.1.1.1", ""}) console.enter(line);
  console.newOutput();
  EXPECT_EQ(answer("somewhere"),
            "\nAccessing tftp://10.1.1.1/...\n%Error opening tftp://10.1.1.1/");
  EXPECT_EQ(console.sim.state.tftpRequest.destinationFile, "somewhere");
  expectClosed();
}

TEST_F(CopyDialogTest, TftpTransferFromAReachableServer) {
  AddressSet& lab = console.sim.state.training.addresses;
  lab.lanHost1 = "192.160.5.5";
  lab.lanNetwork = "192.160.5.0";
  InterfaceConfig& ethernet = console.running().ethernet0;
  ethernet.ipAddress = "192.160.5.1";
  ethernet.subnetMask = "255.255.255.0";
  ethernet.shutdown = false;
  const RouterConfig before = console.running();
  for (const char* line : {"copy tftp run", "192.160.5.5", "startup-config"}) console.enter(line);
  console.newOutput();
  EXPECT_EQ(answer("running-config"),
            "\nAccessing tftp://192.160.5.5/startup-config...\n!!\n"
            "532 bytes copied in 5.421 secs (106 bytes/sec) ");
  EXPECT_EQ(console.running(), before);
  expectClosed();

  // The server holds only its one file, and only for the running configuration.
  for (const auto& [source, destination] :
       {std::pair{"other-config", ""}, std::pair{"startup-config", "flash"}}) {
    for (const char* line : {"copy tftp run", "192.160.5.5", source}) console.enter(line);
    console.newOutput();
    EXPECT_EQ(answer(destination), "\nAccessing tftp://192.160.5.5/" + std::string(source) +
                                       "...\n%Error opening tftp://192.160.5.5/" + source);
  }
}

TEST_F(CopyDialogTest, AnswersGoIntoTheHistory) {
  for (const char* line : {"copy tftp run", "10.1.1.1", "file", ""}) console.enter(line);
  const std::vector<std::string> expected = {"enable", "copy tftp run", "10.1.1.1", "file"};
  EXPECT_EQ(console.sim.router().history, expected);
}

TEST_F(CopyDialogTest, AUnknownDialogStepClosesTheDialog) {
  console.enter("copy run start");
  console.sim.router().copyDialogState = "lost";
  console.enter("");
  expectClosed();
  EXPECT_EQ(console.sim.state.saved, RouterConfig{});
}

}  // namespace
}  // namespace kovrel
