// The GPS STATUS page as a newcomer sees it: the whole program on a real display (Xvfb),
// connected to the receiver simulator, until the page shows a fix, the sky map's symbols
// and the SNR chart's bars; the window is then saved as a picture for the README.
#include "ScreenshotFixture.h"
#include "SkyMapWidget.h"
#include "SnrChartView.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtCharts/QBarSet>

#include <gtest/gtest.h>

namespace {

// 2025-02-27 16:00 UTC: for minutes on, the simulated sky has satellites in use and at
// least two tracked below the elevation the receiver uses.
constexpr char kSkyWithLowSatellites[] = "1740672000";

// Pixels of exactly `colour` in `image`.
int CountPixels(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
    return count;
}

class GpsStatusScreenshot : public ScreenshotFixture {
protected:
    QString Field(Configurator& program, const char* name) {
        return program.Window().findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
};

TEST_F(GpsStatusScreenshot, PageShowsTheFixTheSkyAndTheBars) {
    Configurator program;
    program.View().AnswerMessagesWith([](auto&&...) { return TMessageAnswer::Ok; });
    MainWindow& window = program.Window();
    window.resize(960, 640);
    window.show();

    // A moment when some satellites are low enough to be in view but not in use.
    ASSERT_NO_FATAL_FAILURE(ConnectToSimulator(program, {"--start", kSkyWithLowSatellites}));
    program.View().SetActivePage(TControl::PageControlMain, pgDiagnostics);
    program.View().SetActivePage(TControl::PageControlDiagnosis, pgGpsStatus);

    auto* map = window.findChild<TPaintSatelliteChart*>(QStringLiteral("SatelliteMap"));
    auto* chart = window.findChild<SnrChartView*>(QStringLiteral("Chart1"));
    ASSERT_NE(map, nullptr);
    ASSERT_NE(chart, nullptr);
    // Symbols are placed on the map once it has been drawn: wait for a refresh after it.
    auto symbolOnMap = [&] {
        auto* symbol = map->findChild<TPaintSatellite*>(QStringLiteral("SatelliteSymbol0"));
        return symbol->isVisible() && symbol->pos() != QPoint(-10, -10);
    };
    ASSERT_TRUE(ProcessEventsUntil(
        [&] { return Field(program, "lblEdtGpsFixMode") == "3D" && symbolOnMap(); }, 20000))
        << sim_->Log();

    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}/\\d\\d/\\d\\d$"))
                    .match(Field(program, "lblEdtGpsUtcDate"))
                    .hasMatch());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"))
                    .match(Field(program, "lblEdtGpsUtcTime"))
                    .hasMatch());
    EXPECT_TRUE(QRegularExpression(QString::fromUtf8("^ ?\\d+°\\d\\d\\.\\d{4}'[NS]$"))
                    .match(Field(program, "lblEdtGpsLat"))
                    .hasMatch())
        << Field(program, "lblEdtGpsLat").toStdString();
    EXPECT_TRUE(QRegularExpression(QString::fromUtf8("^ *\\d+°\\d\\d\\.\\d{4}'[EW]$"))
                    .match(Field(program, "lblEdtGpsLon"))
                    .hasMatch());

    QImage bars = chart->grab().toImage();
    EXPECT_GT(CountPixels(bars, QColor(0, 255, 0)), 100) << "no lime bars";
    EXPECT_GT(CountPixels(bars, QColor(0, 0, 255)), 100) << "no blue bars";
    QImage sky = map->grab().toImage();
    EXPECT_GT(CountPixels(sky, QColor(0, 255, 0)) + CountPixels(sky, QColor(0, 0, 255)), 50)
        << "no symbols on the sky map";

    SavePicture(window);
}

} // namespace
