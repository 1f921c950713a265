// The box that reports bytes that could not be written to the receiver, whichever page
// sent them.
#pragma once

inline constexpr char kSendErrorText[] = "Send message error";
inline constexpr char kSendErrorCaption[] = "error";
