// The AIS STATIONS page's coverage plot, painted into a picture in memory and read back
// pixel by pixel: each sector filled out to its farthest station in its own direction
// (north up, bearings clockwise) and nowhere else, and nothing filled without an own
// position.
#include "Win32Api.h"

#include "Win32CoverageMap.h"
#include "Win32Fonts.h"
#include "Win32GdiPlus.h"
#include "Win32Picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// The plot's size in the window at 96 DPI.
constexpr int kWidth = 266;
constexpr int kHeight = 400;

TRgb Rgb(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

class CoverageDrawing : public testing::Test {
protected:
    CoverageDrawing() : font_(CreateWindowFont(laEnglish, TFontStyle::Normal, 96)) {}
    ~CoverageDrawing() override { DeleteObject(font_); }

    TCoverageLayout Paint(const TCoverageView& coverage) {
        map_.Show(coverage, laEnglish);
        map_.Paint(picture_.Dc(), picture_.Area(), font_);
        return TWin32CoverageMap::Layout(picture_.Dc(), font_, kWidth, kHeight);
    }

    // The pixel at `bearing` degrees clockwise from north, `share` of the radius out.
    TRgb At(const TCoverageLayout& layout, double bearing, double share) const {
        const double angle = bearing * std::numbers::pi / 180;
        const double reach = share * layout.Radius;
        return picture_.At(layout.Centre.x + static_cast<int>(std::lround(reach * std::sin(angle))),
                           layout.Centre.y -
                               static_cast<int>(std::lround(reach * std::cos(angle))));
    }

    TGdiPlusSession gdiPlus_;
    HFONT font_;
    TWin32CoverageMap map_;
    TPicture picture_{kWidth, kHeight};
};

// Rings every 5 NM, four of them: the outermost at 20 NM.
TCoverageView Coverage() {
    TCoverageView coverage;
    coverage.HasOwnPosition = true;
    coverage.RingStepNm = 5;
    coverage.RingCount = 4;
    coverage.BandTitles = {"0-5 NM", "5-10 NM", "10-20 NM", "20-40 NM", "40+ NM"};
    return coverage;
}

struct SectorCase {
    int sector;
    double farthestNm;
};

// Sectors on each side of north and in each quarter, short of the outermost ring and
// beyond it; away from the ring labels right of the north line.
const SectorCase kSectors[] = {
    {3, 12}, {8, 20}, {13, 16}, {17, 12}, {22, 8}, {29, 20}, {33, 30},
};

TEST_F(CoverageDrawing, FillsEachSectorInItsOwnDirectionOutToItsFarthestStation) {
    for (const SectorCase& c : kSectors) {
        SCOPED_TRACE(c.sector);
        TCoverageView coverage = Coverage();
        coverage.FarthestNm[static_cast<size_t>(c.sector)] = c.farthestNm;
        const TCoverageLayout layout = Paint(coverage);
        ASSERT_GT(layout.Radius, 60);
        // Farther than the outermost ring is drawn to the ring.
        const double reach = std::min(1.0, c.farthestNm / 20);
        const double middle = 10.0 * c.sector + 5;
        // Between the rings (at every quarter of the radius), inside the sector's edge.
        for (double share : {0.37, 0.62, 0.87})
            if (share < reach - 0.04) {
                EXPECT_EQ(At(layout, middle, share), Rgb(kCoverageSector)) << "at " << share;
                // The neighbours and the opposite direction stay empty.
                for (double elsewhere : {middle - 10, middle + 10, middle + 180})
                    EXPECT_EQ(At(layout, elsewhere, share), Rgb(kCoverageDisc))
                        << "at bearing " << elsewhere << ", " << share;
            }
        if (reach < 1) {
            EXPECT_EQ(At(layout, middle, reach + 0.07), Rgb(kCoverageDisc));
        }
    }
}

TEST_F(CoverageDrawing, FillsNoSectorWithoutAnOwnPosition) {
    TCoverageView coverage = Coverage();
    coverage.HasOwnPosition = false;
    coverage.FarthestNm.fill(10);
    const TCoverageLayout layout = Paint(coverage);
    const RECT plot{layout.Centre.x - layout.Radius, layout.Centre.y - layout.Radius,
                    layout.Centre.x + layout.Radius, layout.Centre.y + layout.Radius};
    EXPECT_EQ(picture_.Count(plot, Rgb(kCoverageSector)), 0);
    EXPECT_GT(picture_.Count(plot, Rgb(kCoverageDisc)), layout.Radius * layout.Radius);
}

// Every band's title on the left of its cell, its count on the right; also before the
// first coverage, which waits for a station.
TEST_F(CoverageDrawing, LegendNamesEveryBandBeforeAndAfterTheFirstCoverage) {
    for (const bool shown : {false, true}) {
        SCOPED_TRACE(shown ? "shown" : "before the first coverage");
        TWin32CoverageMap map;
        if (shown) {
            TCoverageView coverage = Coverage();
            coverage.BandCounts = {1, 2, 3, 4, 5};
            coverage.Unusable = 6;
            map.Show(coverage, laEnglish);
        }
        TPicture picture(kWidth, kHeight);
        map.Paint(picture.Dc(), picture.Area(), font_);
        const TCoverageLayout layout =
            TWin32CoverageMap::Layout(picture.Dc(), font_, kWidth, kHeight);
        ASSERT_GT(layout.Legend.top, layout.Centre.y + layout.Radius);
        ASSERT_LE(layout.Legend.bottom, kHeight);
        const LONG column = (layout.Legend.right - layout.Legend.left) / 2;
        for (int entry = 0; entry <= kDistanceBands; ++entry) {
            const LONG left = layout.Legend.left + (entry / 3) * column;
            const LONG top = layout.Legend.top + (entry % 3) * layout.LineHeight;
            const LONG bottom = top + layout.LineHeight;
            EXPECT_GT(picture.Count({left, top, left + column / 2, bottom}, {0, 0, 0}, 150), 4)
                << "no title in entry " << entry;
            EXPECT_GT(
                picture.Count({left + column / 2, top, left + column, bottom}, {0, 0, 0}, 150), 4)
                << "no count in entry " << entry;
        }
    }
}

} // namespace
