// The satellite symbols on the sky map: 32 small discs with the PRN, each placed at its
// satellite's azimuth and elevation. The painter draws a symbol from SymbolDrawing and
// puts it at its Left and Top.
#pragma once

#include "skyview/SkyMapGeometry.h"

#include <array>
#include <string>

inline constexpr int kSymbolCount = 32;
inline constexpr int kSymbolSize = 20; // width and height

struct TSatelliteSymbol {
    bool InUse = false;
    int Prn = 0;
    int Azimuth = 0;
    int Elevation = 0;
    int Left = 0; // position of the symbol on the map control
    int Top = 0;
    bool Visible = false;
};

// How one symbol is painted, in its own 20 x 20 pixels.
struct TSymbolDrawing {
    TPixel Center;    // (10, 10)
    int Radius;       // 9
    TRgb Fill;        // lime in use, blue otherwise, without outline
    TRgb Outline;     // silver circle of the same radius
    std::string Text; // the PRN, in the default font, without background
    TPixel TextAt;    // (6, 3) for one digit, (3, 3) for more
    TRgb TextColour;  // black or white, whichever reads on the fill
};

TSymbolDrawing SymbolDrawing(const TSatelliteSymbol& symbol);

class TSatelliteSymbols {
public:
    // The map's size changed (and at creation): symbols are placed on the new geometry.
    void SetMapSize(int width, int height);
    const TSkyMapGeometry& Geometry() const { return geometry_; }

    // Stores a satellite in symbol `index` and places it; ignored from index 32 on.
    void SetSatellite(int index, int prn, int azimuth, int elevation, bool inUse);
    // Symbols below `count` are shown, the others hidden.
    void ShowFirst(int count);

    const std::array<TSatelliteSymbol, kSymbolCount>& Symbols() const { return symbols_; }

private:
    void PlaceSatellite(TSatelliteSymbol& symbol) const;

    TSkyMapGeometry geometry_;
    std::array<TSatelliteSymbol, kSymbolCount> symbols_{};
};
