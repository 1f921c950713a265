// The view operations on the real widgets: what the controller asks for is what the
// window shows, in 8-bit text, without starting the user's change handlers.
#include "MessageBoxes.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

using QtMainViewOnWindow = WindowFixture;

TEST_F(QtMainViewOnWindow, KeepsThePortListSortedAndLeavesAnEmptySelectionEmpty) {
    View().ListClear(TControl::cbxDeviceComEnum);
    for (const char* port : {"USB Serial Port (COM5)", "communications Port (COM1)",
                             "Prolific USB-to-Serial Comm Port (COM3)"})
        View().ListAdd(TControl::cbxDeviceComEnum, port);

    ASSERT_EQ(View().ListCount(TControl::cbxDeviceComEnum), 3);
    EXPECT_EQ(View().ListItem(TControl::cbxDeviceComEnum, 0), "communications Port (COM1)");
    EXPECT_EQ(View().ListItem(TControl::cbxDeviceComEnum, 1),
              "Prolific USB-to-Serial Comm Port (COM3)");
    EXPECT_EQ(View().ListItem(TControl::cbxDeviceComEnum, 2), "USB Serial Port (COM5)");
    EXPECT_EQ(View().ItemIndex(TControl::cbxDeviceComEnum), -1);

    View().SetItemIndex(TControl::cbxDeviceComEnum, 2);
    View().ListAdd(TControl::cbxDeviceComEnum, "Bluetooth Link (COM9)");
    EXPECT_EQ(Find<QComboBox>("cbxDeviceComEnum")->currentText(), "USB Serial Port (COM5)");
}

TEST_F(QtMainViewOnWindow, CarriesEightBitTextBothWays) {
    const std::string degrees = "GPS 45\xB0 N";
    View().SetText(TControl::LabelConnectionStatus, degrees);
    EXPECT_EQ(Find<QLabel>("LabelConnectionStatus")->text(), QString::fromUtf8("GPS 45° N"));

    View().ListAdd(TControl::ComboBoxGPSNavStatus, "Mer \xE0 0 m");
    int index = Find<QComboBox>("ComboBoxGPSNavStatus")->findText(QString::fromUtf8("Mer à 0 m"));
    ASSERT_GE(index, 0);
    EXPECT_EQ(View().ListItem(TControl::ComboBoxGPSNavStatus, index), "Mer \xE0 0 m");
}

// The ports' names come from the system in UTF-8, whatever the window's language.
TEST_F(QtMainViewOnWindow, CarriesPortNamesAsUtf8BothWays) {
    const std::string name = "B\xC3\xA9"
                             "casse (COM10)";
    View().ListAdd(TControl::cbxDeviceComEnum, name);
    int index = Find<QComboBox>("cbxDeviceComEnum")->findText(QString::fromUtf8("Bécasse (COM10)"));
    ASSERT_GE(index, 0);
    EXPECT_EQ(View().ListItem(TControl::cbxDeviceComEnum, index), name);
}

TEST_F(QtMainViewOnWindow, PaintsTheStatusRedAndBlack) {
    auto* status = Find<QLabel>("LabelConnectionStatus");
    View().SetFontColor(TControl::LabelConnectionStatus, TFontColor::Red);
    EXPECT_EQ(status->palette().color(status->foregroundRole()), QColor(Qt::red));
    View().SetFontColor(TControl::LabelConnectionStatus, TFontColor::Black);
    EXPECT_EQ(status->palette().color(status->foregroundRole()), QColor(Qt::black));
}

TEST_F(QtMainViewOnWindow, AppendsOneLogLinePerCallAndClearsTheLog) {
    auto* log = Find<QPlainTextEdit>("MemoDataLog");
    View().AppendLine(TControl::MemoDataLog, "$GPGGA,,,,,,0,,,,,,,,*66");
    View().AppendLine(TControl::MemoDataLog, "[DEVICE DATA END]");
    EXPECT_EQ(log->toPlainText(), "$GPGGA,,,,,,0,,,,,,,,*66\n[DEVICE DATA END]");
    View().ListClear(TControl::MemoDataLog);
    EXPECT_TRUE(log->toPlainText().isEmpty());
}

TEST_F(QtMainViewOnWindow, SelectsAPageWithoutRunningTheUsersPageChange) {
    View().SetVisible(TControl::PanelView, true);
    View().SetActivePage(TControl::PageControlMain, pgDiagnostics);
    EXPECT_EQ(Find<QTabWidget>("PageControlMain")->currentIndex(), pgDiagnostics);
    EXPECT_EQ(View().ActivePage(TControl::PageControlMain), pgDiagnostics);
    // The controller runs UpdatePageButtons itself where it needs it.
    EXPECT_TRUE(Find<QWidget>("SpeedButtonReload")->isVisible());
}

TEST_F(QtMainViewOnWindow, CaptionsASimpleMessageWithTheApplicationTitle) {
    View().ShowMessage("Please select correct device.");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].caption, "Tidelane T360KV Configurator (Essential)");
    EXPECT_EQ(messages_[0].text, "Please select correct device.");
    EXPECT_EQ(messages_[0].buttons, TMessageButtons::Ok);
}

// The real box, as a user sees it: the icon asked for, and the button clicked answers.
TEST_F(QtMainViewOnWindow, MessageBoxShowsTheIconAskedFor) {
    struct Case {
        TMessageIcon icon;
        QMessageBox::Icon shown;
    };
    const Case cases[] = {
        {TMessageIcon::None, QMessageBox::NoIcon},
        {TMessageIcon::Warning, QMessageBox::Warning},
        {TMessageIcon::Error, QMessageBox::Critical},
    };
    for (const Case& c : cases) {
        QMessageBox::Icon seen = QMessageBox::NoIcon;
        QString caption;
        QTimer::singleShot(0, [&seen, &caption] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen = box->icon();
            caption = box->windowTitle();
            box->button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(AskUser(&Window(), "Send message error", "error", TMessageButtons::Ok, c.icon),
                  TMessageAnswer::Ok);
        EXPECT_EQ(seen, c.shown);
        EXPECT_EQ(caption, "error");
    }
}

TEST_F(QtMainViewOnWindow, EnablingARunningTimerLeavesItRunning) {
    QTimer& timer = Window().Timer(TTimer::HandshakeTick);
    View().SetTimerEnabled(TTimer::HandshakeTick, false);
    EXPECT_FALSE(timer.isActive());
    View().SetTimerEnabled(TTimer::HandshakeTick, true);
    int timerId = timer.timerId();
    View().SetTimerEnabled(TTimer::HandshakeTick, true);
    // Restarting would have registered a new timer.
    EXPECT_EQ(timer.timerId(), timerId);
}

} // namespace
