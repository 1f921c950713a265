#include "AisReplay.h"

#include "Sentence.h"

#include <fstream>
#include <string_view>

namespace {

constexpr size_t kMaxSentence = 80;

// The sentence at the start of a recorded line, through its two checksum digits.
std::string_view SentenceOf(std::string_view line) {
    size_t star = line.find('*');
    return star == std::string_view::npos ? std::string_view() : line.substr(0, star + 3);
}

// Fragment count and number, for joining the fragments of one message.
bool FragmentOf(std::string_view sentence, int& total, int& number) {
    std::vector<std::string_view> fields = SplitFields(sentence);
    if (fields.size() < 3 || fields[1].size() != 1 || fields[2].size() != 1)
        return false;
    total = fields[1][0] - '0';
    number = fields[2][0] - '0';
    return total >= 1 && total <= 9 && number >= 1 && number <= total;
}

} // namespace

std::unique_ptr<AisReplay> AisReplay::Load(const std::string& path, std::string& error) {
    std::ifstream file(path);
    if (!file) {
        error = "cannot read " + path;
        return nullptr;
    }
    std::vector<std::vector<std::string>> messages;
    bool joining = false; // the last message still waits for fragments
    int lastNumber = 0;
    std::string line;
    while (std::getline(file, line)) {
        std::string_view sentence = SentenceOf(line);
        int total = 0;
        int number = 0;
        if (!(sentence.starts_with("!AIVDM,") || sentence.starts_with("!AIVDO,")) ||
            sentence.size() > kMaxSentence || !HasValidChecksum(sentence) ||
            !FragmentOf(sentence, total, number))
            continue;
        if (joining && number == lastNumber + 1)
            messages.back().emplace_back(sentence);
        else
            messages.push_back({std::string(sentence)});
        joining = number < total;
        lastNumber = number;
    }
    if (messages.empty()) {
        error = "no AIS sentences in " + path;
        return nullptr;
    }
    return std::make_unique<AisReplay>(std::move(messages));
}

std::vector<std::string> AisReplay::NextMessage(double) {
    const std::vector<std::string>& message = messages_[next_];
    next_ = (next_ + 1) % messages_.size();
    return message;
}
