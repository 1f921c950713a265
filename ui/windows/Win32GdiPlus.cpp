#include "Win32Api.h"

#include "Win32GdiPlus.h"

#include "Win32GdiPlusApi.h"

TGdiPlusSession::TGdiPlusSession() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok)
        token_ = token;
}

TGdiPlusSession::~TGdiPlusSession() {
    if (token_ != 0)
        Gdiplus::GdiplusShutdown(token_);
}
