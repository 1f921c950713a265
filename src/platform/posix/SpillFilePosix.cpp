#include "platform/SpillFile.h"

#include "platform/FileSystem.h"

#include <cerrno>
#include <cstdlib>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

std::string SystemTemporaryFolder() {
    const char* folder = std::getenv("TMPDIR");
    return folder != nullptr && folder[0] != '\0' ? folder : "/tmp";
}

std::FILE* CreateSpillFile(const std::string& folder, std::string& reason) {
    std::string pattern = folder + "/t360kv-datalog-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        reason = LastSystemErrorText();
        return nullptr;
    }
    // Nameless from here on: the data goes when the file is closed.
    ::unlink(name.data());
    std::FILE* file = ::fdopen(fd, "w+b");
    if (file == nullptr) {
        reason = LastSystemErrorText();
        ::close(fd);
    }
    return file;
}

bool SeekSpillFile(std::FILE* file, uint64_t offset) {
    return ::fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
}
