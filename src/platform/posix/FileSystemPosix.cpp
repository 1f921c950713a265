#include "platform/FileSystem.h"
#include "platform/FileSystemPlatform.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string LastSystemErrorText() {
    return std::generic_category().message(errno);
}

void CreateFolder(const std::string& folder) {
    ::mkdir(folder.c_str(), 0777);
}

std::string ProgramFolder() {
    char path[4096];
    ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return "./";
    std::string program(path, static_cast<size_t>(length));
    return program.substr(0, program.rfind('/') + 1);
}

std::FILE* CreateTemporaryBeside(const std::string& target, std::string& temporaryPath) {
    // O_EXCL makes the name unique; 0666 lets the umask decide the permissions, as for
    // any other file the user creates (mkstemp would make it private).
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = target + ".tmp" + std::to_string(::getpid()) + "-" +
                        std::to_string(counter.fetch_add(1));
        int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            std::FILE* file = ::fdopen(fd, "wb");
            if (file == nullptr) {
                ::close(fd);
                ::unlink(temporaryPath.c_str());
                break;
            }
            return file;
        }
        if (errno != EEXIST)
            break;
    }
    temporaryPath.clear();
    return nullptr;
}

bool FlushToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
}

bool MoveIntoPlace(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}
