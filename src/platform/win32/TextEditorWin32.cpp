#include "platform/TextEditor.h"

#include <windows.h>

void OpenInTextEditor(const std::string& path) {
    // Without an application name, CreateProcess looks Notepad up on the search path.
    std::string command = "Notepad.exe \"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}
