#include "log/DataLog.h"

#include "app/FileSystem.h"
#include "log/SpillFile.h"

TDataLog::TDataLog(std::string spillFolder) : spillFolder_(std::move(spillFolder)) {}

TDataLog::~TDataLog() {
    CloseSpill();
}

std::string TDataLog::TemporaryFolder() {
    return SystemTemporaryFolder();
}

bool TDataLog::OpenSpill() {
    if (spill_ != nullptr)
        return true;
    spill_ = CreateSpillFile(spillFolder_);
    if (spill_ == nullptr)
        return false;
    spillBuffer_.resize(kDataLogSpillBuffer);
    std::setvbuf(spill_, spillBuffer_.data(), _IOFBF, spillBuffer_.size());
    return true;
}

void TDataLog::CloseSpill() {
    if (spill_ != nullptr) {
        std::fclose(spill_);
        spill_ = nullptr;
    }
    spillBuffer_.clear();
    spillBuffer_.shrink_to_fit();
}

void TDataLog::Append(std::string_view line) {
    ++lineCount_;
    bool kept = OpenSpill() && std::fwrite(line.data(), 1, line.size(), spill_) == line.size() &&
                std::fwrite("\r\n", 1, 2, spill_) == 2;
    if (!kept)
        ++lostLines_;
    KeepForView(line);
}

void TDataLog::KeepForView(std::string_view line) {
    viewLines_.emplace_back(line);
    viewBytes_ += line.size();
    ++unseenLines_;
    // The newest line always stays, however long it is.
    while (viewLines_.size() > 1 &&
           (viewLines_.size() > kDataLogViewLines || viewBytes_ > kDataLogViewBytes)) {
        viewBytes_ -= viewLines_.front().size();
        viewLines_.pop_front();
    }
    if (unseenLines_ > viewLines_.size())
        unseenLines_ = viewLines_.size();
}

void TDataLog::Clear() {
    CloseSpill();
    viewLines_.clear();
    viewBytes_ = 0;
    unseenLines_ = 0;
    cleared_ = true;
    lineCount_ = 0;
    lostLines_ = 0;
}

TDataLogViewChanges TDataLog::TakeViewChanges() {
    TDataLogViewChanges changes;
    changes.Cleared = cleared_;
    changes.NewLines.assign(viewLines_.end() - static_cast<long>(unseenLines_), viewLines_.end());
    cleared_ = false;
    unseenLines_ = 0;
    return changes;
}

bool TDataLog::Save(const std::string& path) {
    TAtomicFileWriter writer(path);
    if (!writer.IsOpen())
        return false;
    if (spill_ != nullptr) {
        if (std::fflush(spill_) != 0 || std::fseek(spill_, 0, SEEK_SET) != 0)
            return false;
        std::vector<char> chunk(kDataLogSpillBuffer);
        size_t got;
        bool copied = true;
        while (copied && (got = std::fread(chunk.data(), 1, chunk.size(), spill_)) > 0)
            copied = writer.Write(chunk.data(), got);
        copied = copied && std::ferror(spill_) == 0;
        // Appending goes on at the end.
        if (std::fseek(spill_, 0, SEEK_END) != 0 || !copied)
            return false;
    }
    return writer.Commit();
}
