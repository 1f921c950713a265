// The few file operations the settings, the language files and the data log need, with
// one implementation per platform. Paths are 8-bit text in the system's code page.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// `folder` and `name` joined by one separator.
std::string JoinPath(const std::string& folder, const std::string& name);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// Creates `folder` together with any missing parent folders. True when it exists after.
bool CreateFolderTree(const std::string& folder);

// The folder of the running program file, ending in a separator.
std::string ProgramFolder();

// The system's text for the error of the last failed call, e.g. "No space left on device".
std::string LastSystemErrorText();

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& content);

// Writes a file so that a reader sees either the old content or the complete new one:
// the bytes go to a temporary file beside the target, which replaces the target only on
// Commit. A writer destroyed without a successful Commit removes its temporary file and
// leaves the target untouched.
class TAtomicFileWriter {
public:
    explicit TAtomicFileWriter(std::string path);
    ~TAtomicFileWriter();
    TAtomicFileWriter(const TAtomicFileWriter&) = delete;
    TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

    // False when the temporary file could not be created.
    bool IsOpen() const { return file_ != nullptr; }
    bool Write(const void* bytes, size_t count);
    bool Write(const std::string& text) { return Write(text.data(), text.size()); }
    // Flushes the data to the disk and puts the file in place of the target.
    bool Commit();
    // Why creating, writing or committing failed; empty while nothing failed.
    const std::string& ErrorText() const { return error_; }

private:
    void Discard();

    std::string path_;
    std::string temporaryPath_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
    std::string error_;
};

// Writes `content` to `path` through a TAtomicFileWriter.
bool WriteFileAtomically(const std::string& path, const std::string& content);
