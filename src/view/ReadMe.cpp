#include "view/ReadMe.h"

#include "platform/FileSystem.h"
#include "platform/TextLines.h"

namespace {

// Length of the piece of `line` that starts at `start`: at most kReadMePieceLength
// bytes, one less when the last byte would be the lead byte of a double-byte character.
size_t PieceLength(const std::string& line, size_t start, bool doubleByte) {
    size_t end = std::min(line.size(), start + kReadMePieceLength);
    if (!doubleByte)
        return end - start;
    size_t at = start;
    while (at < end) {
        size_t width = static_cast<unsigned char>(line[at]) >= 0x81 ? 2 : 1;
        if (at + width > end)
            break;
        at += width;
    }
    // A lead byte without its second byte at the end of the line goes as it is.
    return at > start ? at - start : end - start;
}

} // namespace

std::optional<std::vector<std::string>> LoadReadMeLines(const std::string& path,
                                                        TLanguage language) {
    std::string text;
    if (!ReadWholeFile(path, text))
        return std::nullopt;
    bool doubleByte = language != laEnglish;
    std::vector<std::string> lines{std::string()};
    for (const std::string& line : SplitLines(text)) {
        if (line.empty())
            lines.emplace_back();
        for (size_t start = 0; start < line.size();) {
            size_t length = PieceLength(line, start, doubleByte);
            lines.push_back(line.substr(start, length));
            start += length;
        }
    }
    return lines;
}
