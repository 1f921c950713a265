// A capture file (a saved data log, or any NMEA 0183 / AIS lines with CR LF or LF line
// ends) read line by line in blocks, so that a file of any size takes the same memory.
// The lines are cut by the receive path's own LineSplitter: NUL and CR bytes, binary
// junk and over-long lines come out exactly as they would from a receiver.
//
// The file is watched while it is read: when it is removed or becomes shorter than what
// has been read already, or a read fails, the reader stops with the system's reason.
#pragma once

#include "session/LineSplitter.h"

#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <string>
#include <vector>

struct TCapturedLine {
    std::string Text; // without its line end
    bool OverLong = false;
    uint64_t EndOffset = 0; // bytes of the file up to the end of this line
};

class TCaptureReader {
public:
    static constexpr size_t kBlockSize = 64 * 1024;

    // False, with Error() saying why, when the file cannot be opened.
    bool Open(const std::string& path);
    void Close();

    // The next line of the file; false at its end or once the reading failed.
    bool Next(TCapturedLine& line);

    bool IsOpen() const { return file_ != nullptr; }
    bool Failed() const { return !error_.empty(); }
    // What went wrong, with the path and the system's words; empty while nothing did.
    const std::string& Error() const { return error_; }
    const std::string& Path() const { return path_; }
    // Bytes read from the file, and its size when it was opened.
    uint64_t BytesRead() const { return bytesRead_; }
    uint64_t Size() const { return size_; }

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    // Reads the next block and cuts it; false at the end of the file or on a failure.
    bool ReadBlock();
    // False, with the reader stopped, when the file is gone or has become shorter.
    bool StillWhole();
    void Fail(const std::string& error);

    std::string path_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    // Large: kept off the stack, and from file to file (cleared when one is opened).
    std::unique_ptr<LineSplitter> splitter_;
    std::deque<TCapturedLine> lines_; // at most one block's lines
    // Kept from block to block and from file to file: allocating and clearing one for each
    // block took most of the time of replaying a short file.
    std::vector<char> block_;
    uint64_t bytesRead_ = 0;
    uint64_t size_ = 0;
    bool ended_ = false;
    std::string error_;
};
