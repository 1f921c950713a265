#include "replay/CaptureReader.h"

#include "platform/FileSystem.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

bool TCaptureReader::Open(const std::string& path) {
    Close();
    path_ = path;
    file_.reset(std::fopen(path.c_str(), "rb"));
    if (!file_) {
        error_ = "cannot open " + path + ": " + LastSystemErrorText();
        return false;
    }
    // Read a whole block at a time: the stream's own buffer would only be allocated for
    // each file and copied through.
    std::setvbuf(file_.get(), nullptr, _IONBF, 0);
    // A folder opens on some systems, and only its size tells.
    std::error_code error;
    uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        error_ = "cannot open " + path + ": " + error.message();
        file_.reset();
        return false;
    }
    size_ = static_cast<uint64_t>(size);
    if (splitter_)
        splitter_->Clear();
    else
        splitter_ = std::make_unique<LineSplitter>();
    return true;
}

void TCaptureReader::Close() {
    file_.reset();
    lines_.clear();
    bytesRead_ = 0;
    size_ = 0;
    ended_ = false;
    error_.clear();
}

bool TCaptureReader::Next(TCapturedLine& line) {
    while (lines_.empty()) {
        if (!ReadBlock())
            return false;
    }
    line = std::move(lines_.front());
    lines_.pop_front();
    return true;
}

void TCaptureReader::Fail(const std::string& error) {
    error_ = error;
    lines_.clear();
    file_.reset();
    ended_ = true;
}

bool TCaptureReader::StillWhole() {
    std::error_code error;
    uintmax_t size = std::filesystem::file_size(path_, error);
    if (error) {
        Fail(path_ + " can no longer be read: " + error.message());
        return false;
    }
    if (static_cast<uint64_t>(size) < bytesRead_) {
        Fail(path_ + " became shorter while it was read (" + std::to_string(size) + " bytes, " +
             std::to_string(bytesRead_) + " read)");
        return false;
    }
    return true;
}

bool TCaptureReader::ReadBlock() {
    if (ended_ || !file_)
        return false;
    // Checked before each block: a file removed or cut short under the reader would
    // otherwise be replayed from what the system still holds, or end without a word.
    if (!StillWhole())
        return false;
    block_.resize(kBlockSize);
    std::vector<char>& block = block_;
    size_t got = std::fread(block.data(), 1, block.size(), file_.get());
    if (std::ferror(file_.get())) {
        Fail("cannot read " + path_ + ": " + LastSystemErrorText());
        return false;
    }
    bytesRead_ += got;
    uint64_t offset = bytesRead_ - got;
    const char* begin = block.data();
    auto keep = [&](std::string_view text, bool overLong, uint64_t endOffset) {
        lines_.push_back({std::string(text), overLong, endOffset});
    };
    splitter_->Feed({begin, got}, [&](std::string_view text, bool overLong) {
        // The line ends at the line feed after the splitter's view when it stands in the
        // block; a line carried over from the block before ends at the first line feed.
        const void* lineFeed =
            std::memchr(begin, '\n', got - static_cast<size_t>(begin - block.data()));
        const char* end = static_cast<const char*>(lineFeed) + 1;
        keep(text, overLong, offset + static_cast<uint64_t>(end - block.data()));
        begin = end;
    });
    if (got < block.size()) {
        // The end of the file: a last line without its line feed is complete.
        splitter_->Finish(
            [&](std::string_view text, bool overLong) { keep(text, overLong, bytesRead_); });
        ended_ = true;
    }
    return got > 0 || !lines_.empty();
}
