#include "Sentence.h"

#include "nmea/Checksum.h"

std::string CompleteSentence(std::string body) {
    // The shared completion appends CR LF too; lines here are kept without it.
    if (AppendChecksum(body))
        body.resize(body.size() - 2);
    return body;
}

bool HasValidChecksum(std::string_view line) {
    if (line.size() < 4 || (line[0] != '$' && line[0] != '!'))
        return false;
    size_t star = line.size() - 3;
    if (line[star] != '*')
        return false;
    std::string_view body = line.substr(0, star);
    return body.find('*') == std::string_view::npos && CompleteSentence(std::string(body)) == line;
}

std::vector<std::string_view> SplitFields(std::string_view body) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (;;) {
        size_t comma = body.find(',', start);
        fields.push_back(body.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}
