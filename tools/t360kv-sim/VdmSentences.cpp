#include "VdmSentences.h"

#include "Sentence.h"

std::vector<std::string> VdmSentences(const AisPayload& payload, char channel, int sequenceId) {
    size_t total = (payload.Text.size() + kVdmFragmentCharacters - 1) / kVdmFragmentCharacters;
    if (total == 0)
        total = 1;
    std::vector<std::string> sentences;
    for (size_t number = 1; number <= total; ++number) {
        std::string body = "!AIVDM," + std::to_string(total) + "," + std::to_string(number) + ",";
        if (total > 1)
            body += std::to_string(sequenceId);
        body += ",";
        body += channel;
        body += "," +
                payload.Text.substr((number - 1) * kVdmFragmentCharacters, kVdmFragmentCharacters);
        body += "," + std::to_string(number == total ? payload.FillBits : 0);
        sentences.push_back(CompleteSentence(body));
    }
    return sentences;
}
