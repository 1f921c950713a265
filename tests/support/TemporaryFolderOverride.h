// Points the system's temporary folder at a folder of the test's choosing while it lives
// (TMPDIR on Linux, TMP on Windows) and restores the old setting afterwards.
#pragma once

#include <optional>
#include <string>

class TemporaryFolderOverride {
public:
    explicit TemporaryFolderOverride(const std::string& folder);
    ~TemporaryFolderOverride();
    TemporaryFolderOverride(const TemporaryFolderOverride&) = delete;
    TemporaryFolderOverride& operator=(const TemporaryFolderOverride&) = delete;

private:
    std::optional<std::string> old_;
};
