// The DATA LOG page's record of received lines. Every line logged since the last clear
// is kept for Save in a spill file in the temporary folder (deleted when the log is
// cleared or the program ends); only the newest lines stay in memory, for the view.
//
// Bounds: memory holds at most kDataLogViewLines lines and kDataLogViewBytes bytes of
// line text (only a single line longer than that is kept whole; the receive path passes
// lines of at most 4096 characters), plus the spill file's write buffer of
// kDataLogSpillBuffer bytes, however long logging runs. The spill file grows by each
// line's length plus 2 (CR LF): at the fastest line rate of the receiver's USB link
// (128000 baud, about 12800 characters a second) that is about 46 MB an hour, limited
// only by the free space of the temporary folder. A line that cannot be written there
// (disk full) is counted in LostLines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

inline constexpr size_t kDataLogViewLines = 5000;
inline constexpr size_t kDataLogViewBytes = 1024 * 1024;
inline constexpr size_t kDataLogSpillBuffer = 64 * 1024;

// The lines the view has not shown yet.
struct TDataLogViewChanges {
    bool Cleared = false;              // the view is to be emptied first
    std::vector<std::string> NewLines; // oldest first; older ones were dropped unseen
};

class TDataLog {
public:
    // The spill file goes into `spillFolder`; by default the system's temporary folder.
    explicit TDataLog(std::string spillFolder = TemporaryFolder());
    ~TDataLog();
    TDataLog(const TDataLog&) = delete;
    TDataLog& operator=(const TDataLog&) = delete;

    // One received line, without its line end.
    void Append(std::string_view line);
    // Forgets every line.
    void Clear();

    // Writes every line logged since the last clear to `path`, each followed by CR LF,
    // replacing the file in one step. False when the file could not be written; it is
    // then left as it was.
    bool Save(const std::string& path);

    // The newest lines, oldest first.
    const std::deque<std::string>& ViewLines() const { return viewLines_; }
    // What changed in the view since the last call, for a view that shows the lines in
    // batches (for example from a timer) rather than one by one.
    TDataLogViewChanges TakeViewChanges();

    uint64_t LineCount() const { return lineCount_; }
    uint64_t LostLines() const { return lostLines_; }

    static std::string TemporaryFolder();

private:
    bool OpenSpill();
    void CloseSpill();
    void KeepForView(std::string_view line);

    std::string spillFolder_;
    std::FILE* spill_ = nullptr;
    std::vector<char> spillBuffer_;
    std::deque<std::string> viewLines_;
    size_t viewBytes_ = 0;
    size_t unseenLines_ = 0;
    bool cleared_ = false;
    uint64_t lineCount_ = 0;
    uint64_t lostLines_ = 0;
};
