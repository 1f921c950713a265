// t360kv-win-probe: drives a running t360kv-win.exe from outside, as a person would, for
// the end-to-end test under wine. It finds the main window by its class and a control by
// the name of its TControl member, which is also its id.
//
//   t360kv-win-probe click CONTROL SECONDS         clicks the control once the window is up
//   t360kv-win-probe wait CONTROL TEXT SECONDS     waits until the control shows TEXT
//
// Exit 0 when done, 1 when the window, the control or the text did not come in time
// (what the control showed last is printed), 2 for a wrong command line.
#include "Win32Api.h"

#include "Win32ControlIds.h"
#include "Win32ControlTable.h"
#include "Win32WideText.h"

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kMainWindowClass[] = L"T360KVMainWindow";
constexpr DWORD kPollMs = 100;
constexpr UINT kAnswerWithinMs = 2000; // a window that takes longer counts as hung

int IdOfControl(const std::string& name) {
    for (const TControlSpec& entry : MainWindowControls())
        if (entry.Id >= kControlIdBase && entry.Id < kOwnControlIdBase &&
            name == ControlName(static_cast<TControl>(entry.Id - kControlIdBase)))
            return entry.Id;
    return 0;
}

// The control of the main window, waiting for the window until `deadline`.
HWND FindControl(int id, ULONGLONG deadline) {
    for (;;) {
        if (HWND window = FindWindowW(kMainWindowClass, nullptr))
            if (HWND control = GetDlgItem(window, id))
                return control;
        if (GetTickCount64() >= deadline)
            return nullptr;
        Sleep(kPollMs);
    }
}

// The control's text, asked of the window's own thread (a list shows its selected item
// as its text).
std::wstring TextOf(HWND control) {
    wchar_t text[256] = {};
    DWORD_PTR unused = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, kAnswerWithinMs, &unused);
    return text;
}

void Print(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
}

int Usage() {
    std::fputs("t360kv-win-probe click CONTROL SECONDS\n"
               "t360kv-win-probe wait CONTROL TEXT SECONDS\n",
               stderr);
    return 2;
}

} // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> words;
    for (int i = 1; i < count; ++i)
        words.push_back(Utf8FromWide(arguments[i]));
    LocalFree(arguments);

    const bool click = words.size() == 3 && words[0] == "click";
    const bool wait = words.size() == 4 && words[0] == "wait";
    if (!click && !wait)
        return Usage();
    const int id = IdOfControl(words[1]);
    const long seconds = std::strtol(words.back().c_str(), nullptr, 10);
    if (id == 0 || seconds <= 0)
        return Usage();
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;

    HWND control = FindControl(id, deadline);
    if (control == nullptr) {
        Print("no t360kv-win window with " + words[1] + " within " + words.back() + " s\n");
        return 1;
    }
    if (click) {
        PostMessageW(control, BM_CLICK, 0, 0);
        Print("clicked " + words[1] + "\n");
        return 0;
    }
    const std::wstring expected = WideFromUtf8(words[2]);
    std::wstring shown;
    for (;;) {
        shown = TextOf(control);
        if (shown == expected) {
            Print(words[1] + " shows \"" + words[2] + "\"\n");
            return 0;
        }
        if (GetTickCount64() >= deadline || !IsWindow(control))
            break;
        Sleep(kPollMs);
    }
    Print(words[1] + " showed \"" + Utf8FromWide(shown) + "\", not \"" + words[2] + "\", after " +
          words.back() + " s\n");
    return 1;
}
