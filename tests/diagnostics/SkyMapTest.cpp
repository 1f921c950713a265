// The sky map's geometry, the satellite symbols and the SNR chart's bars.
#include "diagnostics/SatelliteViews.h"

#include <gtest/gtest.h>

namespace {

// The map control fills its 198 x 200 panel.
constexpr int kMapWidth = 198;
constexpr int kMapHeight = 200;

TEST(SkyMap, GeometryOfTheMapControl) {
    TSkyMapLayout layout = LayoutSkyMap(kMapWidth, kMapHeight);
    EXPECT_EQ(layout.Geometry.CenterX, 99);
    EXPECT_EQ(layout.Geometry.CenterY, 100);
    EXPECT_EQ(layout.Geometry.Radius, 91);
    ASSERT_EQ(layout.Rings.size(), 2u);
    EXPECT_EQ(layout.Rings[0].Radius, 30);
    EXPECT_EQ(layout.Rings[1].Radius, 60);
    EXPECT_EQ(layout.Cross[0].From, (TPixel{8, 100}));
    EXPECT_EQ(layout.Cross[0].To, (TPixel{190, 100}));
    EXPECT_EQ(layout.Cross[1].From, (TPixel{99, 9}));
    EXPECT_EQ(layout.Cross[1].To, (TPixel{99, 191}));
}

TEST(SkyMap, DirectionLabels) {
    struct Case {
        char letter;
        TPixel text;
        TRectShape box;
    };
    // x, y from the centre (99, 100) and radius 91; "W" is written 2 pixels left of x.
    const Case cases[] = {
        {'N', {95, 5}, {92, 4, 108, 22}},
        {'S', {95, 183}, {91, 181, 107, 199}},
        {'E', {182, 96}, {178, 94, 194, 112}},
        {'W', {2, 96}, {0, 94, 16, 112}},
    };
    TSkyMapLayout layout = LayoutSkyMap(kMapWidth, kMapHeight);
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(layout.Labels[i].Letter, cases[i].letter);
        EXPECT_EQ(layout.Labels[i].Text, cases[i].text) << cases[i].letter;
        EXPECT_EQ(layout.Labels[i].Box, cases[i].box) << cases[i].letter;
    }
}

TEST(SkyMap, PolarToPointPixels) {
    struct Case {
        int azimuth, elevation;
        TPixel point;
    };
    // clang-format off
    const Case cases[] = {
        // The constant for one degree is slightly large: north lands one pixel left.
        {0, 0, {98, 9}},     {90, 0, {189, 99}},  {180, 0, {99, 190}},  {270, 0, {8, 100}},
        {45, 45, {131, 67}}, {0, 90, {99, 100}},  {217, 90, {99, 100}}, {360, 0, {98, 9}},
        {-90, 0, {8, 100}},  {0, -90, {98, -81}},
        // The distance from the centre keeps its fraction (91 x 44 / 90 is 44.49, not 44):
        // rounded to whole pixels first, each of these lands a pixel off.
        {54, 44, {136, 72}},  {114, 11, {171, 132}}, {165, 72, {103, 117}},
        {195, 68, {93, 121}}, {247, 71, {81, 107}},  {325, 73, {89, 85}},
        {351, 55, {93, 65}},  {0, 95, {99, 105}},   {63, -10, {189, 54}},
    };
    // clang-format on
    TSkyMapGeometry map = ComputeGeometry(kMapWidth, kMapHeight);
    for (const Case& c : cases)
        EXPECT_EQ(PolarToPoint(map, c.azimuth, c.elevation), c.point)
            << c.azimuth << "/" << c.elevation;
}

TEST(SatelliteSymbols, SymbolDrawing) {
    TSatelliteSymbol symbol;
    symbol.Prn = 7;
    symbol.InUse = true;
    TSymbolDrawing oneDigit = SymbolDrawing(symbol);
    EXPECT_EQ(oneDigit.Center, (TPixel{10, 10}));
    EXPECT_EQ(oneDigit.Radius, 9);
    EXPECT_EQ(oneDigit.Fill, kLime);
    EXPECT_EQ(oneDigit.Outline, kSilver);
    EXPECT_EQ(oneDigit.Text, "7");
    EXPECT_EQ(oneDigit.TextAt, (TPixel{6, 3}));
    symbol.Prn = 123;
    symbol.InUse = false;
    TSymbolDrawing threeDigits = SymbolDrawing(symbol);
    EXPECT_EQ(threeDigits.Fill, kBlue);
    EXPECT_EQ(threeDigits.TextAt, (TPixel{3, 3}));
}

TEST(SatelliteSymbols, ContrastRatioOfKnownPairs) {
    struct Case {
        TRgb first, second;
        double ratio;
    };
    const Case cases[] = {
        {kBlack, kWhite, 21.0}, {kWhite, kBlack, 21.0}, {kBlue, kBlue, 1.0},
        {kBlack, kBlue, 2.44},  {kWhite, kBlue, 8.59},  {kBlack, kLime, 15.3},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ContrastRatio(c.first, c.second), c.ratio, 0.01 * c.ratio);
}

