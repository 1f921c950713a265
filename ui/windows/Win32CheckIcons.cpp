#include "Win32Api.h"

#include "Win32CheckIcons.h"

#include "view/MainView.h"

#include "Win32GdiPlusApi.h"

namespace {

using Gdiplus::Color;
using Gdiplus::PointF;

const Color kCrossRed(255, 0xD0, 0x20, 0x20);
const Color kTickGreen(255, 0x20, 0xA0, 0x30);
const Color kWarningOrange(255, 0xF0, 0x90, 0x10);
const Color kWarningEdge(255, 0xB8, 0x6E, 0x0C);
const Color kMarkBlack(255, 0, 0, 0);

// A pen of `color` with round ends and joins.
class RoundPen : public Gdiplus::Pen {
public:
    RoundPen(const Color& color, float width) : Gdiplus::Pen(color, width) {
        SetLineCap(Gdiplus::LineCapRound, Gdiplus::LineCapRound, Gdiplus::DashCapRound);
        SetLineJoin(Gdiplus::LineJoinRound);
    }
};

} // namespace

void DrawCheckIcon(HDC dc, const RECT& box, int index) {
    Gdiplus::Graphics graphics(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    // Drawn on a 32 x 32 grid, scaled to the box (the window's DPI).
    graphics.TranslateTransform(static_cast<float>(box.left), static_cast<float>(box.top));
    graphics.ScaleTransform(static_cast<float>(box.right - box.left) / 32.0f,
                            static_cast<float>(box.bottom - box.top) / 32.0f);
    switch (index) {
    case ciFailed: {
        RoundPen pen(kCrossRed, 6);
        graphics.DrawLine(&pen, 7.0f, 7.0f, 25.0f, 25.0f);
        graphics.DrawLine(&pen, 25.0f, 7.0f, 7.0f, 25.0f);
        break;
    }
    case ciPassed: {
        RoundPen pen(kTickGreen, 6);
        const PointF tick[] = {{5, 17}, {13, 25}, {27, 7}};
        graphics.DrawLines(&pen, tick, 3);
        break;
    }
    case ciNothingYet: {
        const PointF triangle[] = {{16, 2}, {31, 29}, {1, 29}};
        Gdiplus::SolidBrush fill(kWarningOrange);
        graphics.FillPolygon(&fill, triangle, 3);
        RoundPen edge(kWarningEdge, 1.5f);
        graphics.DrawPolygon(&edge, triangle, 3);
        RoundPen bar(kMarkBlack, 3.5f);
        graphics.DrawLine(&bar, 16.0f, 11.0f, 16.0f, 20.0f);
        Gdiplus::SolidBrush dot(kMarkBlack);
        graphics.FillEllipse(&dot, 14.25f, 23.25f, 3.5f, 3.5f);
        break;
    }
    default:
        break;
    }
}
