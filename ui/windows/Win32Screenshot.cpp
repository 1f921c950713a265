#include "Win32Api.h"

#include "Win32Screenshot.h"

#include "Win32GdiPlusApi.h"

#include <vector>

namespace {

bool PngEncoder(CLSID& encoder) {
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<unsigned char> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i)
        if (std::wstring(encoders[i].MimeType) == L"image/png") {
            encoder = encoders[i].Clsid;
            return true;
        }
    return false;
}

// The menu bar and the client area, as on the screen. The frame is left out: where no
// window manager draws it (a virtual display) it is black.
RECT PictureArea(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    MENUBARINFO menu{};
    menu.cbSize = sizeof menu;
    if (GetMenuBarInfo(window, OBJID_MENU, 0, &menu) != FALSE && menu.rcBar.bottom > menu.rcBar.top)
        client.top = menu.rcBar.top;
    return client;
}

} // namespace

bool SaveWindowPicture(HWND window, const std::wstring& file) {
    const RECT area = PictureArea(window);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, picture);
    // The window as it is on the screen, where every control has drawn itself.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const bool taken = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top,
                              SRCCOPY | CAPTUREBLT) != FALSE;
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    bool saved = false;
    CLSID png;
    if (taken && PngEncoder(png)) {
        Gdiplus::Bitmap bitmap(picture, nullptr);
        saved = bitmap.Save(file.c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    DeleteObject(picture);
    return saved;
}
