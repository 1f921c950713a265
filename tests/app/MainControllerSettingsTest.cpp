// The controller's settings file and language selection: the language read at start-up,
// the texts of the language file on the window, and the file written at a confirmed close.
#include "ControllerHarness.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// Big5 texts of the Traditional Chinese language file.
const std::string kBig5Connect = "\xB3\x73\xBD\x75";                    // 連線
const std::string kBig5Disconnect = "\xA4\xA4\xC2\x5F\xB3\x73\xBD\x75"; // 中斷連線
const std::string kBig5File = "\xC0\xC9\xAE\xD7(&F)";                   // 檔案(&F)
const std::string kBig5BaudRate = "\xC0\x6A\xB2\x76";                   // 鮑率

// A documents folder and a program folder with a "Lang" folder, both in one temporary
// folder, handed to the controller as its folders.
struct Folders {
    TempFolder root;
    Folders() {
        fs::create_directories(Documents());
        fs::create_directories(root / "program/Lang");
    }
    std::string Documents() const { return root / "documents"; }
    std::string SettingsFile() const {
        return root / "documents/Norax/TidelaneT360KVConfig/NoraxT360KVConfig.ini";
    }
    void StoreSettings(const std::string& content) const {
        fs::create_directories(fs::path(SettingsFile()).parent_path());
        std::ofstream(SettingsFile(), std::ios::binary) << content;
    }
    void WriteLangFile(const std::string& name, const std::string& content) const {
        root.Write("program/Lang/" + name, content);
    }
    TAppFolders App() const { return {Documents(), root / "program"}; }
};

TEST(MainControllerSettings, FirstRunCreatesTheFolderAndAConfirmedCloseWritesEnglish) {
    Folders folders;
    ControllerHarness h({"USB Serial Port (COM5)"}, folders.App());
    EXPECT_TRUE(fs::is_directory(fs::path(folders.SettingsFile()).parent_path()));
    EXPECT_FALSE(fs::exists(folders.SettingsFile()));
    EXPECT_EQ(h.view.textLanguage, laEnglish);
    h.view.messageBoxAnswer = TMessageAnswer::Ok;
    ASSERT_TRUE(h.app->CloseRequested());
    EXPECT_EQ(TempFolder::Read(folders.SettingsFile()), "[VIEW]\r\nLanguage=0\r\n");
}

