// The GPS STATUS page's drawings, painted into pictures in memory and read back pixel by
// pixel: the SNR chart's bars in their colours and heights, its value marks and its PRN
// labels, and the sky map's symbols where the core places them, at 96 and 144 DPI.
#include "Win32Api.h"

#include "Win32Fonts.h"
#include "Win32GdiPlus.h"
#include "Win32Picture.h"
#include "Win32SkyMap.h"
#include "Win32SnrChart.h"
#include "diagnostics/SnrChart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The chart's size in the window at 96 DPI.
constexpr int kChartWidth = 520;
constexpr int kChartHeight = 330;
constexpr TRgb kWhiteGround{255, 255, 255};
constexpr int kInkTolerance = 150; // anti-aliased text still counts as ink

class SnrChartDrawing : public testing::Test {
protected:
    SnrChartDrawing() : font_(CreateWindowFont(laEnglish, TFontStyle::Normal, 96)) {}
    ~SnrChartDrawing() override { DeleteObject(font_); }

    TSnrChartLayout Paint(const std::vector<TSnrBar>& bars, bool marks) {
        chart_.ShowBars(bars, marks);
        chart_.Paint(picture_.Dc(), picture_.Area(), font_);
        return chart_.Layout(picture_.Dc(), font_, kChartWidth, kChartHeight);
    }

    HFONT font_;
    TWin32SnrChart chart_;
    TPicture picture_{kChartWidth, kChartHeight};
};

// `count` bars of `labels` in turn, each of `value`.
std::vector<TSnrBar> Bars(int count, std::vector<std::string> labels, int value = 30) {
    std::vector<TSnrBar> bars;
    for (int i = 0; i < count; ++i)
        bars.push_back({labels[static_cast<size_t>(i) % labels.size()], value, kLime});
    return bars;
}

struct BarCase {
    int value;
    TRgb colour;
    int expectedSixtieths; // the bar's height in 58ths of the plot's, from the axis' range
};

const BarCase kBarCases[] = {
    {41, kLime, 41},
    {29, kBlue, 29},
    {58, kLime, 58},
    {0, kBlue, 0},
    // Above the axis' top the bar stops at the plot's edge instead of covering the marks.
    {80, kBlue, 58},
};

TEST_F(SnrChartDrawing, BarsHaveTheirColourAndAHeightInProportionToTheirValue) {
    for (const BarCase& c : kBarCases) {
        SCOPED_TRACE(c.value);
        std::vector<TSnrBar> bars = InitialSnrBars();
        bars[3] = {"17", c.value, c.colour};
        const TSnrChartLayout layout = Paint(bars, true);
        const RECT& plot = layout.Plot;
        const int plotHeight = plot.bottom - plot.top;
        const int slot = (plot.right - plot.left) / 16;
        const int x = plot.left + 3 * slot + slot / 2;
        int height = 0;
        while (height < kChartHeight && picture_.At(x, plot.bottom - 1 - height) == c.colour)
            ++height;
        const int expected = (plotHeight * c.expectedSixtieths + 29) / 58;
        EXPECT_NEAR(height, expected, 1);
        // Bars stand apart: a bar is narrower than its slot.
        if (height > 0) {
            const RECT row{plot.left + 3 * slot, plot.bottom - 1, plot.left + 4 * slot,
                           plot.bottom};
            const int width = picture_.Count(row, c.colour);
            EXPECT_GT(width, slot / 2);
            EXPECT_LT(width, slot);
        }
        // The placeholders beside it have no height.
        EXPECT_NE(picture_.At(x + slot, plot.bottom - 1), c.colour);
    }
}

TEST_F(SnrChartDrawing, ValueMarksStandAboveTheSatellitesBarsOnlyWhenAsked) {
    std::vector<TSnrBar> bars = InitialSnrBars();
    bars[0] = {"5", 41, kLime};
    bars[1] = {"12", 22, kBlue};
    for (bool marks : {false, true}) {
        SCOPED_TRACE(marks);
        const TSnrChartLayout layout = Paint(bars, marks);
        for (size_t i = 0; i < 3; ++i) {
            const RECT above{layout.Labels[i].left, layout.Bars[i].top - layout.LineHeight,
                             layout.Labels[i].right, layout.Bars[i].top};
            const int ink = picture_.Count(above, kBlack, kInkTolerance);
            // The third bar is a placeholder, which has no value to show.
            if (marks && i < 2)
                EXPECT_GT(ink, 0) << i;
            else
                EXPECT_EQ(ink, 0) << i;
        }
    }
}

struct LabelCase {
    int bars;
    std::vector<std::string> labels;
    bool stacked;
};

const LabelCase kLabelCases[] = {
    {16, {"---"}, false}, // the chart at start
    {12, {"13", "15", "193"}, false},
    {36, {"7", "12", "31"}, true}, // a full sky: narrow bars
    {36, {"193", "88"}, true},
};

