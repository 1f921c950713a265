// Language files: the key table, the rules for missing and empty keys, the shipped files
// in their code pages, and the about box's read-me text.
#include "TempFolder.h"

#include "platform/FileSystem.h"
#include "view/CodePages.h"
#include "view/Languages.h"
#include "view/ReadMe.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every text of TTexts, so that a test can look at all of them.
std::vector<std::string*> AllTexts(TTexts& t) {
    return {&t.MenuFile,
            &t.MenuExit,
            &t.MenuOption,
            &t.MenuLanguage,
            &t.MenuLangEnglish,
            &t.MenuLangTraChinese,
            &t.MenuLangSimpChinese,
            &t.MenuHelp,
            &t.MenuAbout,
            &t.ButtonCaptions[0],
            &t.ButtonCaptions[1],
            &t.ExitButton,
            &t.ReadDevice,
            &t.ProgramDevice,
            &t.BaudRateTab,
            &t.BaudRateConfig,
            &t.Connecting,
            &t.Connected,
            &t.Click2Connect,
            &t.ExitCaption,
            &t.QueryExit,
            &t.AboutOk};
}

std::string ShippedFile(const char* name) {
    return std::string(T360KV_LANG_DIR) + "/" + name;
}

TEST(Languages, StoredIndexAndFilesBesideTheProgram) {
    // The program's folder ends in a separator, as ProgramFolder gives it.
    const std::string program = std::string("t360kv") + kPathSeparator;
    const std::string lang = program + "Lang" + kPathSeparator;
    EXPECT_EQ(LanguageFilePath(program, LanguageOfIndex(2)), lang + "Lang-CN.ini");
    EXPECT_EQ(ReadMeFilePath(program, LanguageOfIndex(1)), lang + "ReadMe-TW.txt");
    EXPECT_EQ(ReadMeFilePath(program, LanguageOfIndex(3)), lang + "ReadMe-EN_DIVEVIZAZIZE.txt");
    EXPECT_EQ(LanguageInfo(laSimpChinese).FontCharset, 134);
    EXPECT_EQ(LanguageInfo(laTraChinese).FontCharset, 136);
}

// An installed program (<prefix>/bin) reads <prefix>/share/t360kv/Lang, but a Lang folder
// beside the program, as a build or the Windows folder has it, comes first. Each folder
// present holds a Lang-EN.ini whose Connect caption names it.
TEST(Languages, FolderBesideTheProgramElseTheInstalledOne) {
    struct Layout {
        bool besideExists;
        bool installedExists;
        const char* caption; // the Connect caption read; "Connect": the built-in text
    };
    const Layout layouts[] = {
        {true, true, "beside"},
        {false, true, "installed"},
        {true, false, "beside"},
        {false, false, "Connect"},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(std::string("expected ") + layout.caption);
        TempFolder prefix;
        ASSERT_TRUE(CreateFolderTree(prefix / "bin"));
        auto lay = [&prefix](const std::string& folder, const std::string& caption) {
            ASSERT_TRUE(CreateFolderTree(prefix / folder));
            prefix.Write(folder + "/Lang-EN.ini", "[SYS_BUTTON]\r\nConnect=" + caption + "\r\n");
        };
        if (layout.besideExists)
            lay("bin/Lang", "beside");
        if (layout.installedExists)
            lay("share/t360kv/Lang", "installed");
        // The program's folder ends in a separator, as ProgramFolder gives it.
        const std::string program = (prefix / "bin") + kPathSeparator;
        TTexts texts;
        LoadLanguageTexts(LanguageFilePath(program, laEnglish), texts);
        EXPECT_EQ(texts.ButtonCaptions[0], layout.caption);
        if (!layout.besideExists && !layout.installedExists) {
            EXPECT_EQ(LanguageFolder(program), prefix / "bin/Lang");
        }
    }
}

