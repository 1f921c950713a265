// The window after start-up: every control the controller addresses, found by its
// object name, with its caption, items and visibility; the pages; the timers.
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

// What a control shows: a caption, or a drop-down list's current item.
QString ShownText(QObject* control) {
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText();
    if (auto* menu = qobject_cast<QMenu*>(control))
        return menu->title();
    if (auto* action = qobject_cast<QAction*>(control))
        return action->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
        return memo->toPlainText();
    return QString();
}

QStringList Items(QObject* control) {
    QStringList items;
    if (auto* combo = qobject_cast<QComboBox*>(control))
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
    return items;
}

bool Shown(QObject* control) {
    if (auto* menu = qobject_cast<QMenu*>(control))
        return menu->menuAction()->isVisible();
    if (auto* action = qobject_cast<QAction*>(control))
        return action->isVisible();
    return qobject_cast<QWidget*>(control)->isVisible();
}

struct ControlAtStart {
    const char* name;
    QString text;
    QStringList items;
    bool shown;
};

const ControlAtStart kControlsAtStart[] = {
    {"ComboBoxDeviceItem", "USB", {"USB", "RS-232/NMEA-0183"}, true},
    // The PC rate applies to RS-232/NMEA-0183 only, not to the USB selected at start.
    {"LabelBaudRate", "Baud Rate", {}, false},
    {"ComboBoxBaudRate", "115200", {"115200", "57600", "38400", "19200", "9600", "4800"}, false},
    {"cbxDeviceComEnum",
     "Communications Port (COM1)",
     {"Communications Port (COM1)", "USB Serial Port (COM5)"},
     true},
    {"OpenPort", "Connect", {}, true},
    {"LabelConnectionStatus", "Click to Connect", {}, true},
    {"btnExit", "EXIT", {}, true},
    // Everything below the top strip waits for the handshake.
    {"PanelView", "", {}, false},
    {"PageControlMain", "", {}, false},
    {"PageControlConf", "", {}, false},
    {"PageControlDiagnosis", "", {}, false},
    {"SpeedButtonReload", "Read Device", {}, false},
    {"SpeedButtonSetting", "Program Device", {}, false},
    {"MemoDataLog", "", {}, false},
    {"MainMenu1", "", {}, true},
    {"mnuFile", "File(&F)", {}, true},
    {"mnuExit", "Exit(&X)", {}, true},
    {"mnuHelp", "Help(&H)", {}, true},
    {"mnuAbout", "About(&A)", {}, true},
    {"mnuOption", "Option(&O)", {}, false},
    {"mnuLanguage", "Language(&L)", {}, false},
    // The settings pages, filled by the controller at start-up.
    {"cbxBaud_RS232", "38400", {"115200", "57600", "38400", "19200", "9600", "4800"}, false},
    {"cbxBaud_NMEA", "", {"38400", "9600", "4800"}, false},
    {"CheckBoxInternalGPSEnable", "Enable Internal GPS Module", {}, false},
    {"LabelGPSNavStatus", "GPS Mode", {}, false},
    {"ComboBoxGPSNavStatus", "", {"Altitude higher than 500m", "At Sea level"}, false},
    {"CheckBoxNetworkRestore", "Netowrk Settings", {}, false},
    {"spbBaudRate", "Config", {}, false},
    // The system check's rows as they read before the first handshake.
    {"lblChkFwVer", "Firmware Version", {}, false},
    {"lblValFwVer", "---------", {}, false},
    {"lblChkProdSN", "Product Serial No.", {}, false},
    {"lblValProdSN", "---------", {}, false},
    {"lblChkRx", "RX position reports", {}, false},
    {"lblChkRxCntChA", "Channel A: ", {}, false},
    {"lblValRxCntA", "0", {}, false},
    {"lblChkRxCntChB", "Channel B: ", {}, false},
    {"lblValRxCntB", "0", {}, false},
    {"LabelNetworkFirmwareVersoinData", "N/A", {}, false},
    {"lblValGps", "N/A", {}, false},
    {"SpeedButtonClearCheck", "Refresh", {}, false},
    // The auxiliary windows are hidden until asked for.
    {"Label6", "Ver 1.0 Build20250227", {}, false},
    {"StaticTextProduct", "Tidelane T360KV Configurator", {}, false},
    {"btnOK", "OK", {}, false},
    {"lblWaitInfo", "Configuring. Please wait...", {}, false},
};

