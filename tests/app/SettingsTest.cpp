// The settings file: where it lives, what a stored language reads as, and how it is
// written at the confirmed close.
#include "TempFolder.h"

#include "app/Settings.h"
#include "view/Languages.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

TEST(Settings, FirstRunCreatesTheFolderAndTheCloseWritesLanguageZero) {
    TempFolder documents;
    std::string path = PrepareSettingsFile(documents.Path());
    EXPECT_EQ(path, documents / "Norax/TidelaneT360KVConfig/NoraxT360KVConfig.ini");
    EXPECT_TRUE(fs::is_directory(documents / "Norax/TidelaneT360KVConfig"));
    EXPECT_FALSE(fs::exists(path));

    int languageIndex = LoadSettings(path);
    EXPECT_EQ(LanguageOfIndex(languageIndex), laEnglish);
    ASSERT_TRUE(SaveSettings(path, languageIndex));
    EXPECT_EQ(TempFolder::Read(path), "[VIEW]\r\nLanguage=0\r\n");
}

TEST(Settings, StoredValueSelectsTheLanguageAndIsWrittenBackNormalised) {
    struct Case {
        const char* what;
        const char* file;
        TLanguage language;
    };
    const Case cases[] = {
        {"Traditional Chinese", "[VIEW]\r\nLanguage=1\r\n", laTraChinese},
        {"Simplified Chinese", "[VIEW]\r\nLanguage=2\r\n", laSimpChinese},
        {"an index without a language", "[VIEW]\r\nLanguage=7\r\n", laEnglish},
        {"a negative index", "[VIEW]\r\nLanguage=-1\r\n", laEnglish},
        {"not an integer", "[VIEW]\r\nLanguage=one\r\n", laEnglish},
        {"digits followed by more", "[VIEW]\r\nLanguage=2x\r\n", laEnglish},
        {"an integer too large for one", "[VIEW]\r\nLanguage=99999999999\r\n", laEnglish},
        {"blanks around the value", "[VIEW]\r\nLanguage= 2 \r\n", laSimpChinese},
        {"an empty value", "[VIEW]\r\nLanguage=\r\n", laEnglish},
        {"no key", "[VIEW]\r\n", laEnglish},
        {"the key in another section", "[OTHER]\r\nLanguage=1\r\n", laEnglish},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::string path = folder.Write("settings.ini", c.file);
        TLanguage language = LanguageOfIndex(LoadSettings(path));
        EXPECT_EQ(language, c.language) << c.what;
        ASSERT_TRUE(SaveSettings(path, language)) << c.what;
        EXPECT_EQ(LoadSettings(path), static_cast<int>(c.language)) << c.what;
    }
}

TEST(Settings, SaveKeepsTheRestOfTheFile) {
    TempFolder folder;
    std::string path = folder.Write("settings.ini", "[OTHER]\r\nx=1\r\n[VIEW]\r\nLanguage=7\r\n"
                                                    "Mine=kept\r\n");
    ASSERT_TRUE(SaveSettings(path, 0));
    EXPECT_EQ(TempFolder::Read(path), "[OTHER]\r\nx=1\r\n[VIEW]\r\nLanguage=0\r\nMine=kept\r\n");
    EXPECT_EQ(folder.EntryCount(), 1u) << "no temporary file left beside it";
}

TEST(Settings, FailedWriteLeavesNoTemporaryFile) {
    TempFolder folder;
    // A folder where the file should be: the temporary file cannot replace it.
    fs::create_directory(folder / "settings.ini");
    EXPECT_FALSE(SaveSettings(folder / "settings.ini", 1));
    EXPECT_TRUE(fs::is_directory(folder / "settings.ini"));
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(Settings, FileGoesIntoTheDocumentsFolderWhenItsOwnFolderCannotBeMade) {
    TempFolder documents;
    documents.Write("Norax", "a file in the way");
    EXPECT_EQ(PrepareSettingsFile(documents.Path()), documents / "NoraxT360KVConfig.ini");
}

} // namespace
