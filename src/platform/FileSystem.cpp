#include "platform/FileSystem.h"
#include "platform/FileSystemPlatform.h"

#include <cstdio>

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == kPathSeparator || folder.back() == '/')
        return folder + name;
    return folder + kPathSeparator + name;
}

bool CreateFolderTree(const std::string& folder) {
    if (folder.empty())
        return false;
    // Every prefix that ends before a separator, then the whole path.
    for (size_t at = folder.find_first_of("/\\", 1); at != std::string::npos;
         at = folder.find_first_of("/\\", at + 1)) {
        std::string prefix = folder.substr(0, at);
        if (!prefix.empty() && prefix.back() != ':' && !FolderExists(prefix))
            CreateFolder(prefix);
    }
    if (!FolderExists(folder))
        CreateFolder(folder);
    return FolderExists(folder);
}

bool ReadWholeFile(const std::string& path, std::string& content) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    content.clear();
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        content.append(chunk, got);
    bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

TAtomicFileWriter::TAtomicFileWriter(std::string path) : path_(std::move(path)) {
    file_ = CreateTemporaryBeside(path_, temporaryPath_);
    if (file_ == nullptr)
        error_ = LastSystemErrorText();
}

TAtomicFileWriter::~TAtomicFileWriter() {
    Discard();
}

bool TAtomicFileWriter::Write(const void* bytes, size_t count) {
    if (file_ == nullptr || failed_)
        return false;
    if (count > 0 && std::fwrite(bytes, 1, count, file_) != count) {
        failed_ = true;
        error_ = LastSystemErrorText();
    }
    return !failed_;
}

bool TAtomicFileWriter::Commit() {
    if (file_ == nullptr || failed_)
        return false;
    // The reason is taken right after the call that failed, before cleaning up.
    bool written = FlushToDisk(file_);
    if (!written)
        error_ = LastSystemErrorText();
    if (std::fclose(file_) != 0 && written) {
        written = false;
        error_ = LastSystemErrorText();
    }
    file_ = nullptr;
    if (written && !MoveIntoPlace(temporaryPath_, path_)) {
        written = false;
        error_ = LastSystemErrorText();
    }
    if (!written) {
        std::remove(temporaryPath_.c_str());
        temporaryPath_.clear();
        return false;
    }
    temporaryPath_.clear();
    return true;
}

void TAtomicFileWriter::Discard() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporaryPath_.empty()) {
        std::remove(temporaryPath_.c_str());
        temporaryPath_.clear();
    }
}

bool WriteFileAtomically(const std::string& path, const std::string& content) {
    TAtomicFileWriter writer(path);
    return writer.Write(content) && writer.Commit();
}
