// AIS sentences replayed from a capture file, message by message, over and over.
#pragma once

#include "AisSource.h"

#include <memory>
#include <string>
#include <vector>

class AisReplay : public AisSource {
public:
    // Reads the "!AIVDM" and "!AIVDO" sentences of the file. Text after the checksum (as
    // some recorders add) is cut off; sentences with a wrong checksum or longer than 80
    // characters are left out. Null, with `error` set, when the file cannot be read or
    // holds no usable sentence.
    static std::unique_ptr<AisReplay> Load(const std::string& path, std::string& error);

    explicit AisReplay(std::vector<std::vector<std::string>> messages)
        : messages_(std::move(messages)) {}

    std::vector<std::string> NextMessage(double unixSeconds) override;

private:
    std::vector<std::vector<std::string>> messages_; // the fragments of each message
    size_t next_ = 0;
};
