#include "Win32Api.h"

#include "Win32LogView.h"

#include "log/DataLog.h"

namespace {

constexpr size_t kLineBreak = 2; // CR LF

bool ShowsNewestLine(HWND edit) {
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_ALL;
    if (!GetScrollInfo(edit, SB_VERT, &scroll))
        return true; // no scroll bar yet: everything is in sight
    return scroll.nPos + static_cast<int>(scroll.nPage) > scroll.nMax;
}

} // namespace

void TWin32LogView::Append(HWND edit, const std::wstring& line) {
    const bool following = ShowsNewestLine(edit);
    const auto firstVisible = SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
    SendMessageW(edit, WM_SETREDRAW, FALSE, 0);
    std::wstring text = lengths_.empty() ? line : L"\r\n" + line;
    SendMessageW(edit, EM_SETSEL, characters_, characters_);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    lengths_.push_back(line.size());
    characters_ += text.size();
    const size_t linesBefore = lengths_.size();
    DropOldest(edit);
    const auto dropped = static_cast<LPARAM>(linesBefore - lengths_.size());
    if (following) {
        SendMessageW(edit, EM_SETSEL, characters_, characters_);
        SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    } else {
        // The lines the user reads higher up stay where they are.
        const auto nowFirst = SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
        SendMessageW(edit, EM_LINESCROLL, 0, firstVisible - dropped - nowFirst);
    }
    SendMessageW(edit, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(edit, nullptr, TRUE);
}

void TWin32LogView::DropOldest(HWND edit) {
    size_t cut = 0;
    while (lengths_.size() > 1 &&
           (lengths_.size() > kDataLogViewLines || characters_ - cut > kDataLogViewBytes)) {
        cut += lengths_.front() + kLineBreak;
        lengths_.pop_front();
    }
    if (cut == 0)
        return;
    SendMessageW(edit, EM_SETSEL, 0, cut);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    characters_ -= cut;
}

void TWin32LogView::Clear(HWND edit) {
    SetWindowTextW(edit, L"");
    lengths_.clear();
    characters_ = 0;
}
