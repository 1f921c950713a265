// The sky map of the GPS STATUS page painted with GDI+: the globe, the rings, the cross
// and the direction labels are drawn once per size into a bitmap of their own; each
// paint copies that bitmap into a back buffer, draws the satellite symbols over it and
// copies the result to the screen in one operation, so the once-per-second refresh does
// not flicker.
//
// The map's geometry is the core's, in pixels at 96 DPI: at another DPI everything is
// drawn scaled, and the size told back to the controller is the size at 96 DPI.
#pragma once

#include "Win32Api.h"

#include "skyview/SatelliteSymbols.h"

#include <array>
#include <optional>

class TWin32SkyMap {
public:
    TWin32SkyMap() = default;
    ~TWin32SkyMap();
    TWin32SkyMap(const TWin32SkyMap&) = delete;
    TWin32SkyMap& operator=(const TWin32SkyMap&) = delete;

    void ShowSymbols(const std::array<TSatelliteSymbol, kSymbolCount>& symbols) {
        symbols_ = symbols;
    }
    const std::array<TSatelliteSymbol, kSymbolCount>& Symbols() const { return symbols_; }

    // Paints the map over `box` of `dc`. When the map had to be drawn anew for a new
    // size or DPI, answers that size at 96 DPI: the symbols are to be placed on it.
    std::optional<SIZE> Paint(HDC dc, const RECT& box, UINT dpi);

private:
    void DrawMap(HDC reference, int width, int height, UINT dpi);
    void DrawSymbols(HDC dc, UINT dpi) const;

    std::array<TSatelliteSymbol, kSymbolCount> symbols_{};
    HBITMAP map_ = nullptr; // globe and grid at mapWidth_ x mapHeight_ device pixels
    int mapWidth_ = 0;
    int mapHeight_ = 0;
    UINT mapDpi_ = 0;
};
