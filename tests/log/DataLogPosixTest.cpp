// The data log's spill file on a disk that fills up, and saving to a full disk: the
// stream is made with fopencookie and the disk filled by RLIMIT_FSIZE, both Linux's.
#include "DataLogFixture.h"

#include "log/DataLog.h"
#include "log/DataLogPage.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {

// A spill file on a disk that holds `room` bytes and then reports that it is full, until
// the test frees space: a stream whose reads, writes and seeks go to `content`.
struct FillingDisk {
    size_t room = 0;
    std::string content;
    size_t position = 0;

    static ssize_t Write(void* cookie, const char* bytes, size_t count) {
        auto* disk = static_cast<FillingDisk*>(cookie);
        size_t fits = std::min(count, disk->room - std::min(disk->room, disk->position));
        if (fits == 0) {
            errno = ENOSPC;
            return -1;
        }
        if (disk->position + fits > disk->content.size())
            disk->content.resize(disk->position + fits);
        disk->content.replace(disk->position, fits, bytes, fits);
        disk->position += fits;
        return static_cast<ssize_t>(fits);
    }
    static ssize_t Read(void* cookie, char* bytes, size_t count) {
        auto* disk = static_cast<FillingDisk*>(cookie);
        size_t got = std::min(count, disk->content.size() - disk->position);
        std::copy_n(disk->content.data() + disk->position, got, bytes);
        disk->position += got;
        return static_cast<ssize_t>(got);
    }
    static int Seek(void* cookie, off64_t* offset, int whence) {
        auto* disk = static_cast<FillingDisk*>(cookie);
        off64_t base = whence == SEEK_SET   ? 0
                       : whence == SEEK_CUR ? static_cast<off64_t>(disk->position)
                                            : static_cast<off64_t>(disk->content.size());
        *offset += base;
        disk->position = static_cast<size_t>(*offset);
        return 0;
    }

    TSpillFileOpener Opener() {
        return [this](const std::string&, std::string&) {
            return fopencookie(
                this, "w+b",
                {&FillingDisk::Read, &FillingDisk::Write, &FillingDisk::Seek, nullptr});
        };
    }
};

// A disk that fills up part-way: what the spill file could not take waits in memory and
// goes there once space is freed; Save writes every line in order either way.
TEST(DataLog, DiskFillingUpPartWayLosesNoLine) {
    TempFolder files;
    FillingDisk disk;
    disk.room = kDataLogSpillBuffer + kDataLogSpillBuffer / 2;
    TDataLog log(files.Path(), disk.Opener());
    std::string early = Lines(0, 4 * kDataLogSpillBuffer / 80);
    AppendLines(log, early);
    EXPECT_EQ(disk.content, early.substr(0, disk.room)) << "the disk filled up";
    TDataLogSaveResult whileFull = log.Save(files / "full.TXT");
    EXPECT_TRUE(whileFull.Saved);
    EXPECT_EQ(whileFull.MissingLines, 0u);
    EXPECT_TRUE(TempFolder::Read(files / "full.TXT") == early) << "the held lines from memory";

    disk.room = 100 * kDataLogSpillBuffer;
    std::string late = Lines(early.size() / 82, 2 * kDataLogSpillBuffer / 80);
    AppendLines(log, late);
    EXPECT_GT(disk.content.size(), early.size()) << "the held lines went to the freed space";
    TDataLogSaveResult saved = log.Save(files / "all.TXT");
    EXPECT_TRUE(saved.Saved);
    EXPECT_EQ(saved.MissingLines, 0u);
    EXPECT_TRUE(TempFolder::Read(files / "all.TXT") == early + late);
    EXPECT_TRUE(disk.content == early + late) << "written again over the failed writes";
}

// Files this process writes stop growing at `bytes`, as on a full disk, while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(DataLog, SaveToAFullDiskKeepsTheOldFileAndSaysWhy) {
    DataLogFixture f;
    std::string path = f.files.Write("log.TXT", "old\r\n");
    std::string lines = Lines(0, 100);
    AppendLines(f.log, lines);
    TSaveLogOutcome outcome;
    {
        FileSizeLimit full(1000);
        outcome = SaveDataLog(f.log, path, [] { return true; });
    }
    EXPECT_EQ(outcome.Result, slFailed);
    EXPECT_EQ(outcome.Message, "Cannot create file \"" + path +
                                   "\": File too large. Nothing was saved; a file of that name "
                                   "is left as it was.");
    EXPECT_EQ(TempFolder::Read(path), "old\r\n");
    EXPECT_EQ(f.files.EntryCount(), 1u) << "no temporary file left behind";
    EXPECT_EQ(SaveDataLog(f.log, path, [] { return true; }).Result, slSaved);
    EXPECT_TRUE(TempFolder::Read(path) == lines) << "the lines waited for space";
}

} // namespace