using MainWindowAtStart = WindowFixture;

TEST_F(MainWindowAtStart, ShowsEveryControlWithItsCaptionItemsAndVisibility) {
    EXPECT_EQ(Window().windowTitle(), "Tidelane T360KV Configurator (Essential)");
    for (const ControlAtStart& expected : kControlsAtStart) {
        SCOPED_TRACE(expected.name);
        QObject* control = Window().findChild<QObject*>(QString::fromLatin1(expected.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ShownText(control), expected.text);
        EXPECT_EQ(Items(control), expected.items);
        EXPECT_EQ(Shown(control), expected.shown);
    }
}

TEST_F(MainWindowAtStart, HasEveryControlTheControllerAddresses) {
    // ControlName answers "" past the last control.
    for (int i = 0; *ControlName(static_cast<TControl>(i)) != '\0'; ++i) {
        const char* name = ControlName(static_cast<TControl>(i));
        EXPECT_NE(Window().findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
    }
}

TEST_F(MainWindowAtStart, LabelsTheSelectorsAndExplainsConnect) {
    QStringList labels;
    for (QLabel* label : Window().findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("Select Interface"));
    EXPECT_TRUE(labels.contains("Select Port"));

    auto* openPort = Find<QAbstractButton>("OpenPort");
    EXPECT_TRUE(openPort->isCheckable());
    EXPECT_FALSE(openPort->isChecked());
    EXPECT_EQ(openPort->toolTip(), "Connect serial port");
}

struct PagesAtStart {
    const char* control;
    QStringList captions;
    QStringList names;
};

const PagesAtStart kPagesAtStart[] = {
    {"PageControlMain",
     {"Configuration", "Diagnostics"},
     {"TabSheetConfig", "TabSheetDiagnostics"}},
    // The NETWORK page is no tab at all.
    {"PageControlConf",
     {"BAUD RATE", "INTERNAL GPS", "RESTORE"},
     {"TabSheetBaudRate", "TabSheetInternalGPS", "TabSheetRestore"}},
    {"PageControlDiagnosis",
     {"SYSTEM CHECK", "GPS STATUS", "DATA LOG", "AIS STATIONS"},
     {"TabSheetSystemCheck", "TabSheetGpsStatus", "TabSheetDataLog", "TabSheetAisStations"}},
};

TEST_F(MainWindowAtStart, OffersThePagesFirstOneInFrontAndNeverTheNetworkPage) {
    for (const PagesAtStart& expected : kPagesAtStart) {
        SCOPED_TRACE(expected.control);
        auto* pages = Find<QTabWidget>(expected.control);
        ASSERT_NE(pages, nullptr);
        QStringList captions, names;
        for (int i = 0; i < pages->count(); ++i) {
            captions << pages->tabText(i);
            names << pages->widget(i)->objectName();
            EXPECT_TRUE(pages->isTabVisible(i)) << i;
        }
        EXPECT_EQ(captions, expected.captions);
        EXPECT_EQ(names, expected.names);
        EXPECT_EQ(pages->currentIndex(), 0);
    }
    EXPECT_TRUE(Find<QWidget>("TabSheetNetwork")->isHidden());
    auto* log = Find<QPlainTextEdit>("MemoDataLog");
    EXPECT_TRUE(log->isReadOnly());
    EXPECT_EQ(log->parentWidget()->objectName(), "TabSheetDataLog");
}

TEST_F(MainWindowAtStart, RunsTheTimersOtherThanTheSystemCheck) {
    struct TimerAtStart {
        TTimer timer;
        int intervalMs;
        bool running;
    };
    const TimerAtStart timers[] = {
        {TTimer::HandshakeTick, 1000, true},    {TTimer::HalfSecondTick, 500, true},
        {TTimer::SystemCheckTick, 1000, false}, {TTimer::NetworkConsoleTick, 100, true},
        {TTimer::CountdownTick, 1000, false},   {TTimer::RefreshPause, 1000, false},
        {TTimer::StationsTick, 500, true},      {TTimer::ReplayTick, 20, false},
    };
    for (const TimerAtStart& expected : timers) {
        SCOPED_TRACE(static_cast<int>(expected.timer));
        EXPECT_EQ(Window().Timer(expected.timer).interval(), expected.intervalMs);
        EXPECT_EQ(Window().Timer(expected.timer).isActive(), expected.running);
    }
}

} // namespace
