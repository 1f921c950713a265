#include "platform/posix/XdgUserDirs.h"

#include "platform/FileSystem.h"
#include "platform/TextLines.h"

namespace {

constexpr char kKey[] = "XDG_DOCUMENTS_DIR";
constexpr char kHomeVariable[] = "$HOME";

// The value of one line `XDG_DOCUMENTS_DIR="..."`, or none when the line is another.
bool ParseLine(const std::string& line, const std::string& home, std::string& folder) {
    size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || line.compare(at, sizeof kKey - 1, kKey) != 0)
        return false;
    at = line.find_first_not_of(" \t", at + sizeof kKey - 1);
    if (at == std::string::npos || line[at] != '=')
        return false;
    at = line.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || line[at] != '"')
        return false;
    ++at;
    std::string value;
    if (line.compare(at, sizeof kHomeVariable - 1, kHomeVariable) == 0) {
        at += sizeof kHomeVariable - 1;
        value = home;
    } else if (at >= line.size() || line[at] != '/') {
        return false; // only absolute paths or paths below $HOME count
    }
    for (; at < line.size() && line[at] != '"'; ++at) {
        if (line[at] == '\\' && at + 1 < line.size())
            ++at;
        value += line[at];
    }
    while (value.size() > 1 && value.back() == '/')
        value.pop_back();
    folder = value;
    return true;
}

} // namespace

std::string DocumentsDirOf(const std::string& userDirsText, const std::string& home) {
    std::string folder;
    // A later line wins, as when the shell sources the file.
    for (const std::string& line : SplitLines(userDirsText))
        ParseLine(line, home, folder);
    return folder;
}

std::string XdgDocumentsFolder(const TXdgEnvironment& environment) {
    std::string configHome = environment.ConfigHome;
    if (configHome.empty() || configHome.front() != '/')
        configHome = JoinPath(environment.Home, ".config");
    std::string text;
    if (ReadWholeFile(JoinPath(configHome, "user-dirs.dirs"), text)) {
        std::string folder = DocumentsDirOf(text, environment.Home);
        if (!folder.empty())
            return folder;
    }
    return JoinPath(environment.Home, "Documents");
}
