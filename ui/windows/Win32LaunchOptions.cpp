#include "Win32Api.h"

#include "Win32LaunchOptions.h"

#include "Win32WideText.h"

#include <cwchar>

const char kLaunchUsage[] =
    "t360kv-win [--port TEXT] [--connect] [--replay LOG] [--page PAGE]\n"
    "           [--screenshot FILE.png [--after MS]]\n"
    "  --port TEXT        select the port entry of TEXT: COMn or text the entry contains\n"
    "  --connect          click Connect once the window is up\n"
    "  --replay LOG       replay the recorded log LOG, as File > Open log... does\n"
    "  --page PAGE        bring a page to the front: baud-rate, internal-gps, restore,\n"
    "                     system-check, gps-status, data-log or ais-stations\n"
    "  --screenshot FILE  save a PNG picture of the window MS milliseconds (default 1500)\n"
    "                     after start, and quit\n"
    "  --version          print the program's name and version\n";

namespace {

struct TPageName {
    const wchar_t* Name;
    TControl PageControl;
    int Page;
};

constexpr TPageName kPages[] = {
    {L"baud-rate", TControl::PageControlConf, pgBaudRate},
    {L"internal-gps", TControl::PageControlConf, pgInternalGps},
    {L"restore", TControl::PageControlConf, pgRestore},
    {L"system-check", TControl::PageControlDiagnosis, pgSystemCheck},
    {L"gps-status", TControl::PageControlDiagnosis, pgGpsStatus},
    {L"data-log", TControl::PageControlDiagnosis, pgDataLog},
    {L"ais-stations", TControl::PageControlDiagnosis, pgAisStations},
};

} // namespace

TWin32LaunchOptions ParseLaunchOptions(const std::vector<std::wstring>& arguments) {
    TWin32LaunchOptions options;
    auto fail = [&options](const std::string& message) {
        options.Message = message + "\n" + kLaunchUsage;
        return options;
    };
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& option = arguments[i];
        const bool takesValue = option == L"--port" || option == L"--screenshot" ||
                                option == L"--after" || option == L"--page" ||
                                option == L"--replay";
        if (takesValue && i + 1 >= arguments.size())
            return fail(Utf8FromWide(option) + " needs a value");
        if (option == L"--help" || option == L"-h") {
            options.Help = true;
            options.Message = kLaunchUsage;
            return options;
        }
        if (option == L"--version") {
            options.Version = true;
            return options;
        }
        if (option == L"--connect") {
            options.Connect = true;
        } else if (option == L"--port") {
            options.Port = Utf8FromWide(arguments[++i]);
        } else if (option == L"--replay") {
            options.Replay = arguments[++i];
        } else if (option == L"--screenshot") {
            options.Screenshot = arguments[++i];
        } else if (option == L"--after") {
            const std::wstring& value = arguments[++i];
            wchar_t* end = nullptr;
            const long delay = std::wcstol(value.c_str(), &end, 10);
            if (value.empty() || *end != L'\0' || delay < 0 || delay > 3600000)
                return fail("--after needs a number of milliseconds");
            options.ScreenshotDelayMs = static_cast<int>(delay);
        } else if (option == L"--page") {
            const std::wstring& name = arguments[++i];
            bool known = false;
            for (const TPageName& page : kPages)
                if (name == page.Name) {
                    options.PageControl = page.PageControl;
                    options.Page = page.Page;
                    known = true;
                }
            if (!known)
                return fail("no page named " + Utf8FromWide(name));
        } else {
            return fail("unknown option " + Utf8FromWide(option));
        }
    }
    return options;
}
