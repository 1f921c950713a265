#include "SystemErrorTexts.h"

#include <windows.h>

namespace {

// The system's message for `code` in the user's language, e.g. "The system cannot find
// the path specified".
std::string MessageOf(DWORD code) {
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.'))
        message.pop_back();
    return message;
}

} // namespace

// Files are created through GetTempFileName, which calls a folder that is missing, or a
// regular file, an invalid folder name.
std::string NoSuchFolderErrorText() {
    return MessageOf(ERROR_DIRECTORY);
}

std::string NotAFolderErrorText() {
    return MessageOf(ERROR_DIRECTORY);
}

std::string MissingFolderOnOpenErrorText() {
    return MessageOf(ERROR_PATH_NOT_FOUND);
}
