// The receive path of the main window: bytes from the serial component become lines,
// which go to the data log and, as private copies, to the three line consumers.
#include "app/Mainform.h"
#include "diagnostics/GpsStatusPage.h"
#include "log/DataLog.h"

#include <cstring>

void TForm1::CommRxChar(TThreadComm*, uint32_t Count) {
    // A driver may hold more than one buffer's worth: read until Count is drained.
    uint8_t buffer[kReceiveBufferSize];
    uint64_t remaining = Count;
    while (remaining > 0) {
        int want =
            remaining < kReceiveBufferSize ? static_cast<int>(remaining) : kReceiveBufferSize;
        int got = comm_->Read(buffer, want);
        if (got < 1)
            return;
        ReceiveBytes(buffer, got);
        remaining -= static_cast<uint64_t>(got);
    }
}

void TForm1::ReceiveBytes(const uint8_t* bytes, int count) {
    lines_.Feed({reinterpret_cast<const char*>(bytes), static_cast<size_t>(count)},
                [this](std::string_view line, bool overLong) { CompleteLine(line, overLong); });
    ShowNewLogLines();
}

void TForm1::CompleteLine(std::string_view line, bool overLong) {
    if (LoggingOn)
        dataLog_->Append(line);
    if (!overLong)
        DispatchLine(line);
}

void TForm1::DispatchLine(std::string_view line) {
    char text[kDispatchSize];
    size_t length = line.size();
    std::memcpy(text, line.data(), length);
    std::memcpy(text + length, "\r\n", 3);

    // Each consumer gets a fresh copy: it may change its copy, never the next one's.
    char copy[kDispatchSize];
    std::memcpy(copy, text, length + 3);
    HandleGpsLine(copy);
    std::memcpy(copy, text, length + 3);
    HandshakeStep(copy);
    std::memcpy(copy, text, length + 3);
    ParseReportLine(copy);
}

// The first consumer: sentences go through the decoder; the GPS STATUS page shows what
// a GNSS sentence changed, and a decoded AIS encapsulation sentence counts towards the
// system check's reception figures.
void TForm1::HandleGpsLine(char* line) {
    TGpsPageUpdate update = gpsPage_->HandleGpsLine(line);
    ShowGpsPageUpdate(update);
    if (update.AisSentence)
        CountAisSentence();
}
