#include "replay/LogClock.h"

#include "nmea/Checksum.h"

#include <array>
#include <charconv>
#include <chrono>

namespace {

constexpr double kSecondsPerDay = 86400;

// The first fields of a sentence, as many as a time mark reads (the RMC date is the
// tenth), kept without allocating: every line of a capture is looked at.
struct LeadingFields {
    static constexpr size_t kMax = 10;
    std::array<std::string_view, kMax> Field;
    size_t Count = 0;
};

LeadingFields FieldsOf(std::string_view sentence) {
    LeadingFields fields;
    size_t start = 0;
    while (fields.Count < LeadingFields::kMax) {
        size_t comma = sentence.find(',', start);
        fields.Field[fields.Count++] = sentence.substr(start, comma - start);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return fields;
}

// The characters up to the checksum, when it is right or absent; empty otherwise.
std::string_view Checked(std::string_view line) {
    size_t star = line.find('*');
    if (star == std::string_view::npos)
        return line;
    unsigned sum = 0;
    std::string_view digits = line.substr(star + 1, 2);
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), sum, 16);
    if (error != std::errc() || end != digits.data() + 2 ||
        sum != SentenceChecksum(line.substr(0, star)))
        return {};
    return line.substr(0, star);
}

// Digits only: no sign.
bool ReadInt(std::string_view text, int& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && text[0] != '-' && error == std::errc() &&
           end == text.data() + text.size();
}

// hhmmss or hhmmss.s...
std::optional<double> SecondOfDay(std::string_view field) {
    int hours = 0;
    int minutes = 0;
    double seconds = 0;
    std::string_view secondsText = field.substr(field.size() < 4 ? 0 : 4);
    auto [end, error] = std::from_chars(secondsText.data(), secondsText.data() + secondsText.size(),
                                        seconds, std::chars_format::fixed);
    if (field.size() < 6 || (field.size() > 6 && field[6] != '.') ||
        !ReadInt(field.substr(0, 2), hours) || !ReadInt(field.substr(2, 2), minutes) ||
        error != std::errc() || end != secondsText.data() + secondsText.size() ||
        secondsText[0] == '-' || hours > 23 || minutes > 59 || seconds >= 61)
        return std::nullopt;
    return hours * 3600.0 + minutes * 60.0 + seconds;
}

std::optional<int64_t> DayOf(int year, int month, int day) {
    std::chrono::year_month_day date{std::chrono::year(year),
                                     std::chrono::month(static_cast<unsigned>(month)),
                                     std::chrono::day(static_cast<unsigned>(day))};
    if (month < 1 || day < 1 || !date.ok())
        return std::nullopt;
    return std::chrono::sys_days(date).time_since_epoch().count();
}

// RMC: ddmmyy in field 9, the year of a two-digit century from 1980 to 2079.
std::optional<int64_t> RmcDay(std::string_view field) {
    int day = 0;
    int month = 0;
    int year = 0;
    if (field.size() != 6 || !ReadInt(field.substr(0, 2), day) ||
        !ReadInt(field.substr(2, 2), month) || !ReadInt(field.substr(4, 2), year))
        return std::nullopt;
    return DayOf(year < 80 ? 2000 + year : 1900 + year, month, day);
}

} // namespace

std::optional<TTimeMark> ReadTimeMark(std::string_view line) {
    if (line.size() < 7 || line[0] != '$')
        return std::nullopt;
    LeadingFields leading = FieldsOf(Checked(line));
    const auto& fields = leading.Field;
    if (leading.Count < 2 || fields[0].size() < 6)
        return std::nullopt;
    std::string_view type = fields[0].substr(fields[0].size() - 3);
    if (type != "RMC" && type != "GGA" && type != "ZDA")
        return std::nullopt;
    std::optional<double> second = SecondOfDay(fields[1]);
    if (!second)
        return std::nullopt;
    TTimeMark mark{*second, std::nullopt};
    int day = 0;
    int month = 0;
    int year = 0;
    if (type == "RMC" && leading.Count > 9)
        mark.Day = RmcDay(fields[9]);
    else if (type == "ZDA" && leading.Count > 4 && ReadInt(fields[2], day) &&
             ReadInt(fields[3], month) && ReadInt(fields[4], year))
        mark.Day = DayOf(year, month, day);
    return mark;
}

double TLogClock::Place(std::string_view line, uint64_t endOffset) {
    std::optional<TTimeMark> mark = ReadTimeMark(line);
    if (!mark_) {
        // Untimed so far: the line stands where the link would have begun sending it.
        double nominal = static_cast<double>(lineStart_) / kNominalCharsPerSecond;
        lineStart_ = endOffset;
        if (mark) {
            mark_ = mark;
            seconds_ = nominal;
        }
        return nominal;
    }
    if (!mark)
        return seconds_;
    double step = mark->SecondOfDay - mark_->SecondOfDay;
    if (mark->Day && mark_->Day)
        step += static_cast<double>(*mark->Day - *mark_->Day) * kSecondsPerDay;
    else if (step < -kSecondsPerDay / 2)
        step += kSecondsPerDay; // past midnight
    if (step < 0 && step >= -kLongestWaitSeconds)
        return seconds_; // out of order: the time does not go back
    if (step <= kLongestWaitSeconds && step >= 0)
        seconds_ += step;
    // The day of a mark without a date follows from the last one's.
    const TTimeMark last = *mark_;
    mark_ = mark;
    if (!mark_->Day && last.Day)
        mark_->Day =
            *last.Day + (mark_->SecondOfDay < last.SecondOfDay - kSecondsPerDay / 2 ? 1 : 0);
    return seconds_;
}
