// The window in the language of the settings file, the language items of the File menu,
// the auxiliary windows' titles, and the DATA LOG and NETWORK pages' widgets reaching the
// controller.
#include "TempFolder.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// A documents folder whose settings choose Traditional Chinese, and a program folder
// whose Big5 language file names the menus, the Connect button and a tab.
struct ChineseFolders {
    TempFolder root;
    ChineseFolders() {
        fs::create_directories(root / "documents/Norax/TidelaneT360KVConfig");
        root.Write("documents/Norax/TidelaneT360KVConfig/NoraxT360KVConfig.ini",
                   "[VIEW]\r\nLanguage=1\r\n");
        fs::create_directories(root / "program/Lang");
        root.Write("program/Lang/Lang-TW.ini", "[MENU]\r\nFile=\xC0\xC9\xAE\xD7(&F)\r\n"
                                               "Help_About=\xC3\xF6\xA9\xF3(&A)\r\n"
                                               "[SYS_BUTTON]\r\nConnect=\xB3\x73\xBD\x75\r\n"
                                               "Disconnect=\xA4\xA4\xC2\x5F\xB3\x73\xBD\x75\r\n"
                                               "[TAB_BAUD]\r\nBAUD_RATE=\xC0\x6A\xB2\x76\r\n");
    }
    TAppFolders App() const { return {root / "documents", root / "program"}; }
};

class ChineseWindow : private ChineseFolders, public WindowFixture {
protected:
    ChineseWindow() : WindowFixture({"USB Serial Port (COM5)"}, ChineseFolders::App()) {}
};

TEST_F(ChineseWindow, ShowsTheBig5CaptionsAsChinese) {
    EXPECT_EQ(Find<QAbstractButton>("OpenPort")->text(), QString::fromUtf8("連線"));
    EXPECT_EQ(Find<QMenu>("mnuFile")->title(), QString::fromUtf8("檔案(&F)"));
    auto* pages = Find<QTabWidget>("PageControlConf");
    EXPECT_EQ(pages->tabText(pgBaudRate), QString::fromUtf8("鮑率"));
    EXPECT_TRUE(Find<QAction>("mnuLangTraChinese")->isChecked());
    QTest::mouseClick(Find<QAbstractButton>("OpenPort"), Qt::LeftButton);
    EXPECT_EQ(Find<QAbstractButton>("OpenPort")->text(), QString::fromUtf8("中斷連線"));
    // Keys the file lacks keep the built-in English.
    EXPECT_EQ(Find<QAbstractButton>("btnExit")->text(), "EXIT");
    EXPECT_EQ(Find<QDialog>("frmAbout")->windowTitle(),
              QString::fromUtf8("關於 Tidelane T360KV Configurator"));
}

class DataLogWindow : public WindowFixture {
protected:
    DataLogWindow() : WindowFixture({"USB Serial Port (COM5)"}) {}
};

TEST_F(DataLogWindow, SwitchLogsTheReceivedLinesIntoTheView) {
    auto* logSwitch = Find<QAbstractButton>("spbtnEnableLog");
    EXPECT_EQ(logSwitch->text(), "Start Log");
    QTest::mouseClick(Find<QAbstractButton>("OpenPort"), Qt::LeftButton);
    logSwitch->click();
    EXPECT_EQ(logSwitch->text(), "Stop Log");
    EXPECT_TRUE(logSwitch->isChecked());
    line_->Receive("$GPGLL,one\r\n$GPGLL,two\r\n");
    auto* log = Find<QPlainTextEdit>("MemoDataLog");
    ASSERT_TRUE(ProcessEventsUntil([log] { return log->blockCount() >= 2; }));
    EXPECT_EQ(log->toPlainText(), "$GPGLL,one\n$GPGLL,two");
}

