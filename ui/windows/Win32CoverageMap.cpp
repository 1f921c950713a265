#include "Win32Api.h"

#include "Win32CoverageMap.h"

#include "Win32GdiPlusApi.h"
#include "Win32WideText.h"

#include <algorithm>
#include <cstdio>

namespace {

using Gdiplus::REAL;

constexpr COLORREF kRingColour = RGB(150, 150, 150);
constexpr COLORREF kCrossColour = RGB(200, 200, 200);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr wchar_t kNoOwnPosition[] = L"No own position";
constexpr wchar_t kUnusable[] = L"Unusable";

Gdiplus::Color ToColor(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// "5 NM", "2.5 NM": as short as the step allows.
std::wstring RingLabel(double nauticalMiles) {
    wchar_t text[32] = {};
    std::swprintf(text, std::size(text), L"%g NM", nauticalMiles);
    return text;
}

void Write(HDC dc, const std::wstring& text, RECT area, UINT format) {
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              format | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

} // namespace

void TWin32CoverageMap::Show(const TCoverageView& coverage, TLanguage language) {
    coverage_ = coverage;
    for (size_t band = 0; band < bandTitles_.size(); ++band)
        bandTitles_[band] = WideFromText(language, coverage.BandTitles[band]);
}

TCoverageLayout TWin32CoverageMap::Layout(HDC dc, HFONT font, int width, int height) {
    HGDIOBJ before = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, before);
    TCoverageLayout layout;
    const auto lineHeight = static_cast<int>(metrics.tmHeight);
    layout.LineHeight = lineHeight;
    const int pad = std::max(4, lineHeight / 2);
    // Three lines of band counts at the bottom, the north mark above the plot.
    constexpr int kLegendLines = 3;
    const int legendHeight = kLegendLines * lineHeight;
    const int plotTop = pad + lineHeight;
    const int across = width - 2 * pad;
    const int down = height - plotTop - pad - legendHeight - pad;
    layout.Radius = std::max(0, std::min(across, down) / 2);
    layout.Centre = {width / 2, plotTop + layout.Radius};
    const int legendTop = plotTop + 2 * layout.Radius + pad;
    layout.Legend = {pad, legendTop, width - pad, legendTop + legendHeight};
    return layout;
}

void TWin32CoverageMap::Paint(HDC dc, const RECT& box, HFONT font) const {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width <= 0 || height <= 0)
        return;
    HDC back = CreateCompatibleDC(dc);
    HBITMAP picture = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ pictureBefore = SelectObject(back, picture);
    const TCoverageLayout layout = Layout(back, font, width, height);
    DrawPlot(back, layout);
    HGDIOBJ fontBefore = SelectObject(back, font);
    DrawTexts(back, layout, width);
    SelectObject(back, fontBefore);
    BitBlt(dc, box.left, box.top, width, height, back, 0, 0, SRCCOPY);
    SelectObject(back, pictureBefore);
    DeleteObject(picture);
    DeleteDC(back);
}

void TWin32CoverageMap::DrawPlot(HDC dc, const TCoverageLayout& layout) const {
    Gdiplus::Graphics graphics(dc);
    graphics.Clear(ToColor(kCoverageGround));
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    const auto x = static_cast<REAL>(layout.Centre.x);
    const auto y = static_cast<REAL>(layout.Centre.y);
    const auto radius = static_cast<REAL>(layout.Radius);
    const auto circle = [x, y](REAL r) { return Gdiplus::RectF(x - r, y - r, 2 * r, 2 * r); };

    Gdiplus::SolidBrush disc(ToColor(kCoverageDisc));
    graphics.FillEllipse(&disc, circle(radius));
    const double outermostNm = coverage_.RingStepNm * coverage_.RingCount;
    if (coverage_.HasOwnPosition && outermostNm > 0) {
        Gdiplus::SolidBrush sector(ToColor(kCoverageSector));
        for (int i = 0; i < kCoverageSectors; ++i) {
            const double farthest = coverage_.FarthestNm[static_cast<size_t>(i)];
            if (farthest <= 0)
                continue;
            const auto reach = radius * static_cast<REAL>(std::min(1.0, farthest / outermostNm));
            // Bearings run clockwise from north, GDI+'s angles clockwise from east.
            graphics.FillPie(&sector, circle(reach), static_cast<REAL>(10 * i - 90), 10.0F);
        }
    }
    Gdiplus::Pen cross(ToColor(kCrossColour), 1.0F);
    graphics.DrawLine(&cross, x, y - radius, x, y + radius);
    graphics.DrawLine(&cross, x - radius, y, x + radius, y);
    Gdiplus::Pen ring(ToColor(kRingColour), 1.0F);
    for (int k = 1; k <= coverage_.RingCount; ++k)
        graphics.DrawEllipse(
            &ring, circle(radius * static_cast<REAL>(k) / static_cast<REAL>(coverage_.RingCount)));
    if (coverage_.RingCount <= 0)
        graphics.DrawEllipse(&ring, circle(radius));
}

void TWin32CoverageMap::DrawTexts(HDC dc, const TCoverageLayout& layout, int width) const {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    const int line = layout.LineHeight;
    const POINT centre = layout.Centre;
    Write(dc, L"N",
          {centre.x - line, centre.y - layout.Radius - line, centre.x + line,
           centre.y - layout.Radius},
          DT_CENTER | DT_BOTTOM);
    // Each ring's distance just inside its top, right of the north line.
    for (int k = 1; k <= coverage_.RingCount; ++k) {
        const int top = centre.y - layout.Radius * k / coverage_.RingCount;
        Write(dc, RingLabel(coverage_.RingStepNm * k),
              {centre.x + 3, top + 1, centre.x + layout.Radius, top + 1 + line}, DT_LEFT | DT_TOP);
    }
    if (!coverage_.HasOwnPosition) {
        // On a patch of the disc's colour, clear of the rings and the cross.
        SIZE size{};
        GetTextExtentPoint32W(dc, kNoOwnPosition, static_cast<int>(std::size(kNoOwnPosition)) - 1,
                              &size);
        const int top = centre.y + line / 2;
        const RECT patch{centre.x - size.cx / 2 - 3, top, centre.x + size.cx / 2 + 3, top + line};
        HBRUSH disc = CreateSolidBrush(kCoverageDisc);
        FillRect(dc, &patch, disc);
        DeleteObject(disc);
        Write(dc, kNoOwnPosition, {0, top, width, top + line}, DT_CENTER | DT_TOP);
    }

    // The bands down the left column, then on down the right, the unusable ones last.
    const RECT& legend = layout.Legend;
    const int columnWidth = (legend.right - legend.left) / 2;
    constexpr int kRows = 3;
    for (int entry = 0; entry <= kDistanceBands; ++entry) {
        const bool unusable = entry == kDistanceBands;
        const std::wstring title = unusable ? kUnusable : bandTitles_[static_cast<size_t>(entry)];
        const int32_t count =
            unusable ? coverage_.Unusable : coverage_.BandCounts[static_cast<size_t>(entry)];
        const int left = legend.left + (entry / kRows) * columnWidth;
        const int top = legend.top + (entry % kRows) * line;
        // A line height of room between the columns.
        const RECT cell{left, top, left + columnWidth - line, top + line};
        Write(dc, title, cell, DT_LEFT | DT_TOP);
        Write(dc, std::to_wstring(count), cell, DT_RIGHT | DT_TOP);
    }
}
