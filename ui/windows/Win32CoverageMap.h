// The AIS STATIONS page's coverage plot, painted into a back buffer: north up, the
// receiver at the centre, a range ring every RingStepNm labelled in NM, each 10-degree
// sector filled out to the farthest station heard in it, and under the plot the number
// of stations per distance band and of those without a usable position. Without an own
// position there is nothing to measure from: the plot says so and fills no sector.
#pragma once

#include "Win32Api.h"

#include "view/Languages.h"
#include "view/StationRows.h"

#include <array>
#include <string>

// Where the plot goes, in pixels of the drawing's own area.
struct TCoverageLayout {
    POINT Centre{};
    int Radius = 0; // of the outermost ring
    RECT Legend{};  // the band counts, in two columns
    int LineHeight = 0;
};

class TWin32CoverageMap {
public:
    // The band titles are 8-bit texts in the code page of `language`.
    void Show(const TCoverageView& coverage, TLanguage language);
    const TCoverageView& Coverage() const { return coverage_; }

    // The layout over `width` x `height` pixels with text in `font`, as drawn in `dc`.
    static TCoverageLayout Layout(HDC dc, HFONT font, int width, int height);
    void Paint(HDC dc, const RECT& box, HFONT font) const;

private:
    void DrawPlot(HDC dc, const TCoverageLayout& layout) const;
    void DrawTexts(HDC dc, const TCoverageLayout& layout, int width) const;

    TCoverageView coverage_;
    // Named before the first coverage comes, which waits for a station.
    std::array<std::wstring, kDistanceBands> bandTitles_{L"0-5 NM", L"5-10 NM", L"10-20 NM",
                                                         L"20-40 NM", L"40+ NM"};
};

// Colours of the plot, for whoever reads it back.
inline constexpr COLORREF kCoverageGround = RGB(255, 255, 255);
inline constexpr COLORREF kCoverageDisc = RGB(232, 240, 248);
inline constexpr COLORREF kCoverageSector = RGB(46, 125, 200);
