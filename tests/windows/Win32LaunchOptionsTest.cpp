// The window's command line: --replay takes the log to replay, and a --replay without
// one is a mistake told with the usage rather than a replay of nothing.
#include "Win32Api.h"

#include "Win32LaunchOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Win32LaunchOptions, ReplayTakesTheLogAndGoesWithTheOtherOptions) {
    const TWin32LaunchOptions options =
        ParseLaunchOptions({L"--replay", L"C:\\logs\\voyage.log", L"--page", L"gps-status",
                            L"--screenshot", L"a.png"});
    EXPECT_EQ(options.Message, "");
    EXPECT_EQ(options.Replay, L"C:\\logs\\voyage.log");
    EXPECT_EQ(options.Page, pgGpsStatus);
    EXPECT_EQ(options.Screenshot, L"a.png");
    EXPECT_FALSE(options.Connect);
}

TEST(Win32LaunchOptions, ReplayWithoutALogIsAMistake) {
    const TWin32LaunchOptions options = ParseLaunchOptions({L"--page", L"data-log", L"--replay"});
    EXPECT_EQ(options.Message.rfind("--replay needs a value\n", 0), 0u) << options.Message;
    EXPECT_FALSE(options.Help);
    EXPECT_EQ(options.Replay, L"");
}

} // namespace
