// The window's events reaching the controller: pages, the exit question, the interface
// selectors, Connect and the status label, and received lines handed over from the
// serial component's thread.
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

bool PageButtonsShown(MainWindow& window) {
    return window.findChild<QWidget*>("SpeedButtonReload")->isVisible() &&
           window.findChild<QWidget*>("SpeedButtonSetting")->isVisible();
}

using MainWindowEvents = WindowFixture;

TEST_F(MainWindowEvents, OffersReadAndProgramDeviceOnTheConfigurationPageOnly) {
    View().SetVisible(TControl::PanelView, true);
    auto* main = Find<QTabWidget>("PageControlMain");
    auto* configuration = Find<QTabWidget>("PageControlConf");
    ASSERT_TRUE(PageButtonsShown(Window()));

    main->setCurrentIndex(pgDiagnostics);
    EXPECT_FALSE(Find<QWidget>("SpeedButtonReload")->isVisible());
    EXPECT_FALSE(Find<QWidget>("SpeedButtonSetting")->isVisible());

    main->setCurrentIndex(pgConfiguration);
    EXPECT_TRUE(PageButtonsShown(Window()));
    configuration->setCurrentWidget(Find<QWidget>("TabSheetRestore"));
    EXPECT_TRUE(PageButtonsShown(Window()));
}

struct ExitCase {
    const char* how;
    std::function<void(MainWindow&)> close;
    TMessageAnswer answer;
    bool staysOpen;
};

TEST_F(MainWindowEvents, AsksBeforeClosingAndStaysOpenOnCancel) {
    const ExitCase cases[] = {
        {"close box, Cancel", [](MainWindow& w) { w.close(); }, TMessageAnswer::Cancel, true},
        {"EXIT, Cancel", [](MainWindow& w) { w.findChild<QAbstractButton*>("btnExit")->click(); },
         TMessageAnswer::Cancel, true},
        {"File Exit, Cancel", [](MainWindow& w) { w.findChild<QAction*>("mnuExit")->trigger(); },
         TMessageAnswer::Cancel, true},
        {"EXIT, OK", [](MainWindow& w) { w.findChild<QAbstractButton*>("btnExit")->click(); },
         TMessageAnswer::Ok, false},
    };
    for (const ExitCase& exit : cases) {
        SCOPED_TRACE(exit.how);
        Window().show();
        messages_.clear();
        answer_ = exit.answer;
        exit.close(Window());
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].text, "Are you sure to exit?");
        EXPECT_EQ(messages_[0].caption, "Exit!");
        EXPECT_EQ(messages_[0].buttons, TMessageButtons::OkCancel);
        EXPECT_EQ(Window().isVisible(), exit.staysOpen);
    }
}

TEST_F(MainWindowEvents, ShowsThePcBaudRateForRs232OnlyAndAppliesIt) {
    auto* interfaceKind = Find<QComboBox>("ComboBoxDeviceItem");
    auto* baudRate = Find<QComboBox>("ComboBoxBaudRate");

    QTest::keyClick(interfaceKind, Qt::Key_Down); // RS-232/NMEA-0183
    EXPECT_TRUE(Find<QWidget>("LabelBaudRate")->isVisible());
    EXPECT_TRUE(baudRate->isVisible());
    EXPECT_EQ(Controller().Session().Comm().BaudRate(), br115200);

    QTest::keyClick(baudRate, Qt::Key_Down); // 57600
    EXPECT_EQ(Controller().Session().Comm().BaudRate(), br57600);

    QTest::keyClick(interfaceKind, Qt::Key_Up); // USB
    EXPECT_FALSE(Find<QWidget>("LabelBaudRate")->isVisible());
    EXPECT_FALSE(baudRate->isVisible());
    EXPECT_EQ(Controller().Session().Comm().BaudRate(), br128000);
}

class MainWindowWithoutPorts : public WindowFixture {
protected:
    MainWindowWithoutPorts() : WindowFixture({}) {}
};

TEST_F(MainWindowWithoutPorts, RefusesConnectAndReleasesTheButton) {
    auto* openPort = Find<QAbstractButton>("OpenPort");
    EXPECT_EQ(Find<QComboBox>("cbxDeviceComEnum")->itemText(0), "- NOT SELECTED -");
    EXPECT_EQ(Find<QComboBox>("cbxDeviceComEnum")->currentIndex(), -1);

    QTest::mouseClick(openPort, Qt::LeftButton);

    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].caption, "WARNING");
    EXPECT_EQ(messages_[0].text, "The select device can not connectable.");
    EXPECT_FALSE(openPort->isChecked());
    EXPECT_EQ(openPort->text(), "Connect");
    EXPECT_FALSE(Controller().Session().Comm().IsOpen());
}

class MainWindowConnecting : public WindowFixture {
protected:
    MainWindowConnecting() : WindowFixture({"Simulated Receiver (COM7)"}) {}

    void ClickConnect() { QTest::mouseClick(Find<QAbstractButton>("OpenPort"), Qt::LeftButton); }
    QString Status() { return Find<QLabel>("LabelConnectionStatus")->text(); }
};

TEST_F(MainWindowConnecting, ConnectsWhenTheReportEndArrivesFromTheSerialThread) {
    ClickConnect();
    auto* openPort = Find<QAbstractButton>("OpenPort");
    EXPECT_EQ(Status(), "Connecting...");
    EXPECT_EQ(openPort->text(), "Disconnect");
    EXPECT_TRUE(openPort->isChecked());
    for (const char* selector : {"ComboBoxDeviceItem", "ComboBoxBaudRate", "cbxDeviceComEnum"})
        EXPECT_FALSE(Find<QWidget>(selector)->isEnabled()) << selector;

    line_->Receive("[DEVICE DATA END]\r\n");
    ASSERT_TRUE(ProcessEventsUntil([this] { return Status() == "Connected..."; }));
    EXPECT_TRUE(Find<QWidget>("PanelView")->isVisible());
    EXPECT_TRUE(PageButtonsShown(Window()));
    EXPECT_TRUE(Window().Timer(TTimer::SystemCheckTick).isActive());

    ClickConnect();
    EXPECT_EQ(Status(), "Click to Connect");
    EXPECT_EQ(openPort->text(), "Connect");
    EXPECT_FALSE(openPort->isChecked());
    EXPECT_FALSE(Find<QWidget>("PanelView")->isVisible());
    EXPECT_FALSE(Controller().Session().Comm().IsOpen());
}

TEST_F(MainWindowConnecting, PassesTheHandshakeOnADoubleClickOfTheStatus) {
    auto* status = Find<QLabel>("LabelConnectionStatus");
    QTest::mouseDClick(status, Qt::LeftButton);
    EXPECT_EQ(Status(), "Click to Connect"); // nothing to pass while idle

    ClickConnect();
    QTest::mouseDClick(status, Qt::LeftButton);
    EXPECT_EQ(Status(), "Connected...");
    EXPECT_TRUE(Find<QWidget>("PanelView")->isVisible());
}

} // namespace
