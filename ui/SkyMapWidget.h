// The sky map of the GPS STATUS page: TPaintSatelliteChart draws the map (globe, rings,
// cross and direction labels) off-screen once per size and copies it in one operation,
// so the once-per-second refresh does not flicker; the 32 TPaintSatellite symbols lie
// above it and each repaints only itself when it moves.
#pragma once

#include "skyview/SatelliteSymbols.h"

#include <QPixmap>
#include <QWidget>

#include <array>

// One satellite: a disc in its colour with the PRN, 20 x 20 pixels.
class TPaintSatellite : public QWidget {
    Q_OBJECT

public:
    explicit TPaintSatellite(QWidget* parent);

    void SetSymbol(const TSatelliteSymbol& symbol);
    const TSatelliteSymbol& Symbol() const { return symbol_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TSatelliteSymbol symbol_;
};

class TPaintSatelliteChart : public QWidget {
    Q_OBJECT

public:
    explicit TPaintSatelliteChart(QWidget* parent);

    // The picture stretched over the whole map.
    void SetMapBackground(const QPixmap& picture);
    // Places, fills and shows or hides every symbol as `symbols` say.
    void ShowSymbols(const std::array<TSatelliteSymbol, kSymbolCount>& symbols);

signals:
    // The map was drawn at this size; symbols are to be placed on its geometry.
    void MapDrawn(int width, int height);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawMap();

    QPixmap background_;
    QPixmap map_; // the map at the control's size, drawn when the size changes
    std::array<TPaintSatellite*, kSymbolCount> symbols_{};
};
