// The network module console: configuration mode, the AT command queue on the 100 ms
// timer, the page rules and Compare IP, against a recording host.
#include "network/NetworkConsole.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct ConsoleFixture {
    bool portOpen = true;
    bool sendWorks = true;
    int tick = 0;
    std::vector<std::pair<int, std::string>> writes; // (tick, bytes)
    std::vector<std::string> txLines;
    std::vector<TIpv4> localAddresses;
    TNetworkConsole console{{
        [this](const std::string& bytes) {
            writes.emplace_back(tick, bytes);
            return sendWorks;
        },
        [this] { return portOpen; },
        [this](const std::string& line) { txLines.push_back(line); },
        [this] { return localAddresses; },
    }};

    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            ++tick;
            console.TimerTick();
        }
    }
    // Opens the NETWORK page from the BAUD RATE page.
    void EnterNetworkPage(bool rs232 = false) {
        console.PageChanged(pgConfiguration, pgBaudRate, rs232);
        console.PageChanged(pgConfiguration, pgNetwork, rs232);
    }
};

using Writes = std::vector<std::pair<int, std::string>>;

TEST(NetworkConsole, EnteringThePageOverUsbRunsTheCommandsUntilTheTimeOut) {
    ConsoleFixture f;
    f.EnterNetworkPage();
    EXPECT_TRUE(f.console.ConfigMode());
    f.Ticks(30);
    const Writes expected = {
        {0, "$PDBG,163,1,,,,,,*14\r\n"}, {1, "AT+VER\n"}, {7, "AT+VER\n"}, {13, "AT+SYSIP\n"},
        {16, "$PDBG,163,0,,,,,,*15\n"},
    };
    EXPECT_EQ(f.writes, expected);
    EXPECT_FALSE(f.console.ConfigMode());
    EXPECT_EQ(f.console.QueuedCommands(), 0);
    EXPECT_EQ(f.txLines,
              (std::vector<std::string>{"$PDBG,163,1,,,,,,*14", "$PDBG,163,0,,,,,,*15"}));
    EXPECT_FALSE(f.console.LinkEnabled());
}

TEST(NetworkConsole, OverRs232ConfigurationModeEndsAtOnce) {
    ConsoleFixture f;
    f.EnterNetworkPage(/*rs232=*/true);
    f.Ticks(20);
    const Writes expected = {{0, "$PDBG,163,1,,,,,,*14\r\n"}, {0, "$PDBG,163,0,,,,,,*15\n"}};
    EXPECT_EQ(f.writes, expected);
}

TEST(NetworkConsole, PageChangesThatEnterAndLeave) {
    struct Case {
        const char* what;
        std::pair<TMainPage, TConfPage> before, now;
        bool configModeAfter;
    };
    const Case cases[] = {
        {"from another configuration page",
         {pgConfiguration, pgRestore},
         {pgConfiguration, pgNetwork},
         true},
        {"back from Diagnostics", {pgDiagnostics, pgNetwork}, {pgConfiguration, pgNetwork}, true},
        {"Diagnostics over another page",
         {pgDiagnostics, pgRestore},
         {pgConfiguration, pgRestore},
         false},
    };
    for (const Case& c : cases) {
        ConsoleFixture f;
        f.console.PageChanged(c.before.first, c.before.second, false);
        f.console.PageChanged(c.now.first, c.now.second, false);
        EXPECT_EQ(f.console.ConfigMode(), c.configModeAfter) << c.what;
    }

    const std::pair<TMainPage, TConfPage> leaving[] = {{pgConfiguration, pgInternalGps},
                                                       {pgDiagnostics, pgNetwork}};
    for (auto [mainPage, confPage] : leaving) {
        ConsoleFixture f;
        f.EnterNetworkPage();
        f.console.PageChanged(mainPage, confPage, false);
        EXPECT_FALSE(f.console.ConfigMode()) << mainPage << "/" << confPage;
        EXPECT_EQ(f.writes.back().second, kConfigOffSentence);
    }
}

TEST(NetworkConsole, FirstPageChangeOnlyRemembersThePages) {
    ConsoleFixture f;
    f.console.PageChanged(pgConfiguration, pgNetwork, false);
    EXPECT_FALSE(f.console.ConfigMode());
    EXPECT_TRUE(f.writes.empty());
}

