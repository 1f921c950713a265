// A read-only multi-line edit used as a log: lines are appended at the end, the oldest
// dropped beyond kDataLogViewLines lines or kDataLogViewBytes characters, and the view
// follows the newest line unless the user has scrolled away from it.
#pragma once

#include "Win32Api.h"

#include <cstddef>
#include <deque>
#include <string>

class TWin32LogView {
public:
    void Append(HWND edit, const std::wstring& line);
    void Clear(HWND edit);

private:
    void DropOldest(HWND edit);

    std::deque<size_t> lengths_; // of the lines held, without their line breaks
    size_t characters_ = 0;      // of the text, line breaks included
};