TEST(Languages, Big5FileGivesTheChineseCaptions) {
    TempFolder folder;
    // "連線" and "中斷連線" in Big5.
    std::string path =
        folder.Write("Lang-TW.ini", "[SYS_BUTTON]\r\n"
                                    "Connect=\xB3\x73\xBD\x75\r\n"
                                    "Disconnect=\xA4\xA4\xC2\x5F\xB3\x73\xBD\x75\r\n");
    TTexts texts;
    LoadLanguageTexts(path, texts);
    EXPECT_EQ(TextToUtf8(laTraChinese, texts.ButtonCaptions[0]), "連線");
    EXPECT_EQ(TextToUtf8(laTraChinese, texts.ButtonCaptions[1]), "中斷連線");
}

TEST(Languages, FileWithOnlyTheConnectCaptionsChangesJustThose) {
    TempFolder folder;
    std::string path =
        folder.Write("Lang.ini", "[SYS_BUTTON]\r\nConnect=Open\r\nDisconnect=Close\r\n");
    TTexts texts;
    LoadLanguageTexts(path, texts);
    EXPECT_EQ(texts.ButtonCaptions[0], "Open");
    EXPECT_EQ(texts.ButtonCaptions[1], "Close");
    texts.ButtonCaptions[0] = "Connect";
    texts.ButtonCaptions[1] = "Disconnect";
    TTexts builtIn;
    std::vector<std::string*> loaded = AllTexts(texts);
    std::vector<std::string*> expected = AllTexts(builtIn);
    for (size_t i = 0; i < loaded.size(); ++i)
        EXPECT_EQ(*loaded[i], *expected[i]);
}

TEST(Languages, MissingKeyKeepsTheCurrentTextAndAnEmptyValueEmptiesIt) {
    TempFolder folder;
    std::string path = folder.Write("Lang.ini", "[EXIT_QUERY]\r\nQueryExit=\r\n");
    TTexts texts;
    texts.ExitCaption = "shown before";
    LoadLanguageTexts(path, texts);
    EXPECT_EQ(texts.QueryExit, "");
    EXPECT_EQ(texts.ExitCaption, "shown before");

    LoadLanguageTexts(folder / "missing.ini", texts);
    EXPECT_EQ(texts.ExitCaption, "shown before");
    SetDefaultTexts(texts);
    EXPECT_EQ(texts.ExitCaption, "Exit!");
    EXPECT_EQ(texts.Click2Connect, "Click to Connect");
}

// A shipped file that lost a key would leave an English text among the Chinese ones.
TEST(Languages, ShippedFilesSetEveryKeyAndDecodeCleanly) {
    const TLanguage languages[] = {laEnglish, laTraChinese, laSimpChinese};
    const std::string unset = "\x01unset";
    for (TLanguage language : languages) {
        const char* file = LanguageInfo(language).LanguageFile;
        TTexts texts;
        for (std::string* text : AllTexts(texts))
            *text = unset;
        LoadLanguageTexts(ShippedFile(file), texts);
        for (std::string* text : AllTexts(texts)) {
            EXPECT_NE(*text, unset) << file;
            EXPECT_FALSE(text->empty()) << file;
            EXPECT_EQ(TextToUtf8(language, *text).find("\xEF\xBF\xBD"), std::string::npos)
                << file << ": " << *text;
        }
    }
}

TEST(Languages, ShippedTranslations) {
    struct Case {
        TLanguage language;
        std::string TTexts::*text;
        const char* utf8;
    };
    const Case cases[] = {
        {laEnglish, &TTexts::QueryExit, "Are you sure to exit?"},
        {laTraChinese, &TTexts::Connecting, "連線中..."},
        {laTraChinese, &TTexts::MenuFile, "檔案(&F)"},
        {laSimpChinese, &TTexts::Connected, "已连接..."},
        {laSimpChinese, &TTexts::QueryExit, "确定要退出程序吗?"},
    };
    for (const Case& c : cases) {
        TTexts texts;
        LoadLanguageTexts(ShippedFile(LanguageInfo(c.language).LanguageFile), texts);
        EXPECT_EQ(TextToUtf8(c.language, texts.*c.text), c.utf8);
    }
}

