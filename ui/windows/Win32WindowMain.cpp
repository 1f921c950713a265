// t360kv-win: the configurator's window on Windows.
//
//   t360kv-win [--port TEXT] [--connect] [--replay LOG] [--page PAGE]
//              [--screenshot FILE.png [--after MS]]
//   t360kv-win --version
//
// The options serve demonstrations: --port selects the port entry of TEXT (COMn, or
// text the entry contains, as for t360kv), --connect clicks Connect once the window is
// up, --replay replays a recorded log as File > Open log... does, --page brings a page
// to the front, --screenshot saves a picture of the window MS milliseconds (default
// 1500) after start and quits.
#include "Win32Api.h"

#include "ProgramVersion.h"
#include "Win32Configurator.h"
#include "Win32ControlIds.h"
#include "Win32LaunchOptions.h"
#include "Win32Screenshot.h"
#include "Win32WideText.h"
#include "platform/DocumentsFolder.h"
#include "platform/FileSystem.h"

#include <shellapi.h>

#include <cstdio>
#include <exception>

namespace {

std::vector<std::wstring> CommandLineArguments() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> result;
    for (int i = 1; i < count; ++i)
        result.emplace_back(arguments[i]);
    LocalFree(arguments);
    return result;
}

// Messages for whoever started the program: its console, if it has one.
void Tell(const std::string& text) {
    if (AttachConsole(ATTACH_PARENT_PROCESS) != FALSE) {
        std::FILE* console = nullptr;
        if (freopen_s(&console, "CONOUT$", "w", stderr) == 0)
            std::fputs(text.c_str(), stderr);
    } else {
        std::fputs(text.c_str(), stderr);
    }
    std::fflush(stderr);
}

// The version on standard output: the console's, else the one the program was handed
// (a redirection, or wine's); started from a shortcut it has neither, and shows a box.
void TellVersion() {
    const std::string text = "t360kv-win " T360KV_VERSION "\n";
    std::FILE* console = nullptr;
    if (AttachConsole(ATTACH_PARENT_PROCESS) != FALSE &&
        freopen_s(&console, "CONOUT$", "w", stdout) != 0)
        return;
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (console == nullptr && (output == nullptr || output == INVALID_HANDLE_VALUE)) {
        MessageBoxA(nullptr, text.c_str(), "Tidelane T360KV Configurator", MB_OK);
        return;
    }
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
}

struct TScreenshot {
    HWND Window;
    std::wstring File;
    TWin32Configurator* Configurator;
    const TWin32LaunchOptions* Options;
    ULONGLONG Due; // GetTickCount64() when it is to be taken
};

// Takes the picture; the program's exit code: 0 when it was saved.
int TakeScreenshot(const TScreenshot& shot) {
    // The page asked for, also when the connection has brought another one forward.
    if (shot.Options->Page >= 0) {
        shot.Configurator->ChoosePage(TControl::PageControlMain,
                                      shot.Options->PageControl == TControl::PageControlConf
                                          ? pgConfiguration
                                          : pgDiagnostics);
        shot.Configurator->ChoosePage(shot.Options->PageControl, shot.Options->Page);
    }
    const bool saved = SaveWindowPicture(shot.Window, shot.File);
    if (!saved)
        Tell("cannot write " + Utf8FromWide(shot.File) + "\n");
    return saved ? 0 : 1;
}

// Runs the window until it quits, or until the picture of `shot` (when given) has been
// taken. A busy serial line keeps a hand-over message posted most of the time, and the
// system hands out WM_TIMER and WM_QUIT only when no posted message waits: so the
// picture's time is checked after every message, and the picture ends the loop itself.
int RunMessageLoop(HWND window, const TScreenshot* shot) {
    for (;;) {
        DWORD wait = INFINITE;
        if (shot != nullptr) {
            const ULONGLONG now = GetTickCount64();
            if (now >= shot->Due)
                return TakeScreenshot(*shot);
            wait = static_cast<DWORD>(shot->Due - now);
        }
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return static_cast<int>(message.wParam);
            if (!IsDialogMessageW(window, &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            if (shot != nullptr && GetTickCount64() >= shot->Due)
                break;
        }
    }
}

} // namespace

int main() {
    const TWin32LaunchOptions options = ParseLaunchOptions(CommandLineArguments());
    if (options.Version) {
        TellVersion();
        return 0;
    }
    if (!options.Message.empty()) {
        Tell(options.Message);
        return options.Help ? 0 : 2;
    }
    try {
        TWin32Configurator configurator(nullptr, nullptr,
                                        TAppFolders{DocumentsFolder(), ProgramFolder()});
        TWin32MainWindow& window = configurator.Window();
        window.QuitWhenDestroyed();
        if (!options.Port.empty() &&
            !configurator.Controller().Connection().SelectPortEntry(options.Port)) {
            Tell("no port entry for \"" + options.Port + "\"\n");
            return 2;
        }
        if (options.Page >= 0) {
            configurator.ChoosePage(
                TControl::PageControlMain,
                options.PageControl == TControl::PageControlConf ? pgConfiguration : pgDiagnostics);
            configurator.ChoosePage(options.PageControl, options.Page);
        }
        ShowWindow(window.Handle(), SW_SHOWNORMAL);
        UpdateWindow(window.Handle());
        if (options.Connect)
            PostMessageW(window.Control(ControlId(TControl::OpenPort)), BM_CLICK, 0, 0);
        // A log that cannot be replayed has been told in a message box.
        if (!options.Replay.empty())
            configurator.Controller().Replay().OpenLog(FileNameFromWide(options.Replay),
                                                       TReplayPresenter::Clock::now());
        const TScreenshot shot{window.Handle(), options.Screenshot, &configurator, &options,
                               GetTickCount64() +
                                   static_cast<ULONGLONG>(options.ScreenshotDelayMs)};
        return RunMessageLoop(window.Handle(), options.Screenshot.empty() ? nullptr : &shot);
    } catch (const std::exception& error) {
        MessageBoxA(nullptr, error.what(), "Tidelane T360KV Configurator", MB_OK | MB_ICONERROR);
        return 1;
    }
}
