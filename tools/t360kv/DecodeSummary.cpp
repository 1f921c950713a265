#include "DecodeSummary.h"

#include "nmea/FormatterTable.h"

#include <cinttypes>
#include <cstring>
#include <iterator>

DecodeSummary::DecodeSummary() : byRow_(FormatterRows().size()) {}

void DecodeSummary::Count(const DecodedLine& line) {
    ++lines_;
    if (line.Accepted)
        ++accepted_;
    if (!line.HeaderRead) {
        ++byReason_[RejectionName(line.Verdict, line.Result)];
        return;
    }
    Tally* tally;
    const FormatterRow* row = line.Accepted ? line.Row : FindFormatter(line.Formatter);
    if (row != nullptr)
        tally = &byRow_[static_cast<size_t>(row - FormatterRows().data())];
    else
        tally = &byOtherFormatter_[std::string(line.Formatter, strnlen(line.Formatter, 4))];
    ++(line.Accepted ? tally->accepted : tally->rejected);
    if (line.HasAisMessage && line.Message.Bytes[0] < std::size(aisByType_))
        ++aisByType_[line.Message.Bytes[0]];
}

void DecodeSummary::Print(std::FILE* out, const AisState& ais) const {
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
    std::fprintf(out, "AIS fragments dropped: %" PRIu64 "\n", ais.Pending.DroppedFragments);
    const AisTargetTable& targets = ais.Targets;
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
