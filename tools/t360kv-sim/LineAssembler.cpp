#include "LineAssembler.h"

std::vector<std::string> LineAssembler::Add(std::string_view bytes) {
    std::vector<std::string> lines;
    for (char c : bytes) {
        if (c == '\n') {
            lines.push_back(std::move(pending_));
            pending_.clear();
        } else if (c != '\r' && c != '\0' && pending_.size() < kMaxLine) {
            pending_ += c;
        }
    }
    return lines;
}
