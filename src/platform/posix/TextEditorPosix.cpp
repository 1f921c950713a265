#include "platform/TextEditor.h"

#include <cerrno>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Graphical editors tried, in order, when neither an opener nor an editor variable is set.
constexpr const char* kEditors[] = {
    "gnome-text-editor", "gedit",  "kate", "kwrite", "mousepad", "xed", "pluma",
    "featherpad",        "leafpad"};

// The executable `name` on the PATH, or "" when there is none.
std::string FindOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    for (size_t start = 0; start <= folders.size();) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        std::string folder = folders.substr(start, end - start);
        std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return "";
}

// Runs `argv` (its first element a full path) without waiting for it. An intermediate
// child starts it and exits at once, so the editor is never this process's child and
// leaves no zombie behind. Everything is prepared before fork: the children only call
// functions that are safe there.
void StartDetached(std::vector<std::string> argv) {
    std::vector<char*> args;
    for (std::string& arg : argv)
        args.push_back(arg.data());
    args.push_back(nullptr);
    pid_t child = ::fork();
    if (child < 0)
        return;
    if (child == 0) {
        ::setsid();
        if (::fork() == 0) {
            ::execv(args[0], args.data());
            ::_exit(127);
        }
        ::_exit(0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

void OpenInTextEditor(const std::string& path) {
    // A name starting with "-" must not be read as an option.
    std::string file = !path.empty() && path[0] == '-' ? "./" + path : path;
    if (std::string opener = FindOnPath("xdg-open"); !opener.empty()) {
        StartDetached({opener, file});
        return;
    }
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const char* editor = std::getenv(variable);
        if (editor != nullptr && *editor != '\0') {
            // The shell splits the variable's command and arguments; the file stays one
            // argument whatever it contains.
            StartDetached({"/bin/sh", "-c", std::string(editor) + " \"$1\"", "sh", file});
            return;
        }
    }
    for (const char* name : kEditors)
        if (std::string editor = FindOnPath(name); !editor.empty()) {
            StartDetached({editor, file});
            return;
        }
}
