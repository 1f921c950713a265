// The SNR chart of the GPS STATUS page painted with GDI into a back buffer: one bar per
// satellite over the fixed 0 to 58 dB-Hz axis, lime for the satellites in use and blue
// for the others, the value above each bar once the controller asks for the marks, and
// the PRN under it. Where the bars are too narrow for their labels side by side (a full
// sky at the window's default size), every label is written one character a line, so
// that none is cut short.
#pragma once

#include "Win32Api.h"

#include "skyview/SnrBar.h"

#include <vector>

// Where everything of the chart goes, in pixels of the chart's own area.
struct TSnrChartLayout {
    RECT Plot{};                // the value axis' range, 0 at its bottom
    std::vector<RECT> Bars;     // one per bar, kept within the plot
    std::vector<RECT> Labels;   // one per bar, under it
    bool StackedLabels = false; // one character a line
    int LineHeight = 0;         // of the chart's text
};

class TWin32SnrChart {
public:
    void ShowBars(const std::vector<TSnrBar>& bars, bool valueMarksVisible) {
        bars_ = bars;
        valueMarksVisible_ = valueMarksVisible;
    }
    const std::vector<TSnrBar>& Bars() const { return bars_; }

    // The layout over `width` x `height` pixels with text in `font`, as drawn in `dc`.
    TSnrChartLayout Layout(HDC dc, HFONT font, int width, int height) const;
    void Paint(HDC dc, const RECT& box, HFONT font) const;

private:
    void Draw(HDC dc, const TSnrChartLayout& layout) const;

    std::vector<TSnrBar> bars_;
    bool valueMarksVisible_ = false;
};