TEST(NetworkConsole, ConfigOnAndOffWriteOnlyWhenTheyChangeTheMode) {
    ConsoleFixture f;
    f.console.ExitConfigMode();
    EXPECT_TRUE(f.writes.empty());
    f.console.EnterConfigMode();
    f.console.EnterConfigMode();
    EXPECT_EQ(f.writes.size(), 1u);
    f.console.ExitConfigMode();
    f.console.ExitConfigMode();
    EXPECT_EQ(f.writes.size(), 2u);
}

TEST(NetworkConsole, WhileDisconnectedTheModeEndsAtTheFirstTickAfterConnecting) {
    ConsoleFixture f;
    f.portOpen = false;
    f.console.EnterConfigMode();
    f.Ticks(40);
    EXPECT_TRUE(f.console.ConfigMode());
    f.console.ExitConfigModeIfActive();
    EXPECT_TRUE(f.console.ConfigMode()) << "disconnecting does not reach a closed port";
    f.portOpen = true;
    f.Ticks(1);
    EXPECT_FALSE(f.console.ConfigMode());
    EXPECT_EQ(f.writes.back(), (std::pair<int, std::string>{41, kConfigOffSentence}));
}

TEST(NetworkConsole, NineteenCommandsFillTheQueueTheTwentiethIsDropped) {
    ConsoleFixture f;
    for (int i = 0; i < 19; ++i)
        f.console.QueueAtCommand(acDeviceName);
    EXPECT_EQ(f.console.QueuedCommands(), 19);
    f.console.QueueAtCommand(acVersion);
    EXPECT_EQ(f.console.QueuedCommands(), 19);
    f.Ticks(19 * 12);
    for (const auto& write : f.writes)
        EXPECT_EQ(write.second, "AT+DEVNAME\n");
    EXPECT_EQ(f.writes.size(), 38u) << "each sent twice, the dropped one never";
}

TEST(NetworkConsole, ConfigOffDiscardsTheCommandInProgress) {
    ConsoleFixture f;
    f.console.EnterConfigMode();
    f.console.QueueVersionAndAddress();
    f.Ticks(2);
    EXPECT_EQ(f.console.CurrentAtCommand().Command, acVersion);
    f.console.ExitConfigMode();
    EXPECT_EQ(f.console.CurrentAtCommand().Command, acNone);
    size_t written = f.writes.size();
    f.Ticks(20);
    EXPECT_EQ(f.writes.size(), written);
}

TEST(NetworkConsole, FreeTextGoesOutWithLineFeed) {
    ConsoleFixture f;
    EXPECT_TRUE(f.console.SendText("AT+VER"));
    EXPECT_EQ(f.writes.back().second, "AT+VER\n");
    EXPECT_EQ(f.txLines.back(), "AT+VER");
    f.sendWorks = false;
    EXPECT_FALSE(f.console.SendText("x"));
}

TEST(NetworkConsole, CompareIpWithTheModulesAddress) {
    ConsoleFixture f;
    f.localAddresses = {{192, 168, 1, 20}, {10, 0, 0, 7}};
    TCompareIpResult result = f.console.CompareIp();
    EXPECT_FALSE(result.SameSubnet) << "the module's address is still 0.0.0.0";
    EXPECT_EQ(result.WebAddress, "http://0.0.0.0");
    EXPECT_EQ(f.txLines, (std::vector<std::string>{"192.168.1.20", "10.0.0.7"}));

    f.localAddresses.clear();
    EXPECT_FALSE(f.console.CompareIp().SameSubnet);
}

TEST(Ipv4, SameSubnetComparesTheFirstThreeBytes) {
    struct Case {
        TIpv4 local, device;
        bool same;
    };
    const Case cases[] = {
        {{192, 168, 1, 20}, {192, 168, 1, 254}, true},
        {{192, 168, 2, 20}, {192, 168, 1, 20}, false},
        {{10, 1, 2, 3}, {11, 1, 2, 3}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SameSubnet({{172, 16, 0, 1}, c.local}, c.device), c.same)
            << DottedText(c.local) << " " << DottedText(c.device);
    EXPECT_EQ(WebAddress({192, 168, 1, 254}), "http://192.168.1.254");
}

} // namespace
