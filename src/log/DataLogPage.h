// The DATA LOG page's controls that are more than a widget: the log switch's caption,
// the questions of Clear and Save, and the command line that sends a typed sentence.
#pragma once

#include "session/SendErrorText.h"

#include <functional>
#include <string>

inline constexpr char kStartLogCaption[] = "Start Log";
inline constexpr char kStopLogCaption[] = "Stop Log";

inline constexpr char kClearLogQuestion[] = "Are you sure to clear log?";
inline constexpr char kClearLogCaption[] = "Warning";
inline constexpr char kOverwriteQuestion[] = "File already exists. Do you want to overwrite?";
inline constexpr char kOverwriteCaption[] = "WARNING";
inline constexpr char kDataLogFileFilter[] = "Data Log File (*.TXT)";
inline constexpr char kDataLogDefaultExtension[] = "TXT";

// The command line takes at most this many characters.
inline constexpr int kCommandTextMaxLength = 86;

inline const char* LogButtonCaption(bool loggingOn) {
    return loggingOn ? kStopLogCaption : kStartLogCaption;
}

// Writes bytes to the receiver; false when nothing could be written.
using TSendData = std::function<bool(const void* bytes, int length)>;

// Sends the command as typed (not trimmed, no checksum added: the user types the whole
// sentence) followed by CR LF. False when the send failed, which the window reports
// with kSendErrorText.
bool SendCommand(const std::string& typed, const TSendData& sendData);

class TDataLog;

enum TSaveLogResult { slSaved, slDeclined, slFailed };

struct TSaveLogOutcome {
    TSaveLogResult Result = slDeclined;
    // What the user is told: why nothing was saved, or how many lines the saved file
    // lacks and why. Empty when there is nothing to tell.
    std::string Message;
};

// Saves the log to `path`. When a file of that name exists, `confirmOverwrite` is asked
// first (kOverwriteQuestion); without its yes the file stays untouched.
TSaveLogOutcome SaveDataLog(TDataLog& log, const std::string& path,
                            const std::function<bool()>& confirmOverwrite);
