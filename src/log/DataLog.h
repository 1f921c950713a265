// The DATA LOG page's record of received lines. Every line logged since the last clear
// is kept for Save in a spill file in the temporary folder (deleted when the log is
// cleared or the program ends); only the newest lines stay in memory, for the view.
//
// Bounds: memory holds at most kDataLogViewLines lines and kDataLogViewBytes bytes of
// line text for the view (only a single line longer than that is kept whole; the receive
// path passes lines of at most 4096 characters), plus the lines not yet in the spill
// file, normally less than kDataLogSpillBuffer bytes, however long logging runs. The
// spill file grows by each line's length plus 2 (CR LF): at the fastest line rate of the
// receiver's USB link (128000 baud, about 12800 characters a second) that is about 46 MB
// an hour, limited only by the free space of the temporary folder.
//
// When the spill file cannot be created or written (temporary folder missing, unwritable
// or full), the lines wait in memory, up to kDataLogHeldBytes, and go to the spill file
// as soon as it takes them again; Save writes them from memory. Only lines beyond that
// bound are lost: Save counts them and gives the reason.
#pragma once

#include "platform/SpillFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TAtomicFileWriter;

inline constexpr size_t kDataLogViewLines = 5000;
inline constexpr size_t kDataLogViewBytes = 1024 * 1024;
inline constexpr size_t kDataLogSpillBuffer = 64 * 1024;
// About 20 minutes of the fastest line rate, while the temporary folder takes nothing.
inline constexpr size_t kDataLogHeldBytes = 16 * 1024 * 1024;

// The lines the view has not shown yet.
struct TDataLogViewChanges {
    bool Cleared = false;              // the view is to be emptied first
    std::vector<std::string> NewLines; // oldest first; older ones were dropped unseen
};

struct TDataLogSaveResult {
    bool Saved = false;        // the file was written and holds every line the log has
    std::string Error;         // why the file could not be written; empty when saved
    uint64_t LineCount = 0;    // lines logged since the last clear
    uint64_t MissingLines = 0; // of those, lines the log lost and the file lacks
    std::string LossReason;    // why the spill file could not take them
};

// Creates the spill file in `folder`; null with the system's reason when it cannot.
using TSpillFileOpener = std::function<std::FILE*(const std::string& folder, std::string& reason)>;

class TDataLog {
public:
    // The spill file goes into `spillFolder`; by default the system's temporary folder.
    explicit TDataLog(std::string spillFolder = TemporaryFolder(),
                      TSpillFileOpener openSpill = CreateSpillFile);
    ~TDataLog();
    TDataLog(const TDataLog&) = delete;
    TDataLog& operator=(const TDataLog&) = delete;

    // One received line, without its line end.
    void Append(std::string_view line);
    // Forgets every line.
    void Clear();

    // Writes every line logged since the last clear that the log still has to `path`,
    // each followed by CR LF, replacing the file in one step. When the file cannot be
    // written it is left as it was and the result says why; when lines were lost the
    // file is written without them and the result counts them.
    TDataLogSaveResult Save(const std::string& path);

    // The newest lines, oldest first.
    const std::deque<std::string>& ViewLines() const { return viewLines_; }
    // What changed in the view since the last call, for a view that shows the lines in
    // batches (for example from a timer) rather than one by one.
    TDataLogViewChanges TakeViewChanges();

    uint64_t LineCount() const { return lineCount_; }
    uint64_t LostLines() const { return lostLines_; }
    const std::string& SpillFolder() const { return spillFolder_; }

    static std::string TemporaryFolder();

private:
    // Moves the lines held in memory to the spill file; false when it takes none.
    bool Spill();
    bool OpenSpill();
    void CloseSpill();
    // Copies the spill file's lines to `writer`; false with the reason in `error` when
    // they cannot be read, or false when the writer failed.
    bool CopySpill(TAtomicFileWriter& writer, std::string& error);
    void KeepForView(std::string_view line);

    std::string spillFolder_;
    TSpillFileOpener openSpill_;
    std::FILE* spill_ = nullptr;
    uint64_t spilledBytes_ = 0;    // the spill file's lines, CR LF included
    std::string held_;             // the lines after those, CR LF included, oldest first
    size_t sinceSpillAttempt_ = 0; // bytes logged since the last attempt to spill
    std::string spillError_;       // why the last attempt failed
    std::deque<std::string> viewLines_;
    size_t viewBytes_ = 0;
    size_t unseenLines_ = 0;
    bool cleared_ = false;
    uint64_t lineCount_ = 0;
    uint64_t lostLines_ = 0;
    std::string lossReason_;
};
