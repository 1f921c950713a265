#include "nmea/NavigationState.h"

#include <cstring>

namespace {

// Time parts compared as unsigned bytes, so the marker 24:60:60 is never plausible.
bool PlausibleTime(const UtcTime& time) {
    return time.Hour < 24 && time.Minute < 60 && time.Second < 60;
}

bool PlausibleDate(const UtcDate& date) {
    return date.Year > 0 && date.Month >= 1 && date.Month <= 12 && date.Day >= 1 && date.Day <= 31;
}

} // namespace

int8_t ConstellationCodeOf(const char* talker) {
    struct Code {
        char talker[3];
        int8_t code;
    };
    static constexpr Code kCodes[] = {{"GP", 1}, {"GL", 2}, {"GN", 3}, {"LC", 4}, {"IN", 6}};
    for (const Code& c : kCodes)
        if (talker[0] == c.talker[0] && talker[1] == c.talker[1] && talker[2] == '\0')
            return c.code;
    return 0;
}

void MergeGga(const DecodedSentence& sentence, NavigationState& state) {
    const GgaFields& gga = sentence.Gga;
    state.Utc = gga.Utc;
    state.FixQuality = gga.Quality;
    state.Position = gga.Position;
    state.GeoidalSeparation = gga.GeoidalSeparation;
    state.SatellitesUsed = gga.SatellitesUsed;
    state.FixReported = true;
    state.PositionValid = gga.Quality >= 1 && gga.Quality <= 3;
    if (PlausibleTime(gga.Utc))
        state.TimeValid = true;
}

void MergeGll(const DecodedSentence& sentence, NavigationState& state) {
    const GllFields& gll = sentence.Gll;
    state.Utc = gll.Utc;
    state.Position = gll.Position;
    state.ModeIndicator = gll.ModeIndicator;
    state.Status = gll.Status;
    state.PositionValid = gll.Status == 'A';
}

void MergeGbs(const DecodedSentence& sentence, NavigationState& state) {
    const GbsFields& gbs = sentence.Gbs;
    state.Utc = gbs.Utc;
    state.FaultErrorLat = gbs.ErrorLatitude;
    state.FaultErrorLon = gbs.ErrorLongitude;
    state.FaultErrorAlt = gbs.ErrorAltitude;
    state.FaultSatellite = gbs.FailedSatellite;
    state.FaultMissProbability = gbs.MissProbability;
    state.FaultBias = gbs.Bias;
    state.FaultBiasDeviation = gbs.BiasDeviation;
    if (gbs.ErrorLatitude > -99999 && gbs.ErrorLongitude > -99999 && gbs.ErrorAltitude > -99999)
        state.FaultDataValid = true;
}

void MergeGsa(const DecodedSentence& sentence, NavigationState& state) {
    const GsaFields& gsa = sentence.Gsa;
    state.SelectionMode = gsa.SelectionMode;
    state.FixMode = gsa.FixMode;
    state.Pdop = gsa.Pdop;
    state.Hdop = gsa.Hdop;
    state.Vdop = gsa.Vdop;
    std::memcpy(state.UsedPrns, gsa.Prn, sizeof state.UsedPrns);
    int8_t used = 0;
    for (int8_t prn : gsa.Prn)
        used = static_cast<int8_t>(used + (prn > 0 ? 1 : 0));
    state.SatellitesUsed = used;
}

void MergeGsv(const DecodedSentence& sentence, NavigationState& state) {
    const GsvFields& gsv = sentence.Gsv;
    state.SatellitesInView = gsv.SatellitesInView;
    state.GsvBlockCount = gsv.BlockCount;
    for (int k = 0; k < gsv.BlockCount && k < 4; ++k) {
        state.GsvPrn[k] = gsv.Prn[k];
        state.GsvElevation[k] = gsv.Elevation[k];
        state.GsvAzimuth[k] = gsv.Azimuth[k];
        state.GsvSnr[k] = gsv.Snr[k];
    }
    state.GsvSentenceCount = gsv.SentenceCount;
    state.GsvSentenceNumber = gsv.SentenceNumber;
}

void MergeRmc(const DecodedSentence& sentence, NavigationState& state) {
    const RmcFields& rmc = sentence.Rmc;
    state.Utc = rmc.Utc;
    state.Date = rmc.Date;
    state.Position = rmc.Position;
    state.CourseTrue = rmc.CourseTrue;
    state.SpeedKnots = rmc.SpeedKnots;
    state.Status = rmc.Status;
    state.ModeIndicator = rmc.ModeIndicator;
    state.PositionValid = rmc.Status == 'A';
    if (state.PositionValid && PlausibleTime(rmc.Utc) && PlausibleDate(rmc.Date))
        state.TimeValid = true;
    state.CourseValid = rmc.CourseTrue >= 0 && rmc.CourseTrue <= 360;
}

void MergeVtg(const DecodedSentence& sentence, NavigationState& state) {
    const VtgFields& vtg = sentence.Vtg;
    state.CourseTrue = vtg.CourseTrue;
    state.CourseMagnetic = vtg.CourseMagnetic;
    state.SpeedKnots = vtg.SpeedKnots;
    state.SpeedKmh = vtg.SpeedKmh;
    state.ModeIndicator = vtg.ModeIndicator;
}

void MergeZda(const DecodedSentence& sentence, NavigationState& state) {
    const ZdaFields& zda = sentence.Zda;
    state.Utc = zda.Utc;
    state.Date = zda.Date;
    if (PlausibleTime(zda.Utc) && PlausibleDate(zda.Date))
        state.TimeValid = true;
}
