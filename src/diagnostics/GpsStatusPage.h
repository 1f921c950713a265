// The GPS STATUS page's controller without its window: every received line goes through
// HandleGpsLine, which decodes it and says what the page is to show. The window writes
// the texts that are set, hands a completed cycle to the satellite views and counts an
// AIS sentence for the system check.
#pragma once

#include "diagnostics/SatelliteEpoch.h"
#include "nmea/SentenceDecoder.h"
#include "view/Languages.h"

#include <optional>
#include <string>

// What one line changes on the page; a text that is not set keeps what the field shows.
struct TGpsPageUpdate {
    std::optional<std::string> UtcDate;
    std::optional<std::string> UtcTime;
    std::optional<std::string> FixMode;
    std::optional<std::string> Hdop;
    std::optional<std::string> Latitude;
    std::optional<std::string> Longitude;
    std::optional<std::string> Sog;
    std::optional<std::string> Cog;
    // The satellites of the cycle this line completed, for the satellite views.
    std::optional<SatelliteEpoch> CompletedCycle;
    // The line completed an AIS message that decoded, which the system check counts.
    bool AisSentence = false;
};

class TGpsStatusPage {
public:
    // `decoder` holds the records the decoder fills; the page reads and merges into them.
    explicit TGpsStatusPage(DecoderState& decoder) : decoder_(decoder) {}

    // The language whose code page the texts with a degree sign are in.
    void SetLanguage(TLanguage language) { language_ = language; }

    // `line` is a received line followed by CR LF. Lines that do not start with "$" or
    // "!", are longer than 82 characters with their CR LF, or fail decoding change
    // nothing.
    TGpsPageUpdate HandleGpsLine(const std::string& line);

    const SatelliteEpoch& CurrentCycle() const { return cycle_.Current(); }

private:
    TGpsPageUpdate UpdateGpsPage();

    DecoderState& decoder_;
    TSatelliteCycle cycle_;
    TLanguage language_ = laEnglish;
};
