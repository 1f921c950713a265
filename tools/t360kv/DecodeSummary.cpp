#include "DecodeSummary.h"

#include "nmea/FormatterTable.h"

#include <cinttypes>
#include <cstring>
#include <iterator>

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

DecodeSummary::DecodeSummary() : byRow_(FormatterRows().size()) {}

void DecodeSummary::Count(LineVerdict verdict, DecodeResult result,
                          const DecodedSentence& sentence) {
    ++lines_;
    bool accepted = verdict == lvDecoder && (result == drDecoded || result == drEncapsulated);
    bool headerRead =
        verdict == lvDecoder && (accepted || result == drUnknownFormatter || result == drFields);
    if (accepted)
        ++accepted_;
    if (!headerRead) {
        ++byReason_[RejectionName(verdict, result)];
        return;
    }
    Tally* tally;
    if (const FormatterRow* row = FindFormatter(sentence.Formatter))
        tally = &byRow_[static_cast<size_t>(row - FormatterRows().data())];
    else
        tally = &byOtherFormatter_[std::string(sentence.Formatter)];
    ++(accepted ? tally->accepted : tally->rejected);
}

void DecodeSummary::CountAisMessage(const AisMessage& message) {
    if (message.Bytes[0] < std::size(aisByType_))
        ++aisByType_[message.Bytes[0]];
}

void DecodeSummary::Print(std::FILE* out, const AisTargetTable& targets) const {
    std::fprintf(out, "%" PRIu64 " lines: %" PRIu64 " accepted, %" PRIu64 " rejected\n", lines_,
                 accepted_, lines_ - accepted_);
    std::map<std::string, Tally> all = byOtherFormatter_;
    std::span<const FormatterRow> rows = FormatterRows();
    for (size_t i = 0; i < rows.size(); ++i)
        if (byRow_[i].accepted + byRow_[i].rejected > 0)
            all[rows[i].formatter] = byRow_[i];
    std::fprintf(out, "%-10s %10s %10s\n", "formatter", "accepted", "rejected");
    for (const auto& [formatter, tally] : all) {
        std::string printable;
        for (char c : formatter)
            printable += c >= 0x20 && c < 0x7F ? c : '?';
        std::fprintf(out, "%-10s %10" PRIu64 " %10" PRIu64 "\n", printable.c_str(), tally.accepted,
                     tally.rejected);
    }
    for (const auto& [reason, count] : byReason_)
        std::fprintf(out, "rejected before the formatter was read, %.*s: %" PRIu64 "\n",
                     static_cast<int>(reason.size()), reason.data(), count);

    uint64_t messages = 0;
    for (uint64_t count : aisByType_)
        messages += count;
    std::fprintf(out, "AIS messages decoded: %" PRIu64 "\n", messages);
    for (size_t type = 1; type < std::size(aisByType_); ++type)
        if (aisByType_[type] > 0)
            std::fprintf(out, "  type %2zu %10" PRIu64 "\n", type, aisByType_[type]);
    // The counts of the entries in use; a reused entry started its counts again.
    int64_t vdm = 0;
    int64_t vdo = 0;
    for (int32_t i = 0; i < targets.Count; ++i) {
        vdm += targets.Targets[i].VdmCount;
        vdo += targets.Targets[i].VdoCount;
    }
    std::fprintf(out, "AIS targets: %d; their counts: VDM %" PRId64 ", VDO %" PRId64 "\n",
                 targets.Count, vdm, vdo);
}
