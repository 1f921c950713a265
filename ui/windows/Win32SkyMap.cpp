#include "Win32Api.h"

#include "Win32SkyMap.h"

#include "Win32Fonts.h"
#include "Win32GdiPlusApi.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <string>

namespace {

using Gdiplus::Color;
using Gdiplus::PointF;
using Gdiplus::REAL;

Color ToColor(TRgb colour) {
    return Color(255, colour.R, colour.G, colour.B);
}

// The globe is drawn on a picture of 200 x 200 and stretched over the whole map.
constexpr REAL kGlobeSize = 200.0f;
constexpr REAL kSphereRadius = 92.0f;
constexpr int kGraticuleLines = 5; // each way, the equator and the central meridian included
// Small enough for a three-digit PRN between the disc's edges.
constexpr REAL kSymbolFontPixels = 11.0f;

// The ocean's colour at `distance` from the light, 0 at the light and 1 at its circle's rim.
Color OceanShade(REAL distance) {
    struct Stop {
        REAL At;
        int R, G, B;
    };
    constexpr Stop kStops[] = {{0.0f, 120, 180, 235}, {0.6f, 30, 90, 170}, {1.0f, 10, 35, 90}};
    size_t upper = 1;
    while (upper + 1 < std::size(kStops) && distance > kStops[upper].At)
        ++upper;
    const Stop& from = kStops[upper - 1];
    const Stop& to = kStops[upper];
    const REAL t = std::clamp((distance - from.At) / (to.At - from.At), 0.0f, 1.0f);
    const auto mix = [t](int a, int b) {
        return static_cast<BYTE>(static_cast<REAL>(a) + (static_cast<REAL>(b - a)) * t + 0.5f);
    };
    return Color(255, mix(from.R, to.R), mix(from.G, to.G), mix(from.B, to.B));
}

// An ocean sphere lit from the upper left, with its lines of latitude and longitude:
// parallels as straight chords, meridians as half-ellipses, the globe seen from the
// equator, so that the map's rings and cross stay the clearest lines.
void DrawGlobe(Gdiplus::Graphics& graphics) {
    const REAL centre = kGlobeSize / 2;
    Gdiplus::GraphicsPath sphere;
    sphere.AddEllipse(centre - kSphereRadius, centre - kSphereRadius, 2 * kSphereRadius,
                      2 * kSphereRadius);
    graphics.SetClip(&sphere);
    // The light falls from a point up and left of the centre: discs around it, from the
    // largest and darkest to the smallest and brightest, shade the sphere smoothly.
    const REAL lightRadius = kSphereRadius * 1.6f;
    const PointF light(centre - 30, centre - 30);
    constexpr int kShades = 64;
    for (int step = 0; step < kShades; ++step) {
        const REAL radius = lightRadius * static_cast<REAL>(kShades - step) / kShades;
        Gdiplus::SolidBrush shade(OceanShade(radius / lightRadius));
        graphics.FillEllipse(&shade, light.X - radius, light.Y - radius, 2 * radius, 2 * radius);
    }
    Gdiplus::Pen line(Color(110, 170, 205, 240), 1.0f);
    for (int i = 1; i < kGraticuleLines * 2; ++i) {
        const REAL offset = kSphereRadius * static_cast<REAL>(i - kGraticuleLines) /
                            static_cast<REAL>(kGraticuleLines);
        graphics.DrawLine(&line, centre - kSphereRadius, centre + offset, centre + kSphereRadius,
                          centre + offset);
        if (offset == 0)
            graphics.DrawLine(&line, centre, centre - kSphereRadius, centre,
                              centre + kSphereRadius);
        else
            graphics.DrawEllipse(&line, centre - std::abs(offset), centre - kSphereRadius,
                                 2 * std::abs(offset), 2 * kSphereRadius);
    }
    graphics.ResetClip();
}

// A font of `face`, or of the window's English texts where that is not installed.
std::unique_ptr<Gdiplus::Font> MakeFont(const std::wstring& face, REAL size, Gdiplus::Unit unit) {
    static const std::wstring english = FontFace(laEnglish);
    Gdiplus::FontFamily wanted(face.c_str());
    Gdiplus::FontFamily fallback(english.c_str());
    return std::make_unique<Gdiplus::Font>(wanted.IsAvailable() ? &wanted : &fallback, size,
                                           Gdiplus::FontStyleRegular, unit);
}

// Text without the space GDI+ leaves around it, so that it stands where the layout says.
const Gdiplus::StringFormat* TightText() {
    return Gdiplus::StringFormat::GenericTypographic();
}

void DrawGrid(Gdiplus::Graphics& graphics, const TSkyMapLayout& layout) {
    Gdiplus::Pen grid(ToColor(kGridPen), 1.0f);
    for (const TCircleShape& ring : layout.Rings)
        graphics.DrawEllipse(&grid, ring.Center.X - ring.Radius, ring.Center.Y - ring.Radius,
                             2 * ring.Radius, 2 * ring.Radius);
    // Straight lines and boxes on whole pixels stay sharp without smoothing.
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeNone);
    for (const TLineShape& line : layout.Cross)
        graphics.DrawLine(&grid, line.From.X, line.From.Y, line.To.X, line.To.Y);

