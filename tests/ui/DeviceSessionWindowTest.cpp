// The device session's controls on the real window: Read Device, Program Device and the
// settings pages reach the controller; the about box, the countdown and the progress
// dialog behave as the view operations say.
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

class DeviceSessionWindow : public WindowFixture {
protected:
    DeviceSessionWindow() : WindowFixture({"Simulated Receiver (COM7)"}) {}

    void Connect() {
        QTest::mouseClick(Find<QAbstractButton>("OpenPort"), Qt::LeftButton);
        line_->Receive("[DEVICE DATA END]\r\n");
        ASSERT_TRUE(ProcessEventsUntil([this] { return Controller().Session().IsConnected(); }));
    }
    // What the receiver got since the last call.
    std::string TakeWritten() {
        std::string written = line_->Written();
        std::string fresh = written.substr(seen_);
        seen_ = written.size();
        return fresh;
    }

private:
    size_t seen_ = 0;
};

TEST_F(DeviceSessionWindow, ReadDeviceRequestsTheReport) {
    Connect();
    TakeWritten();
    QTest::mouseClick(Find<QAbstractButton>("SpeedButtonReload"), Qt::LeftButton);
    EXPECT_EQ(TakeWritten(), "$PTST,,,,,17*29\r\n");
    EXPECT_EQ(Controller().Configuration().ReportCountdown(), 5);
}

TEST_F(DeviceSessionWindow, ProgramDeviceSendsTheChosenRates) {
    Connect();
    TakeWritten();
    Find<QComboBox>("cbxBaud_RS232")->setCurrentIndex(4); // 9600
    Find<QComboBox>("cbxBaud_NMEA")->setCurrentIndex(2);  // 4800
    QTest::mouseClick(Find<QAbstractButton>("SpeedButtonSetting"), Qt::LeftButton);
    EXPECT_EQ(TakeWritten(), "$PDBG,38,5,40,6,42,6,,*2D\r\n");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Settings applied.");
}

TEST_F(DeviceSessionWindow, GpsEnableClickEnablesTheGpsMode) {
    Connect();
    Find<QTabWidget>("PageControlConf")->setCurrentIndex(pgInternalGps);
    auto* enable = Find<QAbstractButton>("CheckBoxInternalGPSEnable");
    QTest::mouseClick(enable, Qt::LeftButton);
    EXPECT_TRUE(View().Checked(TControl::CheckBoxInternalGPSEnable));
    EXPECT_TRUE(Find<QWidget>("ComboBoxGPSNavStatus")->isEnabled());
    QTest::mouseClick(enable, Qt::LeftButton);
    EXPECT_FALSE(Find<QWidget>("ComboBoxGPSNavStatus")->isEnabled());
    EXPECT_FALSE(Find<QWidget>("LabelGPSNavStatus")->isEnabled());
}

TEST_F(DeviceSessionWindow, RefreshWaitsOnItsTimerWithTheButtonDisabled) {
    Connect();
    auto* refresh = Find<QAbstractButton>("SpeedButtonClearCheck");
    Find<QTabWidget>("PageControlMain")->setCurrentIndex(pgDiagnostics);
    TakeWritten();
    QTest::mouseClick(refresh, Qt::LeftButton);
    EXPECT_FALSE(refresh->isEnabled());
    EXPECT_EQ(Find<QLabel>("lblValFwVer")->text(), "---------");
    ASSERT_TRUE(ProcessEventsUntil([&] { return refresh->isEnabled(); }));
    EXPECT_EQ(TakeWritten(), "$PTST,,,,,17*29\r\n");
}

TEST_F(DeviceSessionWindow, AboutShowsTheSameBoxWithoutBlockingAndOkHidesIt) {
    auto* about = Find<QDialog>("frmAbout");
    Window().findChild<QAction*>("mnuAbout")->trigger();
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    Window().findChild<QAction*>("mnuAbout")->trigger();
    EXPECT_EQ(Window().findChildren<QDialog*>("frmAbout").size(), 1);
    EXPECT_EQ(Find<QLabel>("Label6")->text(), "Ver 1.0 Build20250227");
    QTest::mouseClick(Find<QAbstractButton>("btnOK"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
}

TEST_F(DeviceSessionWindow, CountdownOfOneSecondShowsOneThenClosesItself) {
    auto* label = Find<QLabel>("LabelTimerRemain");
    // The text once the dialog is up, then after each tick has been handled.
    QStringList shown;
    QTimer::singleShot(0, label, [&] { shown << label->text(); });
    QObject::connect(
        &Window().Timer(TTimer::CountdownTick), &QTimer::timeout, label,
        [&] { shown << label->text(); }, Qt::QueuedConnection);
    Controller().Configuration().Countdown().SecondsLeft = 1;
    QElapsedTimer clock;
    clock.start();
    Controller()
        .Configuration()
        .Countdown()
        .ShowModal(); // returns once the dialog has closed itself
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_FALSE(Find<QDialog>("Form2")->isVisible());
    EXPECT_FALSE(Window().Timer(TTimer::CountdownTick).isActive());
    ProcessEventsUntil([&] { return shown.size() >= 2; });
    EXPECT_EQ(shown, QStringList({"Time remaining: \n1 seconds", "Time remaining: \n0 seconds"}));
}

TEST_F(DeviceSessionWindow, ProgressDialogShowsItsBarOnTopAndHides) {
    auto* dialog = Find<QDialog>("frmWaitingProgress");
    View().SetProgressMax(TControl::ProgressBar1, 10);
    View().SetProgressPosition(TControl::ProgressBar1, 3);
    View().ShowWindow(TWindow::frmWaitingProgress);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Find<QProgressBar>("ProgressBar1")->maximum(), 10);
    EXPECT_EQ(Find<QProgressBar>("ProgressBar1")->value(), 3);
    View().HideWindow(TWindow::frmWaitingProgress);
    EXPECT_FALSE(dialog->isVisible());
}

} // namespace
