#include "platform/FileSystem.h"
#include "platform/FileSystemPlatform.h"

#include <windows.h>

#include <io.h>
#include <system_error>

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string LastSystemErrorText() {
    return std::system_category().message(static_cast<int>(GetLastError()));
}

void CreateFolder(const std::string& folder) {
    CreateDirectoryA(folder.c_str(), nullptr);
}

std::string ProgramFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return ".\\";
    std::string program(path, length);
    return program.substr(0, program.rfind('\\') + 1);
}

std::FILE* CreateTemporaryBeside(const std::string& target, std::string& temporaryPath) {
    size_t cut = target.find_last_of("\\/");
    std::string folder = cut == std::string::npos ? "." : target.substr(0, cut);
    char name[MAX_PATH];
    // Creates the empty file under a unique name.
    if (GetTempFileNameA(folder.c_str(), "t36", 0, name) == 0)
        return nullptr;
    std::FILE* file = std::fopen(name, "wb");
    if (file == nullptr) {
        DeleteFileA(name);
        return nullptr;
    }
    temporaryPath = name;
    return file;
}

bool FlushToDisk(std::FILE* file) {
    return std::fflush(file) == 0 &&
           FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) != 0;
}

bool MoveIntoPlace(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
