// Which failures of a COM port's event wait end the session as a lost device, and which
// ones the wait rests through and tries again.
#include "serial/win32/DeviceGoneErrors.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct WaitErrorCase {
    const char* What;
    unsigned long Error;
    bool Gone;
};

class DeviceGoneErrorsTest : public ::testing::TestWithParam<WaitErrorCase> {};

TEST_P(DeviceGoneErrorsTest, TellsALostDeviceFromAPassingFailure) {
    EXPECT_EQ(MeansDeviceGone(GetParam().Error), GetParam().Gone) << GetParam().What;
}

INSTANTIATE_TEST_SUITE_P(
    WaitErrors, DeviceGoneErrorsTest,
    ::testing::Values(
        WaitErrorCase{"unplugged USB adapter", ERROR_DEVICE_NOT_CONNECTED, true},
        WaitErrorCase{"driver stopped", ERROR_GEN_FAILURE, true},
        WaitErrorCase{"handle taken away", ERROR_ACCESS_DENIED, true},
        WaitErrorCase{"wait cancelled by the driver", ERROR_OPERATION_ABORTED, true},
        WaitErrorCase{"port closed under the wait", ERROR_INVALID_HANDLE, true},
        WaitErrorCase{"driver refuses the port", ERROR_BAD_COMMAND, true},
        // A wait started after the line hung up: without this the wait was retried every
        // 50 ms for ever and the window stayed "Connected..." with the receiver gone.
        WaitErrorCase{"line hung up before the wait", ERROR_NOT_READY, true},
        WaitErrorCase{"empty event mask", ERROR_INVALID_PARAMETER, false},
        WaitErrorCase{"call not supported", ERROR_NOT_SUPPORTED, false}));

} // namespace
