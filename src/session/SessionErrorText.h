// The words the user is given for the session's errors: a message box's caption and
// text, or (no caption) a plain message.
#pragma once

#include "session/ReceiverSession.h"

#include <string>

inline constexpr char kWarningCaption[] = "WARNING";
inline constexpr char kCheckPortText[] = "Please check connection port is correct!";

struct TErrorMessage {
    std::string Caption; // empty: a plain message with the application's title
    std::string Text;
    bool IsError = false; // the error icon beside it
};

// `reason` is the system's words for a port that could not be opened.
TErrorMessage SessionErrorMessage(TSessionError error, const std::string& reason);
