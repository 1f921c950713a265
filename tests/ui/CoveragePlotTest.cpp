// The coverage plot as drawn: a sector is filled out to its farthest station and no
// farther, clockwise from north, and a sector where nothing was heard stays as it was.
#include "CoveragePlot.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int kSize = 320;

TCoverageView EmptyCoverage() {
    TCoverageView coverage;
    coverage.HasOwnPosition = true;
    coverage.RingStepNm = 5;
    coverage.RingCount = 4; // the outermost ring at 20 NM
    coverage.BandTitles = {"0-5 NM", "5-10 NM", "10-20 NM", "20-40 NM", "40+ NM"};
    return coverage;
}

class CoveragePlotTest : public testing::Test {
protected:
    CoveragePlotTest() : plot_(nullptr) {
        plot_.resize(kSize, kSize + 160);
        plot_.show();
    }

    QImage Drawn(const TCoverageView& coverage) {
        plot_.Show(coverage);
        return plot_.grab().toImage();
    }
    // The pixel of a point at `bearing` degrees clockwise from north, `nm` from the receiver,
    // worked out here from the centre and the outermost ring's radius (20 NM).
    QPoint At(double bearing, double nm) const {
        const double radians = bearing * std::numbers::pi / 180;
        const double pixels = plot_.OuterRadius() * nm / 20;
        const QPointF centre = plot_.Centre();
        return QPointF(centre.x() + pixels * std::sin(radians),
                       centre.y() - pixels * std::cos(radians))
            .toPoint();
    }

    CoveragePlot plot_;
};

TEST_F(CoveragePlotTest, FillsASectorClockwiseFromNorthOutToItsFarthestStation) {
    const QImage blank = Drawn(EmptyCoverage());
    // Sample between the rings (at 7.5 and 17.5 NM) and in the middle of a sector, away
    // from the lines and labels.
    const struct {
        int sector;
        double north; // the bearing of the sector's middle
    } cases[] = {{0, 5}, {8, 85}, {9, 95}, {17, 175}, {20, 205}, {27, 275}, {35, 355}};
    for (const auto& item : cases) {
        SCOPED_TRACE(item.sector);
        TCoverageView coverage = EmptyCoverage();
        coverage.FarthestNm[static_cast<size_t>(item.sector)] = 12;
        coverage.FarthestMmsi[static_cast<size_t>(item.sector)] = 416000101;
        const QImage drawn = Drawn(coverage);

        const QPoint inside = At(item.north, 7.5);
        const QPoint beyond = At(item.north, 17.5);
        const QPoint mirrored = At(360 - item.north, 7.5);
        const QPoint opposite = At(item.north + 180, 7.5);
        EXPECT_NE(drawn.pixel(inside), blank.pixel(inside)) << "sector not filled";
        EXPECT_EQ(drawn.pixel(beyond), blank.pixel(beyond)) << "filled beyond the farthest";
        EXPECT_EQ(drawn.pixel(mirrored), blank.pixel(mirrored)) << "filled counter-clockwise";
        EXPECT_EQ(drawn.pixel(opposite), blank.pixel(opposite)) << "filled on the far side";
    }
}

// A station beyond the outermost ring fills its sector to the edge, never past the plot.
TEST_F(CoveragePlotTest, StopsAFarStationAtTheOutermostRing) {
    const QImage blank = Drawn(EmptyCoverage());
    TCoverageView coverage = EmptyCoverage();
    coverage.FarthestNm[9] = 400;
    const QImage drawn = Drawn(coverage);

    EXPECT_NE(drawn.pixel(At(95, 19)), blank.pixel(At(95, 19)));
    const QPoint outside = At(95, 20) + QPoint(6, 0);
    EXPECT_EQ(drawn.pixel(outside), blank.pixel(outside));
}

TEST_F(CoveragePlotTest, SaysWhenThereIsNoOwnPosition) {
    TCoverageView coverage = EmptyCoverage();
    const QImage withPosition = Drawn(coverage);
    coverage.HasOwnPosition = false;
    const QImage without = Drawn(coverage);

    // The words lie just below the centre.
    int differing = 0;
    const QPoint centre = plot_.Centre().toPoint();
    for (int y = centre.y() + 2; y < centre.y() + 24; ++y)
        for (int x = centre.x() - 40; x < centre.x() + 40; ++x)
            differing += withPosition.pixel(x, y) != without.pixel(x, y) ? 1 : 0;
    EXPECT_GT(differing, 20);
}

// The legend below the plot changes with the counts it shows.
TEST_F(CoveragePlotTest, ShowsTheCountsBelowThePlot) {
    const QImage before = Drawn(EmptyCoverage());
    const int legendTop = static_cast<int>(plot_.Centre().y() + plot_.OuterRadius()) + 16;
    const struct {
        int band; // -1: the stations without a usable position
    } cases[] = {{0}, {2}, {4}, {-1}};
    for (const auto& item : cases) {
        SCOPED_TRACE(item.band);
        TCoverageView coverage = EmptyCoverage();
        if (item.band < 0)
            coverage.Unusable = 7;
        else
            coverage.BandCounts[static_cast<size_t>(item.band)] = 7;
        const QImage after = Drawn(coverage);
        int firstChangedLine = -1;
        for (int y = legendTop; y < after.height() && firstChangedLine < 0; ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y)) {
                    firstChangedLine = y;
                    break;
                }
        ASSERT_GE(firstChangedLine, 0) << "the count is not drawn";
        // Each line of the legend holds its own count, in band order.
        const int line = (firstChangedLine - legendTop) / plot_.fontMetrics().height();
        EXPECT_EQ(line, item.band < 0 ? kDistanceBands : item.band);
    }
}

} // namespace
