#include "DecodedLine.h"

#include <algorithm>
#include <cstring>
#include <vector>

const char* RejectionName(LineVerdict verdict, DecodeResult result) {
    switch (verdict) {
    case lvReceiveTooLong:
        return "receive_too_long";
    case lvNotSentence:
        return "not_sentence";
    case lvTooLong:
        return "too_long";
    case lvDecoder:
        break;
    }
    switch (result) {
    case drNoLineEnd:
        return "no_line_end";
    case drChecksum:
        return "checksum";
    case drTooLong:
        return "expanded_too_long";
    case drUnknownFormatter:
        return "unknown_formatter";
    case drFields:
        return "fields";
    default:
        return "";
    }
}

size_t RecordExtent(const FormatterRow& row) {
    size_t extent = 0;
    for (const SentenceLayout& layout : row.layouts)
        for (const FieldRow& field : layout.fields)
            extent = std::max(extent, field.offset + BytesWritten(field) * field.count);
    return extent;
}

void CaptureDecodedLine(DecodedLine& line, int64_t number, LineVerdict verdict, DecodeResult result,
                        const DecoderState& state) {
    const DecodedSentence& sentence = state.Sentence;
    line.Number = number;
    line.Verdict = verdict;
    line.Result = result;
    line.Accepted = verdict == lvDecoder && (result == drDecoded || result == drEncapsulated);
    line.HeaderRead = line.Accepted || (verdict == lvDecoder &&
                                        (result == drUnknownFormatter || result == drFields));
    line.HasNavigation = false;
    line.HasAisMessage = false;
    if (!line.HeaderRead)
        return;
    line.Start = sentence.Start;
    std::memcpy(line.Talker, sentence.Talker, sizeof line.Talker);
    std::memcpy(line.Formatter, sentence.Formatter, sizeof line.Formatter);
    line.ProprietarySubtype = sentence.ProprietarySubtype;
    if (!line.Accepted)
        return;
    line.Row = FindFormatter(sentence.Formatter);
    line.DataFieldCount = sentence.DataFieldCount;
    // The bytes of the record that the formatter's rows write (which a test shows to fit).
    static const std::vector<size_t> kExtents = [] {
        std::vector<size_t> extents;
        for (const FormatterRow& row : FormatterRows())
            extents.push_back(std::min(RecordExtent(row), sizeof line.Record));
        return extents;
    }();
    std::memcpy(line.Record, reinterpret_cast<const char*>(&sentence) + line.Row->recordOffset,
                kExtents[static_cast<size_t>(line.Row - FormatterRows().data())]);
    if (line.Row->group == sgGnss) {
        line.HasNavigation = true;
        line.Navigation = state.Navigation;
    }
    // An encapsulation sentence that completed an AIS message, which decoded.
    if (CarriesAisMessage(sentence) && result == drDecoded) {
        line.HasAisMessage = true;
        line.Channel = sentence.Encapsulation.Channel;
        line.AisBitCount = state.Ais.Bits.Count;
        line.AisTarget = state.Ais.Targets.LastIndex;
        line.Message = state.Ais.Message;
    }
}