    const auto font = MakeFont(std::wstring(kLabelFont, kLabelFont + std::strlen(kLabelFont)),
                               static_cast<REAL>(kLabelFontPoints), Gdiplus::UnitPoint);
    Gdiplus::SolidBrush box(ToColor(kLabelBrush));
    Gdiplus::Pen outline(ToColor(kLabelPen), 1.0f);
    Gdiplus::SolidBrush letter(ToColor(kLabelTextColour));
    for (const TDirectionLabel& label : layout.Labels) {
        const TRectShape& edges = label.Box;
        graphics.FillRectangle(&box, edges.Left, edges.Top, edges.Right - edges.Left,
                               edges.Bottom - edges.Top);
        // A stroked rectangle covers one pixel more than its size each way.
        graphics.DrawRectangle(&outline, edges.Left, edges.Top, edges.Right - edges.Left - 1,
                               edges.Bottom - edges.Top - 1);
        const wchar_t text[] = {static_cast<wchar_t>(label.Letter), L'\0'};
        graphics.DrawString(
            text, 1, font.get(),
            PointF(static_cast<REAL>(label.Text.X), static_cast<REAL>(label.Text.Y)), TightText(),
            &letter);
    }
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
}

void DrawSymbol(Gdiplus::Graphics& graphics, const TSatelliteSymbol& symbol,
                const Gdiplus::Font& font) {
    const TSymbolDrawing drawing = SymbolDrawing(symbol);
    const auto left = static_cast<REAL>(symbol.Left + drawing.Center.X - drawing.Radius);
    const auto top = static_cast<REAL>(symbol.Top + drawing.Center.Y - drawing.Radius);
    const auto diameter = static_cast<REAL>(2 * drawing.Radius);
    Gdiplus::SolidBrush fill(ToColor(drawing.Fill));
    graphics.FillEllipse(&fill, left, top, diameter, diameter);
    Gdiplus::Pen outline(ToColor(drawing.Outline), 1.0f);
    graphics.DrawEllipse(&outline, left, top, diameter, diameter);
    const std::wstring text(drawing.Text.begin(), drawing.Text.end());
    Gdiplus::SolidBrush ink(ToColor(drawing.TextColour));
    graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), &font,
                        PointF(static_cast<REAL>(symbol.Left + drawing.TextAt.X),
                               static_cast<REAL>(symbol.Top + drawing.TextAt.Y)),
                        TightText(), &ink);
}

REAL Scale(UINT dpi) {
    return static_cast<REAL>(dpi) / 96.0f;
}

} // namespace

TWin32SkyMap::~TWin32SkyMap() {
    if (map_ != nullptr)
        DeleteObject(map_);
}

std::optional<SIZE> TWin32SkyMap::Paint(HDC dc, const RECT& box, UINT dpi) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width <= 0 || height <= 0)
        return std::nullopt;
    std::optional<SIZE> drawn;
    if (map_ == nullptr || width != mapWidth_ || height != mapHeight_ || dpi != mapDpi_) {
        DrawMap(dc, width, height, dpi);
        drawn = SIZE{MulDiv(width, 96, static_cast<int>(dpi)),
                     MulDiv(height, 96, static_cast<int>(dpi))};
    }

    HDC back = CreateCompatibleDC(dc);
    HBITMAP backPicture = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ backBefore = SelectObject(back, backPicture);
    HDC mapDc = CreateCompatibleDC(dc);
    HGDIOBJ mapBefore = SelectObject(mapDc, map_);
    BitBlt(back, 0, 0, width, height, mapDc, 0, 0, SRCCOPY);
    SelectObject(mapDc, mapBefore);
    DeleteDC(mapDc);

    DrawSymbols(back, dpi);
    BitBlt(dc, box.left, box.top, width, height, back, 0, 0, SRCCOPY);
    SelectObject(back, backBefore);
    DeleteObject(backPicture);
    DeleteDC(back);
    return drawn;
}

void TWin32SkyMap::DrawMap(HDC reference, int width, int height, UINT dpi) {
    if (map_ != nullptr)
        DeleteObject(map_);
    map_ = CreateCompatibleBitmap(reference, width, height);
    mapWidth_ = width;
    mapHeight_ = height;
    mapDpi_ = dpi;

    HDC memory = CreateCompatibleDC(reference);
    HGDIOBJ before = SelectObject(memory, map_);
    {
        Gdiplus::Graphics graphics(memory);
        graphics.Clear(ToColor(kWhite));
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
        graphics.ScaleTransform(Scale(dpi), Scale(dpi));
        const int logicalWidth = MulDiv(width, 96, static_cast<int>(dpi));
        const int logicalHeight = MulDiv(height, 96, static_cast<int>(dpi));

        const Gdiplus::GraphicsState unstretched = graphics.Save();
        graphics.ScaleTransform(static_cast<REAL>(logicalWidth) / kGlobeSize,
                                static_cast<REAL>(logicalHeight) / kGlobeSize);
        DrawGlobe(graphics);
        graphics.Restore(unstretched);
        DrawGrid(graphics, LayoutSkyMap(logicalWidth, logicalHeight));
    }
    SelectObject(memory, before);
    DeleteDC(memory);
}

void TWin32SkyMap::DrawSymbols(HDC dc, UINT dpi) const {
    Gdiplus::Graphics graphics(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    graphics.ScaleTransform(Scale(dpi), Scale(dpi));
    const auto font = MakeFont(L"", kSymbolFontPixels, Gdiplus::UnitPixel);
    for (const TSatelliteSymbol& symbol : symbols_)
        if (symbol.Visible)
            DrawSymbol(graphics, symbol, *font);
}