TEST_F(DataLogWindow, SendCommandTakesTheTypedTextAndReportsAFailedSend) {
    Find<QLineEdit>("LabeledEditCommandText")->setText("$PTST,,,,,17*29");
    Find<QAbstractButton>("btnSendCommand")->click();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Send message error");
    EXPECT_EQ(messages_[0].caption, "error");

    QTest::mouseClick(Find<QAbstractButton>("OpenPort"), Qt::LeftButton);
    Find<QAbstractButton>("btnSendCommand")->click();
    EXPECT_NE(line_->Written().find("$PTST,,,,,17*29\r\n"), std::string::npos);
}

// The boxes that report an error carry the error icon; questions carry none.
TEST_F(DataLogWindow, ErrorBoxesCarryTheErrorIcon) {
    struct Case {
        const char* button;
        const char* text;
        TMessageIcon icon;
    };
    const Case cases[] = {
        {"btnSendCommand", "Send message error", TMessageIcon::Error},
        {"ButtonEthernetSend", "Send message error", TMessageIcon::Error},
        {"btnClearLog", "Are you sure to clear log?", TMessageIcon::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        messages_.clear();
        Find<QAbstractButton>(c.button)->click();
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].text, c.text);
        EXPECT_EQ(messages_[0].icon, c.icon);
    }
}

TEST_F(DataLogWindow, NetworkTabAndTestControlsStayHidden) {
    EXPECT_EQ(Find<QTabWidget>("PageControlConf")->indexOf(Find<QWidget>("TabSheetNetwork")), -1);
    for (const char* name : {"MemoEthernetTx", "ButtonEnterEthConfigMode", "ButtonCompareIP"})
        EXPECT_TRUE(Find<QWidget>(name)->isHidden()) << name;
    EXPECT_FALSE(Find<QWidget>("LabelEthernetSettingButton")->isHidden());
}

TEST_F(DataLogWindow, FileMenuOffersTheThreeLanguagesWhileOptionStaysHidden) {
    EXPECT_FALSE(Find<QMenu>("mnuOption")->menuAction()->isVisible());
    QStringList offered;
    for (QAction* item : Find<QMenu>("mnuFile")->actions())
        if (item->isVisible() && !item->isSeparator())
            offered << item->objectName();
    EXPECT_EQ(offered, QStringList({"mnuLangEnglish", "mnuLangTraChinese", "mnuLangSimpChinese",
                                    "mnuOpenLog", "mnuExit"}));
    Find<QMenu>("mnuFile")->actions().at(laTraChinese)->trigger();
    EXPECT_EQ(Controller().Languages().LanguageIndex(), laTraChinese);
    EXPECT_TRUE(Find<QAction>("mnuLangTraChinese")->isChecked());
    EXPECT_FALSE(Find<QAction>("mnuLangEnglish")->isChecked());
}

TEST_F(DataLogWindow, AboutBoxAndProgressDialogCarryTheirOwnTitles) {
    EXPECT_EQ(Find<QDialog>("frmAbout")->windowTitle(), "About Tidelane T360KV Configurator");
    EXPECT_EQ(Find<QDialog>("frmWaitingProgress")->windowTitle(),
              "Tidelane T360KV Configurator (Essential)");
}

TEST_F(DataLogWindow, LanguageItemsAndTheTransmitViewsDoubleClickReachTheController) {
    Find<QAction>("mnuLangSimpChinese")->trigger();
    EXPECT_EQ(Controller().Languages().LanguageIndex(), laSimpChinese);
    Find<QAction>("mnuLangEnglish")->trigger();
    EXPECT_EQ(Controller().Languages().LanguageIndex(), laEnglish);

    Controller().Network().EnterConfigModeClicked();
    auto* tx = Find<QPlainTextEdit>("MemoEthernetTx");
    EXPECT_EQ(tx->toPlainText(), "$PDBG,163,1,,,,,,*14");
    QTest::mouseDClick(tx->viewport(), Qt::LeftButton);
    EXPECT_TRUE(tx->toPlainText().isEmpty());
}

} // namespace