TEST(MainControllerSettings, StoredLanguageIsAppliedAndWrittenBackNormalisedOrLeftOnCancel) {
    struct Case {
        const char* what;
        const char* stored;
        TLanguage language;
        TMessageAnswer exitAnswer;
        const char* afterClose;
    };
    const Case cases[] = {
        {"7 is English, rewritten", "[VIEW]\r\nLanguage=7\r\n", laEnglish, TMessageAnswer::Ok,
         "[VIEW]\r\nLanguage=0\r\n"},
        {"7 left as it was on Cancel", "[VIEW]\r\nLanguage=7\r\n", laEnglish,
         TMessageAnswer::Cancel, "[VIEW]\r\nLanguage=7\r\n"},
        {"1 is Traditional Chinese", "[VIEW]\nLanguage=1\n", laTraChinese, TMessageAnswer::Ok,
         "[VIEW]\r\nLanguage=1\r\n"},
        {"2 is Simplified Chinese", "[VIEW]\r\nLanguage=2\r\n", laSimpChinese, TMessageAnswer::Ok,
         "[VIEW]\r\nLanguage=2\r\n"},
        {"not a number is English", "[VIEW]\r\nLanguage=x\r\n", laEnglish, TMessageAnswer::Ok,
         "[VIEW]\r\nLanguage=0\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Folders folders;
        folders.StoreSettings(c.stored);
        ControllerHarness h({"USB Serial Port (COM5)"}, folders.App());
        EXPECT_EQ(h.view.textLanguage, c.language);
        h.view.messageBoxAnswer = c.exitAnswer;
        EXPECT_EQ(h.app->CloseRequested(), c.exitAnswer == TMessageAnswer::Ok);
        EXPECT_EQ(TempFolder::Read(folders.SettingsFile()), c.afterClose);
    }
}

TEST(MainControllerSettings, WithoutADocumentsFolderNothingIsWritten) {
    TempFolder program;
    ControllerHarness h({"USB Serial Port (COM5)"}, TAppFolders{"", program.Path()});
    EXPECT_TRUE(h.app->SettingsFile().empty());
    ASSERT_TRUE(h.app->CloseRequested());
    EXPECT_EQ(program.EntryCount(), 0u);
}

TEST(MainControllerLanguage, Big5FileCaptionsTheWindowInTraditionalChinese) {
    Folders folders;
    folders.StoreSettings("[VIEW]\r\nLanguage=1\r\n");
    folders.WriteLangFile("Lang-TW.ini",
                          "[MENU]\r\nFile=" + kBig5File + "\r\n[SYS_BUTTON]\r\nConnect=" +
                              kBig5Connect + "\r\nDisconnect=" + kBig5Disconnect +
                              "\r\n[TAB_BAUD]\r\nBAUD_RATE=" + kBig5BaudRate + "\r\n");
    ControllerHarness h({"USB Serial Port (COM5)"}, folders.App());
    EXPECT_EQ(h.view.textLanguage, laTraChinese);
    EXPECT_TRUE(h.view.checked[TControl::mnuLangTraChinese]);
    EXPECT_EQ(h.view.texts[TControl::mnuFile], kBig5File);
    EXPECT_EQ(h.view.texts[TControl::OpenPort], kBig5Connect);
    EXPECT_EQ(h.view.texts[TControl::TabSheetBaudRate], kBig5BaudRate);
    // Keys the file lacks keep the built-in English.
    EXPECT_EQ(h.view.texts[TControl::mnuExit], "Exit(&X)");
    EXPECT_EQ(h.view.texts[TControl::btnOK], "OK");
    h.ClickConnect();
    EXPECT_EQ(h.view.texts[TControl::OpenPort], kBig5Disconnect);
}

TEST(MainControllerLanguage, SysButtonKeysAloneChangeOnlyTheConnectCaptions) {
    Folders folders;
    folders.WriteLangFile("Lang-EN.ini", "[SYS_BUTTON]\r\nConnect=Open\r\nDisconnect=Close\r\n");
    ControllerHarness h({"USB Serial Port (COM5)"}, folders.App());
    EXPECT_EQ(h.view.texts[TControl::OpenPort], "Open");
    EXPECT_EQ(h.view.texts[TControl::btnExit], "EXIT");
    EXPECT_EQ(h.view.texts[TControl::SpeedButtonReload], "Read Device");
    EXPECT_EQ(h.view.texts[TControl::mnuFile], "File(&F)");
    EXPECT_EQ(h.Status(), "Click to Connect");
    h.ClickConnect();
    EXPECT_EQ(h.view.texts[TControl::OpenPort], "Close");
    EXPECT_EQ(h.Status(), "Connecting...");
    h.view.messageBoxAnswer = TMessageAnswer::Cancel;
    h.app->CloseRequested();
    EXPECT_EQ(h.view.messages.back(), "Exit!: Are you sure to exit?");
}

TEST(MainControllerLanguage, EmptyValueGivesAnEmptyText) {
    Folders folders;
    folders.WriteLangFile("Lang-EN.ini", "[SYS_BUTTON]\r\nEXIT=\r\n[EXIT_QUERY]\r\nQueryExit=\r\n");
    ControllerHarness h({"USB Serial Port (COM5)"}, folders.App());
    EXPECT_EQ(h.view.texts[TControl::btnExit], "");
    h.view.messageBoxAnswer = TMessageAnswer::Cancel;
    h.app->CloseRequested();
    EXPECT_EQ(h.view.messages.back(), "Exit!: ");
}

TEST(MainControllerLanguage, StatusFollowsTheStateWhenTheLanguageChanges) {
    Folders folders;
    folders.WriteLangFile("Lang-CN.ini",
                          "[CONFIG_SERIAL_PORT]\r\nConnecting=wait\r\nConnected=up\r\n"
                          "Click2Connect=click\r\n");
    ControllerHarness h({"USB Serial Port (COM5)"}, folders.App());
    EXPECT_EQ(h.Status(), "Click to Connect");
    h.Connect();
    h.app->Languages().LanguageChosen(laSimpChinese);
    EXPECT_EQ(h.app->Languages().LanguageIndex(), 2);
    EXPECT_EQ(h.view.textLanguage, laSimpChinese);
    EXPECT_EQ(h.Status(), "up");
    // A tag without a language changes nothing.
    h.app->Languages().LanguageChosen(3);
    EXPECT_EQ(h.app->Languages().LanguageIndex(), 2);
}

TEST(MainControllerLanguage, ReadMeFillsTheAboutBoxAndAMissingOneLeavesIt) {
    Folders folders;
    ControllerHarness without({"USB Serial Port (COM5)"}, folders.App());
    EXPECT_TRUE(without.view.lists[TControl::Memo1].empty());

    folders.WriteLangFile("ReadMe-EN_DIVEVIZAZIZE.txt", "first\r\n\r\nthird\r\n");
    ControllerHarness with({"USB Serial Port (COM5)"}, folders.App());
    EXPECT_EQ(with.view.lists[TControl::Memo1],
              (std::vector<std::string>{"", "first", "", "third"}));
}

} // namespace
