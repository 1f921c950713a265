#include "skyview/SatelliteSymbols.h"

TSymbolDrawing SymbolDrawing(const TSatelliteSymbol& symbol) {
    std::string text = std::to_string(symbol.Prn);
    int half = kSymbolSize / 2;
    TRgb fill = SatelliteColour(symbol.InUse);
    return {{half, half},
            half - 1,
            fill,
            kSilver,
            text,
            text.size() == 1 ? TPixel{6, 3} : TPixel{3, 3},
            ReadableTextColour(fill)};
}

void TSatelliteSymbols::SetMapSize(int width, int height) {
    geometry_ = ComputeGeometry(width, height);
    for (TSatelliteSymbol& symbol : symbols_)
        PlaceSatellite(symbol);
}

void TSatelliteSymbols::SetSatellite(int index, int prn, int azimuth, int elevation, bool inUse) {
    if (index < 0 || index >= kSymbolCount)
        return;
    TSatelliteSymbol& symbol = symbols_[static_cast<size_t>(index)];
    symbol.Prn = prn;
    symbol.Azimuth = azimuth;
    symbol.Elevation = elevation;
    symbol.InUse = inUse;
    PlaceSatellite(symbol);
}

void TSatelliteSymbols::ShowFirst(int count) {
    for (int i = 0; i < kSymbolCount; ++i)
        symbols_[static_cast<size_t>(i)].Visible = i < count;
}

void TSatelliteSymbols::PlaceSatellite(TSatelliteSymbol& symbol) const {
    TPixel at = PolarToPoint(geometry_, symbol.Azimuth, symbol.Elevation);
    symbol.Left = at.X - kSymbolSize / 2;
    symbol.Top = at.Y - kSymbolSize / 2;
}
