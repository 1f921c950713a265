#include "platform/SpillFile.h"

#include "platform/FileSystem.h"

#include <windows.h>

std::string SystemTemporaryFolder() {
    char folder[MAX_PATH + 1];
    DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length > MAX_PATH)
        return ".";
    // GetTempPath ends the folder with a separator; it is named without one, as on the
    // other systems, unless it is a drive's root.
    if (length > 3 && folder[length - 1] == '\\')
        --length;
    return std::string(folder, length);
}

std::FILE* CreateSpillFile(const std::string& folder, std::string& reason) {
    char name[MAX_PATH];
    if (GetTempFileNameA(folder.c_str(), "t36", 0, name) == 0) {
        reason = LastSystemErrorText();
        return nullptr;
    }
    // "D": the C runtime deletes the file when it is closed.
    std::FILE* file = std::fopen(name, "w+bD");
    if (file == nullptr) {
        reason = LastSystemErrorText();
        DeleteFileA(name);
    }
    return file;
}

bool SeekSpillFile(std::FILE* file, uint64_t offset) {
    return _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
}
