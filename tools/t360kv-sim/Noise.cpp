#include "Noise.h"

#include "Sentence.h"

namespace {

constexpr double kPieceChance = 0.15;
constexpr double kDisguiseChance = 0.1;
constexpr double kBurstChance = 0.15;
constexpr size_t kLongestValidLine = 82;
constexpr size_t kLongestOverLongLine = 5000;
constexpr size_t kBurstBytes = 1 << 20;
constexpr std::string_view kReceiverText = "$PKRV,R,TXT,"; // before a report line
constexpr std::string_view kLetters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

} // namespace

bool Noise::Chance(double probability) {
    return std::bernoulli_distribution(probability)(random_);
}

size_t Noise::Between(size_t low, size_t high) {
    return std::uniform_int_distribution<size_t>(low, high)(random_);
}

std::string Noise::Before(std::string_view nextLine) {
    if (!Chance(kPieceChance))
        return {};
    switch (Between(0, 2)) {
    case 0:
        if (nextLine.find('*') != std::string_view::npos)
            return WithWrongChecksum(nextLine);
        [[fallthrough]]; // report lines have no checksum to spoil
    case 1:
        return OverLongLine(nextLine);
    default:
        return HighBytesLine();
    }
}

// One character of the sentence changed: its checksum no longer matches.
std::string Noise::WithWrongChecksum(std::string_view sentence) {
    std::string spoilt(sentence);
    size_t at = Between(1, sentence.find('*') - 1);
    char replacement = spoilt[at];
    while (replacement == spoilt[at])
        replacement = kLetters[Between(0, kLetters.size() - 1)];
    spoilt[at] = replacement;
    return spoilt + "\r\n";
}

// A well-formed sentence with a good checksum, but too long to be accepted. It carries
// the address of the sentence it comes before, so that it belongs to the same stream and
// stops with it: no GNSS sentence of any kind while the GPS output is off.
std::string Noise::OverLongLine(std::string_view nextLine) {
    size_t length = Between(kLongestValidLine + 1, kLongestOverLongLine);
    size_t comma = nextLine.find(',');
    bool sentence = !nextLine.empty() && (nextLine[0] == '$' || nextLine[0] == '!');
    std::string body = sentence && comma != std::string_view::npos
                           ? std::string(nextLine.substr(0, comma + 1))
                           : std::string(kReceiverText);
    while (body.size() < length - 3)
        body += kLetters[Between(0, kLetters.size() - 1)];
    return CompleteSentence(body) + "\r\n";
}

std::string Noise::HighBytesLine() {
    std::string line(1, static_cast<char>(Between(128, 255)));
    for (size_t n = Between(0, kLongestValidLine - 1); n > 0; --n)
        line += Chance(0.5) ? static_cast<char>(Between(128, 255))
                            : kLetters[Between(0, kLetters.size() - 1)];
    return line + "\r\n";
}

std::string Noise::Disguise(std::string_view line) {
    std::string bytes(line);
    if (line.size() > 1 && Chance(kDisguiseChance))
        for (size_t n = Between(1, 3); n > 0; --n)
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(Between(1, bytes.size() - 1)),
                         Chance(0.5) ? '\0' : '\r');
    return bytes + "\r\n";
}

std::string Noise::Burst() {
    if (!Chance(kBurstChance))
        return {};
    std::string burst(kBurstBytes + Between(0, kBurstBytes / 8), '\0');
    std::uniform_int_distribution<int> byte(0, 255);
    for (char& c : burst) {
        do
            c = static_cast<char>(byte(random_));
        while (c == '\n');
    }
    burst.back() = '\n';
    return burst;
}
