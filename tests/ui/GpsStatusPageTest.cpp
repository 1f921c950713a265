// The GPS STATUS page's sky map and SNR chart on the real widgets: what a completed cycle
// draws, and what the page shows before the first one.
#include "SkyMapWidget.h"
#include "SnrChart.h"
#include "WindowFixture.h"

#include "diagnostics/SatelliteViews.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>

namespace {

// A cycle with `inView` satellites, PRN 1, 2, ..., of which the first `inUse` are used.
SatelliteEpoch Cycle(int inView, int inUse) {
    SatelliteEpoch epoch{};
    for (int i = 0; i < inView; ++i) {
        epoch.InViewPrn[epoch.InViewCount] = static_cast<int8_t>(i + 1);
        epoch.InViewElevation[epoch.InViewCount] = static_cast<int8_t>(10 + i);
        epoch.InViewAzimuth[epoch.InViewCount] = static_cast<int16_t>(15 * i);
        epoch.InViewSnr[epoch.InViewCount] = static_cast<int8_t>(20 + i);
        ++epoch.InViewCount;
    }
    for (int i = 0; i < inUse; ++i)
        epoch.InUsePrn[epoch.InUseCount++] = static_cast<uint8_t>(i + 1);
    return epoch;
}

class GpsStatusPageOnWindow : public WindowFixture {
protected:
    void Show(const SatelliteEpoch& epoch) {
        views_.RefreshSatelliteViews(epoch);
        View().ShowSatelliteViews(
            {views_.Bars(), views_.ValueMarksVisible(), views_.Symbols().Symbols()});
    }
    SnrChartView* Chart() { return Find<SnrChartView>("Chart1"); }
    // The bars' labels as shown, without the marks that keep repeated labels apart.
    QStringList Labels() {
        QStringList labels = Chart()->LabelAxis()->categories();
        for (QString& label : labels)
            label.remove(QChar(0x200B));
        return labels;
    }
    std::vector<bool> SymbolsShown() {
        std::vector<bool> shown;
        for (int i = 0; i < kSymbolCount; ++i)
            shown.push_back(Find<TPaintSatellite>(
                                QStringLiteral("SatelliteSymbol%1").arg(i).toLatin1().constData())
                                ->isVisibleTo(Find<TPaintSatelliteChart>("SatelliteMap")));
        return shown;
    }
    static std::vector<bool> FirstShown(int count) {
        std::vector<bool> shown(kSymbolCount, false);
        std::fill_n(shown.begin(), count, true);
        return shown;
    }

    TSatelliteViews views_;
};

TEST_F(GpsStatusPageOnWindow, StartsWithSixteenPlaceholderBarsAndNoSymbols) {
    QBarSet* bars = Chart()->Bars();
    ASSERT_EQ(bars->count(), 16);
    EXPECT_EQ(Labels(), QStringList(16, QStringLiteral("---")));
    for (int i = 0; i < bars->count(); ++i) {
        EXPECT_EQ(bars->at(i), 0.0) << i;
        EXPECT_FALSE(bars->isBarSelected(i)) << i;
    }
    EXPECT_FALSE(Chart()->Series()->isLabelsVisible());
    EXPECT_EQ(SymbolsShown(), FirstShown(0));
}

TEST_F(GpsStatusPageOnWindow, CycleDrawsLimeBarsInUseBlueOthersAndPlaceholders) {
    Show(Cycle(5, 3));
    QBarSet* bars = Chart()->Bars();
    ASSERT_EQ(bars->count(), 16);
    QStringList expected = {"1", "2", "3", "4", "5"};
    while (expected.size() < 16)
        expected.append(QStringLiteral("---"));
    EXPECT_EQ(Labels(), expected);
    EXPECT_EQ(bars->color(), QColor(0, 0, 255));
    EXPECT_EQ(bars->selectedColor(), QColor(0, 255, 0));
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(bars->isBarSelected(i), i < 3) << i;
        EXPECT_EQ(bars->at(i), i < 5 ? 20 + i : 0) << i;
    }
    EXPECT_TRUE(Chart()->Series()->isLabelsVisible());
    EXPECT_EQ(SymbolsShown(), FirstShown(5));
}

TEST_F(GpsStatusPageOnWindow, TwentySatellitesNeedNoPlaceholders) {
    Show(Cycle(20, 0));
    ASSERT_EQ(Chart()->Bars()->count(), 20);
    EXPECT_FALSE(Labels().contains(QStringLiteral("---")));
}

TEST_F(GpsStatusPageOnWindow, SmallerCycleHidesTheSymbolsItNoLongerHas) {
    Show(Cycle(20, 4));
    EXPECT_EQ(SymbolsShown(), FirstShown(20));
    Show(Cycle(3, 1));
    EXPECT_EQ(SymbolsShown(), FirstShown(3));
    EXPECT_EQ(Chart()->Bars()->count(), 16);
}

TEST_F(GpsStatusPageOnWindow, SymbolsStandWhereTheControllerPlacedThem) {
    views_.Symbols().SetMapSize(198, 200);
    SatelliteEpoch epoch = Cycle(1, 1);
    epoch.InViewAzimuth[0] = 90;
    epoch.InViewElevation[0] = 0;
    Show(epoch);
    auto* symbol = Find<TPaintSatellite>("SatelliteSymbol0");
    EXPECT_EQ(symbol->pos(), QPoint(179, 89));
    EXPECT_EQ(symbol->size(), QSize(20, 20));
    EXPECT_EQ(symbol->Symbol().Prn, 1);
    EXPECT_TRUE(symbol->Symbol().InUse);
}

// Each direction label is a box of 16 x 18 pixels (its right and bottom edges outside it)
// whose black outline stays whole: the letter is written inside. (Written further left
// than its place, the "W" would cover its box's left edge.)
TEST(SkyMapDrawing, LettersStayInsideTheirBoxes) {
    TPaintSatelliteChart map(nullptr);
    map.resize(198, 200);
    QImage drawn = map.grab().toImage();
    const QRgb outline = qRgb(0, 0, 0);
    for (const TDirectionLabel& label : LayoutSkyMap(198, 200).Labels) {
        const TRectShape& box = label.Box;
        for (int y = box.Top; y < box.Bottom; ++y) {
            EXPECT_EQ(drawn.pixel(box.Left, y), outline) << label.Letter << " left edge, y " << y;
            EXPECT_EQ(drawn.pixel(box.Right - 1, y), outline)
                << label.Letter << " right edge, y " << y;
        }
        for (int x = box.Left; x < box.Right; ++x) {
            EXPECT_EQ(drawn.pixel(x, box.Top), outline) << label.Letter << " top edge, x " << x;
            EXPECT_EQ(drawn.pixel(x, box.Bottom - 1), outline)
                << label.Letter << " bottom edge, x " << x;
        }
        EXPECT_NE(drawn.pixel(box.Right, box.Top + 8), outline) << label.Letter << " beyond";
    }
}

} // namespace
