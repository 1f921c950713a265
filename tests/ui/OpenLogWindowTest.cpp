// File > Open log... in the whole program: the replay bar's controls reach the replay,
// its timer plays the log onto the pages, and the connection bar says what is going on.
#include "StatusLabel.h"
#include "TempFolder.h"
#include "WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest/QTest>

#include <filesystem>

namespace {

const std::string kCapture = std::string(T360KV_TEST_DATA_DIR) + "/nmea/captures/gpsd/ait250.log";

class OpenLogWindow : public WindowFixture {
protected:
    // Chooses File > Open log... and `path` in its dialog.
    void OpenLog(const std::string& path) {
        View().AnswerOpenFileWith([path](std::string& fileName) {
            fileName = path;
            return true;
        });
        Find<QAction>("mnuOpenLog")->trigger();
    }
    void ChooseSpeed(int index) {
        auto* speed = Find<QComboBox>("ComboBoxReplaySpeed");
        speed->setCurrentIndex(index);
        emit speed->activated(index);
    }
    QString Status() { return Find<QLabel>("LabelConnectionStatus")->text(); }
    bool Replaying() { return Controller().Replay().Replay().IsRunning(); }
};

TEST_F(OpenLogWindow, PlaysTheLogOntoThePagesAsFastAsAsked) {
    auto* bar = Find<QWidget>("PanelReplay");
    EXPECT_TRUE(bar->isHidden());
    ChooseSpeed(3); // Max
    OpenLog(kCapture);

    EXPECT_EQ(Status(), "Replaying ait250.log");
    EXPECT_FALSE(bar->isHidden());
    EXPECT_FALSE(Find<QWidget>("PanelView")->isHidden());
    EXPECT_FALSE(Find<QPushButton>("OpenPort")->isEnabled());
    ASSERT_TRUE(ProcessEventsUntil([this] { return !Replaying(); }));

    EXPECT_EQ(Status(), "Click to Connect");
    EXPECT_TRUE(Find<QPushButton>("OpenPort")->isEnabled());
    EXPECT_TRUE(Find<QLabel>("LabelReplayProgress")->text().startsWith("End of log: "));
    auto* progress = Find<QProgressBar>("ProgressBarReplay");
    EXPECT_EQ(progress->value(), progress->maximum());
    EXPECT_NE(Find<QLineEdit>("lblEdtGpsUtcTime")->text(), "");

    QTest::mouseClick(Find<QPushButton>("ButtonReplayStop"), Qt::LeftButton);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_TRUE(Find<QWidget>("PanelView")->isHidden());
}

TEST_F(OpenLogWindow, PauseResumeAndStopReachTheReplay) {
    OpenLog(kCapture); // at the log's own pace: it lasts minutes
    auto* pause = Find<QPushButton>("ButtonReplayPause");
    QTest::mouseClick(pause, Qt::LeftButton);
    EXPECT_TRUE(Controller().Replay().Replay().IsPaused());
    EXPECT_EQ(pause->text(), "Resume");
    QTest::mouseClick(pause, Qt::LeftButton);
    EXPECT_FALSE(Controller().Replay().Replay().IsPaused());
    EXPECT_EQ(pause->text(), "Pause");

    QTest::mouseClick(Find<QPushButton>("ButtonReplayStop"), Qt::LeftButton);
    EXPECT_FALSE(Replaying());
    EXPECT_EQ(Status(), "Click to Connect");
    EXPECT_TRUE(Find<QWidget>("PanelReplay")->isHidden());
}

TEST_F(OpenLogWindow, ALongLogNameIsShortenedInTheStatusAndWholeInItsTip) {
    TempFolder folder;
    const std::string name = "voyage-from-the-north-sea-to-the-baltic-in-november.log";
    std::filesystem::copy_file(kCapture, folder / name);
    OpenLog(folder / name);
    auto* status = Find<StatusLabel>("LabelConnectionStatus");
    EXPECT_EQ(status->text(), QString::fromStdString("Replaying " + name));
    status->grab(); // paints it
    EXPECT_EQ(status->toolTip(), status->text());

    QTest::mouseClick(Find<QPushButton>("ButtonReplayStop"), Qt::LeftButton);
    status->grab();
    EXPECT_EQ(status->toolTip(), "");
}

TEST_F(OpenLogWindow, AMissingLogIsToldAndNothingStarts) {
    TempFolder folder;
    OpenLog(folder / "missing.log");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].caption, "Open log");
    EXPECT_EQ(messages_[0].icon, TMessageIcon::Error);
    EXPECT_EQ(Status(), "Click to Connect");
    EXPECT_TRUE(Find<QWidget>("PanelReplay")->isHidden());
}

} // namespace