TEST(SatelliteSymbols, NumberReadsOnEverySymbolColour) {
    for (bool inUse : {false, true}) {
        TSatelliteSymbol symbol;
        symbol.InUse = inUse;
        symbol.Prn = 12;
        TSymbolDrawing drawing = SymbolDrawing(symbol);
        EXPECT_GE(ContrastRatio(drawing.TextColour, drawing.Fill), 4.5) << "in use " << inUse;
    }
}

TEST(SatelliteSymbols, PlacedOnTheMapsGeometry) {
    TSatelliteSymbols symbols;
    symbols.SetSatellite(0, 5, 0, 0, true);
    EXPECT_EQ(symbols.Symbols()[0].Left, -10) << "no size yet: radius 0, centre (0, 0)";
    EXPECT_EQ(symbols.Symbols()[0].Top, -10);
    symbols.SetMapSize(kMapWidth, kMapHeight);
    EXPECT_EQ(symbols.Symbols()[0].Left, 88) << "placed again when the size is known";
    EXPECT_EQ(symbols.Symbols()[0].Top, -1);
    symbols.SetSatellite(32, 9, 90, 0, true);
    symbols.SetSatellite(-1, 9, 90, 0, true);
    for (const TSatelliteSymbol& symbol : symbols.Symbols())
        EXPECT_NE(symbol.Prn, 9);
}

// A cycle of `inView` satellites with PRNs 1, 2, ..., of which PRNs 1 to `inUse` are used.
SatelliteEpoch Cycle(int inView, int inUse) {
    SatelliteEpoch epoch{};
    for (int i = 0; i < inView; ++i) {
        epoch.InViewPrn[i] = static_cast<int8_t>(i + 1);
        epoch.InViewSnr[i] = static_cast<int8_t>(20 + i);
        epoch.InViewAzimuth[i] = static_cast<int16_t>(i * 10);
        epoch.InViewElevation[i] = 30;
    }
    epoch.InViewCount = static_cast<uint8_t>(inView);
    for (int i = 0; i < inUse; ++i)
        epoch.InUsePrn[i] = static_cast<uint8_t>(i + 1);
    epoch.InUseCount = static_cast<uint8_t>(inUse);
    return epoch;
}

int VisibleSymbols(const TSatelliteViews& views) {
    int count = 0;
    for (const TSatelliteSymbol& symbol : views.Symbols().Symbols())
        count += symbol.Visible ? 1 : 0;
    return count;
}

TEST(SatelliteViews, StartWithPlaceholderBarsAndNoSymbols) {
    TSatelliteViews views;
    ASSERT_EQ(views.Bars().size(), 16u);
    for (const TSnrBar& bar : views.Bars())
        EXPECT_EQ(bar, (TSnrBar{"---", 0, kBlue}));
    EXPECT_EQ(VisibleSymbols(views), 0);
    EXPECT_FALSE(views.ValueMarksVisible());
}

TEST(SatelliteViews, BarsAndSymbolsOfACycle) {
    TSatelliteViews views;
    views.Symbols().SetMapSize(kMapWidth, kMapHeight);
    views.RefreshSatelliteViews(Cycle(5, 3));
    const std::vector<TSnrBar>& bars = views.Bars();
    ASSERT_EQ(bars.size(), 16u);
    EXPECT_EQ(bars[0], (TSnrBar{"1", 20, kLime}));
    EXPECT_EQ(bars[2], (TSnrBar{"3", 22, kLime}));
    EXPECT_EQ(bars[3], (TSnrBar{"4", 23, kBlue}));
    EXPECT_EQ(bars[4], (TSnrBar{"5", 24, kBlue}));
    for (size_t i = 5; i < bars.size(); ++i)
        EXPECT_EQ(bars[i].Label, "---");
    EXPECT_TRUE(views.ValueMarksVisible());
    EXPECT_EQ(VisibleSymbols(views), 5);
    EXPECT_TRUE(views.Symbols().Symbols()[2].InUse);
    EXPECT_FALSE(views.Symbols().Symbols()[3].InUse);
    EXPECT_EQ(views.InViewText(), "5");
    EXPECT_EQ(views.InUseText(), "3");
}

TEST(SatelliteViews, ManySatellitesThenFew) {
    TSatelliteViews views;
    views.RefreshSatelliteViews(Cycle(36, 0));
    EXPECT_EQ(views.Bars().size(), 36u) << "every satellite gets a bar";
    EXPECT_EQ(views.Bars().back().Label, "36");
    EXPECT_EQ(VisibleSymbols(views), 32) << "the map shows 32 at most";

    views.RefreshSatelliteViews(Cycle(20, 0));
    EXPECT_EQ(views.Bars().size(), 20u) << "no placeholders after 16 satellites";

    views.RefreshSatelliteViews(Cycle(3, 0));
    EXPECT_EQ(VisibleSymbols(views), 3);
    EXPECT_FALSE(views.Symbols().Symbols()[3].Visible);
    EXPECT_EQ(views.InViewText(), "3");
}

} // namespace
