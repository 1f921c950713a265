#include "Win32Api.h"

#include "Win32SnrChart.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr COLORREF kGridColour = RGB(211, 211, 211);
constexpr COLORREF kAxisColour = RGB(128, 128, 128);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr int kValueTicks = 5;    // 0 and 58 included
constexpr double kBarShare = 0.7; // of a bar's slot; the rest is the gap to its neighbours

COLORREF ToColorRef(TRgb colour) {
    return RGB(colour.R, colour.G, colour.B);
}

// The labels and values are digits and dashes.
std::wstring Wide(const std::string& text) {
    return {text.begin(), text.end()};
}

SIZE TextSize(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

// The height in the plot of `value`, which the plot holds whatever the value.
int HeightOf(double value, int plotHeight) {
    const double clamped = std::clamp(value, static_cast<double>(kSnrAxisMinimum),
                                      static_cast<double>(kSnrAxisMaximum));
    return Round((clamped - kSnrAxisMinimum) / (kSnrAxisMaximum - kSnrAxisMinimum) * plotHeight);
}

void Line(HDC dc, int fromX, int fromY, int toX, int toY) {
    MoveToEx(dc, fromX, fromY, nullptr);
    LineTo(dc, toX, toY);
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void Write(HDC dc, const std::wstring& text, RECT area, UINT format) {
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              format | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
}

} // namespace

TSnrChartLayout TWin32SnrChart::Layout(HDC dc, HFONT font, int width, int height) const {
    HGDIOBJ before = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    TSnrChartLayout layout;
    const auto lineHeight = static_cast<int>(metrics.tmHeight);
    layout.LineHeight = lineHeight;
    const int pad = std::max(4, lineHeight / 2);

    RECT& plot = layout.Plot;
    plot.left = pad + TextSize(dc, std::to_wstring(kSnrAxisMaximum)).cx + pad / 2;
    plot.right = std::max<LONG>(plot.left, width - pad);
    // The mark of a full bar stands above the plot.
    plot.top = pad + lineHeight;
    const auto count = static_cast<int>(bars_.size());
    const double slot = count > 0 ? static_cast<double>(plot.right - plot.left) / count : 0.0;

    size_t longest = 1;
    for (const TSnrBar& bar : bars_) {
        longest = std::max(longest, bar.Label.size());
        if (TextSize(dc, Wide(bar.Label)).cx + pad / 2 > slot)
            layout.StackedLabels = true;
    }
    const int labelLines = layout.StackedLabels ? static_cast<int>(longest) : 1;
    const int labelsHeight = labelLines * lineHeight;
    plot.bottom = std::max<LONG>(plot.top, height - pad - labelsHeight - pad / 2);

    const int plotHeight = plot.bottom - plot.top;
    for (int i = 0; i < count; ++i) {
        const int slotLeft = plot.left + Round(i * slot);
        const int slotRight = plot.left + Round((i + 1) * slot);
        const int barLeft = slotLeft + Round(slot * (1 - kBarShare) / 2);
        const int barRight = barLeft + std::max(1, Round(slot * kBarShare));
        const int barHeight = HeightOf(bars_[static_cast<size_t>(i)].Value, plotHeight);
        layout.Bars.push_back({barLeft, plot.bottom - barHeight, barRight, plot.bottom});
        const int labelTop = plot.bottom + pad / 2;
        layout.Labels.push_back({slotLeft, labelTop, slotRight, labelTop + labelsHeight});
    }
    SelectObject(dc, before);
    return layout;
}

void TWin32SnrChart::Paint(HDC dc, const RECT& box, HFONT font) const {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width <= 0 || height <= 0)
        return;
    HDC back = CreateCompatibleDC(dc);
    HBITMAP picture = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ pictureBefore = SelectObject(back, picture);
    HGDIOBJ fontBefore = SelectObject(back, font);
    Fill(back, {0, 0, width, height}, RGB(255, 255, 255));
    Draw(back, Layout(back, font, width, height));
    BitBlt(dc, box.left, box.top, width, height, back, 0, 0, SRCCOPY);
    SelectObject(back, fontBefore);
    SelectObject(back, pictureBefore);
    DeleteObject(picture);
    DeleteDC(back);
}

void TWin32SnrChart::Draw(HDC dc, const TSnrChartLayout& layout) const {
    const RECT& plot = layout.Plot;
    const int half = layout.LineHeight / 2;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    HPEN grid = CreatePen(PS_SOLID, 1, kGridColour);
    HPEN axis = CreatePen(PS_SOLID, 1, kAxisColour);
    HGDIOBJ penBefore = SelectObject(dc, grid);
    for (int tick = 0; tick < kValueTicks; ++tick) {
        const int value =
            kSnrAxisMinimum + (kSnrAxisMaximum - kSnrAxisMinimum) * tick / (kValueTicks - 1);
        const int y = plot.bottom - HeightOf(value, plot.bottom - plot.top);
        Line(dc, plot.left, y, plot.right, y);
        Write(dc, std::to_wstring(value), {0, y - half, plot.left - half / 2, y + half},
              DT_RIGHT | DT_VCENTER);
    }
    SelectObject(dc, axis);
    Line(dc, plot.left, plot.top, plot.left, plot.bottom);
    Line(dc, plot.left, plot.bottom, plot.right, plot.bottom);
    SelectObject(dc, penBefore);
    DeleteObject(grid);
    DeleteObject(axis);

    for (size_t i = 0; i < bars_.size(); ++i) {
        const TSnrBar& bar = bars_[i];
        const RECT& column = layout.Bars[i];
        const RECT& label = layout.Labels[i];
        Fill(dc, column, ToColorRef(bar.Colour));
        // The placeholders of an unfilled chart carry no value.
        if (valueMarksVisible_ && bar.Label != kSnrPlaceholderLabel)
            Write(dc, std::to_wstring(bar.Value),
                  {label.left, column.top - layout.LineHeight, label.right, column.top},
                  DT_CENTER | DT_BOTTOM);
        const std::wstring text = Wide(bar.Label);
        if (!layout.StackedLabels) {
            Write(dc, text, label, DT_CENTER | DT_TOP);
            continue;
        }
        for (size_t line = 0; line < text.size(); ++line) {
            const int top = label.top + static_cast<int>(line) * layout.LineHeight;
            Write(dc, text.substr(line, 1), {label.left, top, label.right, top + layout.LineHeight},
                  DT_CENTER | DT_TOP);
        }
    }
}
