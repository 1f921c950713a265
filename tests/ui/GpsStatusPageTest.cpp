// The GPS STATUS page's sky map and SNR chart on the real widgets: what a completed cycle
// draws, and what the page shows before the first one.
#include "QtColours.h"
#include "SkyMapWidget.h"
#include "SnrChartView.h"
#include "WindowFixture.h"

#include "diagnostics/SatelliteViews.h"

#include <algorithm>
#include <cstdlib>

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>

namespace {

// A cycle with `inView` satellites, PRN firstPrn, firstPrn + 1, ..., of which the first
// `inUse` are used.
SatelliteEpoch Cycle(int inView, int inUse, int firstPrn = 1) {
    SatelliteEpoch epoch{};
    for (int i = 0; i < inView; ++i) {
        epoch.InViewPrn[epoch.InViewCount] = static_cast<int8_t>(firstPrn + i);
        epoch.InViewElevation[epoch.InViewCount] = static_cast<int8_t>(10 + i);
        epoch.InViewAzimuth[epoch.InViewCount] = static_cast<int16_t>(15 * i);
        epoch.InViewSnr[epoch.InViewCount] = static_cast<int8_t>(20 + i);
        ++epoch.InViewCount;
    }
    for (int i = 0; i < inUse; ++i)
        epoch.InUsePrn[epoch.InUseCount++] = static_cast<uint8_t>(firstPrn + i);
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
    // The bars' labels as shown, without the marks that keep repeated labels apart and
    // the line breaks of narrow bars.
    QStringList Labels() {
        QStringList labels = Chart()->LabelAxis()->categories();
        for (QString& label : labels)
            label.remove(QChar(0x200B)).remove(QStringLiteral("<br>"));
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

struct DrawnText {
    QString text;
    QRectF box;
};

// The texts the chart draws, as the scene holds them.
std::vector<DrawnText> DrawnTexts(SnrChartView* chart) {
    std::vector<DrawnText> texts;
    for (QGraphicsItem* item : chart->scene()->items())
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
            texts.push_back({text->toPlainText()
                                 .remove(QChar(0x200B))
                                 .remove(QChar::LineSeparator)
                                 .remove(QLatin1Char('\n')),
                             text->sceneBoundingRect()});
    return texts;
}

TEST_F(GpsStatusPageOnWindow, EveryBarsNumberIsDrawnInFullAtTheDefaultSize) {
    View().SetVisible(TControl::PanelView, true);
    View().SetActivePage(TControl::PageControlMain, pgDiagnostics);
    View().SetActivePage(TControl::PageControlDiagnosis, pgGpsStatus);
    ASSERT_EQ(Window().width(), 800);
    // As many satellites as a cycle holds, with the widest numbers.
    Show(Cycle(kMaxEpochSatellites, 12, 127 - kMaxEpochSatellites + 1));
    QCoreApplication::processEvents();
    ASSERT_EQ(Chart()->Bars()->count(), kMaxEpochSatellites);

    std::vector<DrawnText> texts = DrawnTexts(Chart());
    std::vector<QRectF> boxes;
    for (const QString& label : Labels()) {
        auto drawn = std::find_if(texts.begin(), texts.end(),
                                  [&](const DrawnText& text) { return text.text == label; });
        ASSERT_NE(drawn, texts.end()) << "not drawn in full: " << label.toStdString();
        for (const QRectF& box : boxes)
            EXPECT_FALSE(box.intersects(drawn->box)) << label.toStdString() << " overlaps";
        boxes.push_back(drawn->box);
    }
    for (const DrawnText& text : texts)
        EXPECT_FALSE(text.text.contains(QChar(0x2026)) || text.text.contains("..."))
            << text.text.toStdString();
}

// Pixels of `picture` within `distance` of `colour` in each channel.
int PixelsNear(const QImage& picture, QColor colour, int distance) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            QColor pixel = picture.pixelColor(x, y);
            count += std::abs(pixel.red() - colour.red()) <= distance &&
                             std::abs(pixel.green() - colour.green()) <= distance &&
                             std::abs(pixel.blue() - colour.blue()) <= distance &&
                             pixel.alpha() == 255
                         ? 1
                         : 0;
        }
    return count;
}

TEST(SatelliteSymbolPicture, NumberIsDrawnInTheColourThatReadsOnTheDisc) {
    for (bool inUse : {false, true}) {
        SCOPED_TRACE(inUse ? "in use" : "in view");
        TPaintSatellite symbol(nullptr);
        TSatelliteSymbol data;
        data.InUse = inUse;
        data.Prn = 88;
        symbol.SetSymbol(data);
        QImage picture = symbol.grab().toImage();
        TSymbolDrawing drawing = SymbolDrawing(data);
        EXPECT_GT(PixelsNear(picture, ToQColor(drawing.TextColour), 60), 10) << "no number";
    }
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
