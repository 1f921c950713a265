#include "log/DataLog.h"

#include "platform/FileSystem.h"

#include <algorithm>

TDataLog::TDataLog(std::string spillFolder, TSpillFileOpener openSpill)
    : spillFolder_(std::move(spillFolder)), openSpill_(std::move(openSpill)) {}

TDataLog::~TDataLog() {
    CloseSpill();
}

std::string TDataLog::TemporaryFolder() {
    return SystemTemporaryFolder();
}

bool TDataLog::OpenSpill() {
    if (spill_ != nullptr)
        return true;
    std::string reason;
    spill_ = openSpill_(spillFolder_, reason);
    if (spill_ == nullptr) {
        spillError_ = reason;
        return false;
    }
    // Unbuffered: held_ is the buffer, so a write that fails leaves its lines there.
    std::setvbuf(spill_, nullptr, _IONBF, 0);
    return true;
}

void TDataLog::CloseSpill() {
    if (spill_ != nullptr) {
        std::fclose(spill_);
        spill_ = nullptr;
    }
    spilledBytes_ = 0;
}

bool TDataLog::Spill() {
    sinceSpillAttempt_ = 0;
    if (held_.empty())
        return true;
    if (!OpenSpill())
        return false;
    // A failed write may have left part of the lines after spilledBytes_; they are
    // written again from there.
    bool written = SeekSpillFile(spill_, spilledBytes_) &&
                   std::fwrite(held_.data(), 1, held_.size(), spill_) == held_.size() &&
                   std::fflush(spill_) == 0;
    if (!written) {
        spillError_ = LastSystemErrorText();
        std::clearerr(spill_);
        return false;
    }
    spilledBytes_ += held_.size();
    held_.clear();
    // Memory that a long outage made grow goes back.
    if (held_.capacity() > 2 * kDataLogSpillBuffer)
        held_.shrink_to_fit();
    return true;
}

void TDataLog::Append(std::string_view line) {
    ++lineCount_;
    sinceSpillAttempt_ += line.size() + 2;
    const bool attemptDue = sinceSpillAttempt_ >= kDataLogSpillBuffer;
    // When memory is full, the spill file may have room again.
    if (held_.size() >= kDataLogHeldBytes && attemptDue)
        Spill();
    if (held_.size() < kDataLogHeldBytes) {
        held_.append(line).append("\r\n");
    } else {
        ++lostLines_;
        lossReason_ = spillError_;
    }
    if (sinceSpillAttempt_ >= kDataLogSpillBuffer)
        Spill();
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
    held_.clear();
    held_.shrink_to_fit();
    sinceSpillAttempt_ = 0;
    spillError_.clear();
    viewLines_.clear();
    viewBytes_ = 0;
    unseenLines_ = 0;
    cleared_ = true;
    lineCount_ = 0;
    lostLines_ = 0;
    lossReason_.clear();
}

TDataLogViewChanges TDataLog::TakeViewChanges() {
    TDataLogViewChanges changes;
    changes.Cleared = cleared_;
    changes.NewLines.assign(viewLines_.end() - static_cast<long>(unseenLines_), viewLines_.end());
    cleared_ = false;
    unseenLines_ = 0;
    return changes;
}

bool TDataLog::CopySpill(TAtomicFileWriter& writer, std::string& error) {
    if (spilledBytes_ == 0)
        return true;
    if (!SeekSpillFile(spill_, 0)) {
        error = LastSystemErrorText();
        return false;
    }
    std::vector<char> chunk(kDataLogSpillBuffer);
    for (uint64_t left = spilledBytes_; left > 0;) {
        size_t wanted = static_cast<size_t>(std::min<uint64_t>(left, chunk.size()));
        if (std::fread(chunk.data(), 1, wanted, spill_) != wanted) {
            error =
                std::ferror(spill_) != 0 ? LastSystemErrorText() : "the temporary file ended early";
            std::clearerr(spill_);
            return false;
        }
        if (!writer.Write(chunk.data(), wanted))
            return false;
        left -= wanted;
    }
    return true;
}

TDataLogSaveResult TDataLog::Save(const std::string& path) {
    TDataLogSaveResult result;
    result.LineCount = lineCount_;
    result.MissingLines = lostLines_;
    result.LossReason = lossReason_;
    // What the spill file cannot take now is written from memory.
    Spill();
    TAtomicFileWriter writer(path);
    result.Saved = writer.IsOpen() && CopySpill(writer, result.Error) && writer.Write(held_) &&
                   writer.Commit();
    if (!result.Saved && result.Error.empty())
        result.Error = writer.ErrorText();
    return result;
}
