// libFuzzer entry: arbitrary bytes as what the receiver answers while its device report
// is read, cut into lines by the receive path's rules and read as the session reads them
// (a line of at most 82 characters, given its CR LF). The fields must stay inside their
// records and say what the line set.
#include "Promise.h"

#include "session/DeviceReportLine.h"
#include "session/LineSplitter.h"

#include <cstring>
#include <string_view>

namespace {

template <size_t N> bool Ended(const char (&field)[N]) {
    return std::memchr(field, '\0', N) != nullptr;
}

void ReadLine(std::string_view line, bool overLong, TDeviceInfo& info) {
    if (overLong)
        return;
    char text[LineSplitter::kMaxLineLength + 3];
    std::memcpy(text, line.data(), line.size());
    std::memcpy(text + line.size(), "\r\n", 3);
    TDeviceInfo before = info;
    unsigned items = ReadReportLine(text, info);
    Require(Ended(info.SerialNo) && Ended(info.Firmware));
    Require((items & riFirmware) == 0 || (info.FirmwareValid && std::strstr(text, "Firmware:")));
    Require((items & riSerialNo) == 0 || (info.SerialNoValid && std::strstr(text, "[SerialNo]=")));
    Require((items & riRs232Baud) == 0 || info.Rs232Baud >= 0);
    Require((items & riNmeaBaud) == 0 || info.NmeaBaud >= 0);
    // A line without a key changes nothing.
    if (items == 0 || items == riRestartAnnounced)
        Require(std::memcmp(&before, &info, sizeof info) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TDeviceInfo info;
    std::memset(&info, 0, sizeof info);
    auto readLine = [&](std::string_view line, bool overLong) { ReadLine(line, overLong, info); };
    LineSplitter lines;
    lines.Feed({reinterpret_cast<const char*>(data), size}, readLine);
    lines.Finish(readLine);
    return 0;
}