TEST(CodePages, TextsOfEachLanguageToUtf8AndBack) {
    struct Case {
        const char* what;
        TLanguage language;
        std::string text;
        std::string utf8;
    };
    const Case cases[] = {
        {"Windows-1252 beyond Latin-1", laEnglish, "\x80 \xB0 \xE9", "€ ° é"},
        {"Big5", laTraChinese, "\xBD\x54\xA9\x77", "確定"},
        {"GB2312", laSimpChinese, "\xC8\xB7\xB6\xA8", "确定"},
        {"ASCII in a double-byte code page", laSimpChinese, "Connect", "Connect"},
        {"degree sign, English", laEnglish, DegreeSign(laEnglish), "°"},
        {"degree sign, Big5", laTraChinese, DegreeSign(laTraChinese), "°"},
        {"degree sign, GB2312", laSimpChinese, DegreeSign(laSimpChinese), "°"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextToUtf8(c.language, c.text), c.utf8) << c.what;
        EXPECT_EQ(Utf8ToText(c.language, c.utf8), c.text) << c.what;
    }
}

TEST(CodePages, BytesOutsideTheCodePageDoNotStopTheConversion) {
    // A lead byte followed by a line end, and one cut off at the end.
    EXPECT_EQ(TextToUtf8(laTraChinese, "a\xA4\n\xB3\x73\xBD"), "a\xEF\xBF\xBD\n連\xEF\xBF\xBD");
    EXPECT_EQ(Utf8ToText(laEnglish, "漢x"), "?x");
}

TEST(ReadMe, LinesAfterAnEmptyOneLongLinesInPieces) {
    TempFolder folder;
    std::string longLine(1000, 'x');
    std::string path = folder.Write("ReadMe.txt", "Title\r\n\r\n" + longLine + "\nlast");
    auto lines = LoadReadMeLines(path, laEnglish);
    ASSERT_TRUE(lines);
    std::vector<std::string> expected = {
        "", "Title", "", std::string(499, 'x'), std::string(499, 'x'), "xx", "last"};
    EXPECT_EQ(*lines, expected);
}

TEST(ReadMe, PiecesKeepDoubleByteCharactersWhole) {
    TempFolder folder;
    std::string chinese;
    for (int i = 0; i < 300; ++i)
        chinese += "\xA4\xA4"; // 中
    std::string path = folder.Write("ReadMe-TW.txt", chinese + "\r\n");
    auto lines = LoadReadMeLines(path, laTraChinese);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 3u);
    EXPECT_EQ((*lines)[1].size(), 498u);
    EXPECT_EQ((*lines)[2].size(), 102u);
    // The same bytes read as Windows-1252 are single characters: cut at 499.
    EXPECT_EQ((*LoadReadMeLines(path, laEnglish))[1].size(), 499u);
}

TEST(ReadMe, MissingFileLeavesTheTextAreaAsItWas) {
    EXPECT_FALSE(LoadReadMeLines("/nonexistent/ReadMe-EN_DIVEVIZAZIZE.txt", laEnglish));
}

TEST(ReadMe, ShippedReadMeFilesDecodeCleanly) {
    const TLanguage languages[] = {laEnglish, laTraChinese, laSimpChinese};
    for (TLanguage language : languages) {
        const char* file = LanguageInfo(language).ReadMeFile;
        auto lines = LoadReadMeLines(ShippedFile(file), language);
        ASSERT_TRUE(lines) << file;
        EXPECT_GT(lines->size(), 10u) << file;
        for (const std::string& line : *lines)
            EXPECT_EQ(TextToUtf8(language, line).find("\xEF\xBF\xBD"), std::string::npos) << file;
    }
}

} // namespace
