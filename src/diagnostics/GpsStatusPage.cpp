#include "diagnostics/GpsStatusPage.h"

#include "diagnostics/GpsPageTexts.h"

#include <cstring>

TGpsPageUpdate TGpsStatusPage::HandleGpsLine(const std::string& line) {
    if (line.empty() || (line[0] != '$' && line[0] != '!') || line.size() > kMaxSentenceLength)
        return {};
    SentenceBuffer buffer{};
    std::memcpy(buffer, line.data(), line.size());
    if (!DecodeSentence(buffer, decoder_))
        return {};
    switch (SentenceGroupOf(decoder_.Sentence)) {
    case sgGnss:
        return UpdateGpsPage();
    case sgAisEquipment: {
        TGpsPageUpdate update;
        update.AisSentence = CarriesAisMessage(decoder_.Sentence);
        return update;
    }
    default:
        return {};
    }
}

TGpsPageUpdate TGpsStatusPage::UpdateGpsPage() {
    NavigationState& navigation = decoder_.Navigation;
    TGpsPageUpdate update;
    if (navigation.TimeValid) {
        update.UtcDate = UtcDateText(navigation.Date);
        update.UtcTime = UtcTimeText(navigation.Utc);
    }
    // Set by each GGA: the fix mode and HDOP of the last GSA show once a GGA has come.
    if (navigation.FixReported) {
        navigation.FixReported = false;
        TFixModeTexts fix = ShowFixMode(navigation.FixMode, navigation.Hdop);
        update.FixMode = fix.FixMode;
        update.Hdop = fix.Hdop;
    }
    if (navigation.PositionValid) {
        TPositionAndMotionTexts texts =
            ShowPositionAndMotion(navigation.Position.Longitude, navigation.Position.Latitude,
                                  navigation.SpeedKnots, navigation.CourseTrue, language_);
        update.Longitude = texts.Longitude;
        update.Latitude = texts.Latitude;
        update.Sog = texts.Sog;
        update.Cog = texts.Cog;
    }
    update.CompletedCycle = cycle_.Collect(decoder_.Sentence.Formatter, navigation);
    return update;
}
