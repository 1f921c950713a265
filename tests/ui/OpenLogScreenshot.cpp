// A recorded log opened in the window: the whole program on a real display (Xvfb) replays
// a captured GPS log at ten times its pace until the GPS STATUS page shows its fix and sky,
// pauses, and the window is saved as a picture for the README.
#include "ScreenshotFixture.h"
#include "SkyMapWidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const std::string kCapture =
    std::string(T360KV_TEST_DATA_DIR) + "/nmea/captures/gpsd/st-teseo-liv3f.log";
constexpr int kTenTimes = 1; // the speed selector's "10x"

class OpenLogScreenshot : public ScreenshotFixture {};

TEST_F(OpenLogScreenshot, ThePagesFillFromTheLog) {
    Configurator program;
    program.View().AnswerMessagesWith([](auto&&...) { return TMessageAnswer::Ok; });
    program.View().AnswerOpenFileWith([](std::string& fileName) {
        fileName = kCapture;
        return true;
    });
    MainWindow& window = program.Window();
    window.resize(960, 640);
    window.show();
    program.View().SetActivePage(TControl::PageControlMain, pgDiagnostics);
    program.View().SetActivePage(TControl::PageControlDiagnosis, pgGpsStatus);
    program.View().SetItemIndex(TControl::ComboBoxReplaySpeed, kTenTimes);
    program.Controller().OpenLogChosen();

    auto field = [&](const char* name) {
        return window.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    };
    auto* map = window.findChild<TPaintSatelliteChart*>(QStringLiteral("SatelliteMap"));
    ASSERT_NE(map, nullptr);
    auto symbolOnMap = [&] {
        auto* symbol = map->findChild<TPaintSatellite*>(QStringLiteral("SatelliteSymbol0"));
        return symbol->isVisible() && symbol->pos() != QPoint(-10, -10);
    };
    ASSERT_TRUE(ProcessEventsUntil(
        [&] { return field("lblEdtGpsFixMode") == "3D" && symbolOnMap(); }, 20000));
    // Part of the way through, paused: the bar shows where the replay stands.
    const TReplayProgress progress = program.Controller().Replay().Replay().Progress();
    ASSERT_LT(progress.Position, progress.Size) << "the log ended before its fix showed";
    window.findChild<QPushButton*>(QStringLiteral("ButtonReplayPause"))->click();
    ProcessEventsUntil([] { return false; }, 300);

    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("LabelConnectionStatus"))->text(),
              "Replaying st-teseo-liv3f.log");
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("ButtonReplayPause"))->text(),
              "Resume");
    SavePicture(window);
}

} // namespace
