#include "platform/DocumentsFolder.h"
#include "platform/posix/XdgUserDirs.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// $HOME, or the home folder of the password database when it is unset.
std::string HomeFolder() {
    std::string home = Variable("HOME");
    if (!home.empty())
        return home;
    char buffer[4096];
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr)
        return found->pw_dir;
    return "/";
}

} // namespace

std::string DocumentsFolder() {
    return XdgDocumentsFolder({HomeFolder(), Variable("XDG_CONFIG_HOME")});
}
