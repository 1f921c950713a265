#include "diagnostics/ReceptionCounts.h"

#include "nmea/GpsLineFilter.h"

#include <climits>
#include <cstring>

namespace {

// Counters stop at their largest value rather than wrap to negative.
void CountUp(int32_t& counter) {
    if (counter < INT32_MAX)
        ++counter;
}

} // namespace

void TReceptionCounts::Count(const DecodedSentence& sentence) {
    if (std::strcmp(sentence.Formatter, "VDO") == 0)
        return;
    CountUp(sentence.Encapsulation.Channel == 'A' ? a_ : b_);
}

void TReceptionCounter::LineReceived(std::string_view line) {
    SentenceBuffer buffer{};
    if (line.size() + 2 > sizeof buffer - 1)
        return;
    std::memcpy(buffer, line.data(), line.size());
    std::memcpy(buffer + line.size(), "\r\n", 2);
    if (!PassesGpsLineFilter(buffer, line.size() + 2) || !DecodeSentence(buffer, decoder_))
        return;
    if (SentenceGroupOf(decoder_.Sentence) == sgAisEquipment &&
        CarriesAisMessage(decoder_.Sentence))
        counts_.Count(decoder_.Sentence);
}