TEST_F(SnrChartDrawing, PrnLabelsAreWrittenWholeWithoutOverlapping) {
    HGDIOBJ before = SelectObject(picture_.Dc(), font_);
    for (const LabelCase& c : kLabelCases) {
        SCOPED_TRACE(c.bars);
        const std::vector<TSnrBar> bars = Bars(c.bars, c.labels);
        const TSnrChartLayout layout = Paint(bars, true);
        EXPECT_EQ(layout.StackedLabels, c.stacked);
        SelectObject(picture_.Dc(), font_);
        ASSERT_EQ(layout.Labels.size(), bars.size());
        for (size_t i = 0; i < bars.size(); ++i) {
            const RECT& label = layout.Labels[i];
            EXPECT_GE(label.left, 0);
            EXPECT_LE(label.right, kChartWidth);
            EXPECT_LE(label.bottom, kChartHeight);
            if (i > 0) {
                EXPECT_LE(layout.Labels[i - 1].right, label.left) << i;
            }
            // Every line of the label fits its slot, and the slot holds every line.
            const std::wstring text(bars[i].Label.begin(), bars[i].Label.end());
            std::vector<std::wstring> lines{text};
            if (c.stacked) {
                lines.clear();
                for (wchar_t character : text)
                    lines.emplace_back(1, character);
            }
            for (const std::wstring& line : lines) {
                SIZE size{};
                GetTextExtentPoint32W(picture_.Dc(), line.c_str(), static_cast<int>(line.size()),
                                      &size);
                EXPECT_LE(size.cx, label.right - label.left) << bars[i].Label;
            }
            EXPECT_GE(label.bottom - label.top,
                      static_cast<LONG>(lines.size()) * layout.LineHeight);
            EXPECT_GT(picture_.Count(label, kBlack, kInkTolerance), 0) << bars[i].Label;
        }
        // The labels lie below the plot.
        EXPECT_GT(layout.Labels[0].top, layout.Plot.bottom);
    }
    SelectObject(picture_.Dc(), before);
}

struct SymbolCase {
    int prn;
    int azimuth;
    int elevation;
    bool inUse;
};

const SymbolCase kSymbolCases[] = {
    {5, 0, 0, true},                            // north, on the rim: its disc is partly off the map
    {12, 90, 45, false},                        // east, half way up
    {20, 225, 30, true}, {193, 300, 80, false}, // three digits
    {7, 10, 90, true},                          // the zenith
};

class SkyMapDrawing : public testing::TestWithParam<UINT> {
protected:
    TGdiPlusSession gdiPlus_;
};

TEST_P(SkyMapDrawing, SymbolsStandWhereTheCorePlacesThemWithReadableNumbers) {
    const UINT dpi = GetParam();
    const auto scaled = [dpi](int value) { return MulDiv(value, static_cast<int>(dpi), 96); };
    TPicture picture(scaled(198), scaled(200));
    TWin32SkyMap map;
    // The first painting draws the map and tells its size at 96 DPI.
    const std::optional<SIZE> drawn = map.Paint(picture.Dc(), picture.Area(), dpi);
    ASSERT_TRUE(drawn.has_value());
    EXPECT_EQ(drawn->cx, 198);
    EXPECT_EQ(drawn->cy, 200);

    TSatelliteSymbols symbols;
    symbols.SetMapSize(drawn->cx, drawn->cy);
    for (size_t i = 0; i < std::size(kSymbolCases); ++i) {
        const SymbolCase& c = kSymbolCases[i];
        symbols.SetSatellite(static_cast<int>(i), c.prn, c.azimuth, c.elevation, c.inUse);
    }
    symbols.ShowFirst(static_cast<int>(std::size(kSymbolCases)));
    map.ShowSymbols(symbols.Symbols());
    EXPECT_FALSE(map.Paint(picture.Dc(), picture.Area(), dpi).has_value())
        << "the map of the same size is not drawn again";

    for (size_t i = 0; i < std::size(kSymbolCases); ++i) {
        const SymbolCase& c = kSymbolCases[i];
        SCOPED_TRACE(c.prn);
        const TPixel at = PolarToPoint(symbols.Geometry(), c.azimuth, c.elevation);
        const TRgb fill = SatelliteColour(c.inUse);
        // Above the number, inside the disc.
        EXPECT_EQ(picture.At(scaled(at.X), scaled(at.Y - 6)), fill);
        // The number, in black or white as reads on the fill.
        const RECT number{scaled(at.X - 7), scaled(at.Y - 5), scaled(at.X + 7), scaled(at.Y + 5)};
        EXPECT_GT(picture.Count(number, ReadableTextColour(fill), kInkTolerance), scaled(4));
    }
}

TEST_P(SkyMapDrawing, DirectionLabelsAreGreyBoxesWithBlackEdges) {
    const UINT dpi = GetParam();
    const auto scaled = [dpi](int value) { return MulDiv(value, static_cast<int>(dpi), 96); };
    TPicture picture(scaled(198), scaled(200));
    TWin32SkyMap map;
    map.Paint(picture.Dc(), picture.Area(), dpi);
    const TSkyMapLayout layout = LayoutSkyMap(198, 200);
    for (const TDirectionLabel& label : layout.Labels) {
        SCOPED_TRACE(label.Letter);
        const TRectShape& box = label.Box;
        EXPECT_EQ(picture.At(scaled(box.Left) + 1, scaled(box.Top) + 1), kGrey);
        // The edge, one pixel wide or more, wherever scaling puts it.
        const int middle = scaled((box.Top + box.Bottom) / 2);
        EXPECT_GT(
            picture.Count({scaled(box.Left) - 1, middle, scaled(box.Left) + 2, middle + 1}, kBlack),
            0);
        // The letter in white.
        const RECT inside{scaled(box.Left) + 2, scaled(box.Top) + 2, scaled(box.Right) - 2,
                          scaled(box.Bottom) - 2};
        EXPECT_GT(picture.Count(inside, kWhite, kInkTolerance), 3);
    }
    // Outside the globe, at the corner, the ground stays white.
    EXPECT_EQ(picture.At(1, 1), kWhiteGround);
}

INSTANTIATE_TEST_SUITE_P(AtDpi, SkyMapDrawing, testing::Values(96u, 144u));

} // namespace
