// A picture in memory that a painter draws on through its device context, and whose
// pixels a test reads back.
#pragma once

#include "Win32Api.h"

#include "skyview/SkyColours.h"

#include <cstdint>
#include <cstdlib>

class TPicture {
public:
    TPicture(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const uint32_t*>(bits);
        dc_ = CreateCompatibleDC(nullptr);
        before_ = SelectObject(dc_, bitmap_);
    }
    ~TPicture() {
        SelectObject(dc_, before_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    HDC Dc() const { return dc_; }
    RECT Area() const { return {0, 0, width_, height_}; }

    // Outside the picture: magenta, a colour nothing here is drawn in.
    TRgb At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            return {255, 0, 255};
        GdiFlush();
        const uint32_t pixel = bits_[y * width_ + x];
        return {static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                static_cast<uint8_t>(pixel)};
    }
    // How many pixels of the rectangle lie within `tolerance` of `colour`, the three
    // channels' differences summed (anti-aliased text has few pixels of its exact colour).
    int Count(const RECT& area, TRgb colour, int tolerance = 0) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                const TRgb pixel = At(x, y);
                const int distance = std::abs(pixel.R - colour.R) + std::abs(pixel.G - colour.G) +
                                     std::abs(pixel.B - colour.B);
                count += distance <= tolerance ? 1 : 0;
            }
        return count;
    }

private:
    int width_;
    int height_;
    HBITMAP bitmap_ = nullptr;
    const uint32_t* bits_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ before_ = nullptr;
};
