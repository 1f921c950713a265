// The INI document shared by the settings file and the language files.
#include "view/IniFile.h"

#include <gtest/gtest.h>

namespace {

TEST(IniFile, ReadsValuesAsTheProfileFunctionsDo) {
    TIniDocument ini = TIniDocument::Parse("top=outside any section\r\n"
                                           "[Menu]\r\n"
                                           "  File = File(&F)  \r\n"
                                           "Quoted=\"  spaced  \"\n"
                                           "Empty=\r\n"
                                           "; Help=commented out\r\n"
                                           "file=second File\r\n"
                                           "[ menu ]\r\n"
                                           "Help=in the second Menu section\r\n"
                                           "[Other]\r\n"
                                           "Help=Other's\r\n"
                                           "[ ]\r\n"
                                           "After=a nameless header\r\n"
                                           "[  CONFIG_SERIAL_PORT  ]\r\n"
                                           " Option_Language_TraChinese =long names\r\n"
                                           "=no key\r\n");
    struct Case {
        const char* what;
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"trimmed key and value", "Menu", "File", "File(&F)"},
        {"names without regard to case", "MENU", "file", "File(&F)"},
        {"one pair of quotes removed, inner blanks kept", "Menu", "Quoted", "  spaced  "},
        {"present but empty", "Menu", "Empty", ""},
        {"comment lines are no keys", "Menu", "; Help", std::nullopt},
        {"only the first section of a name counts", "Menu", "Help", std::nullopt},
        {"keys of the next section stay there", "Other", "Help", "Other's"},
        {"a missing section", "VIEW", "Help", std::nullopt},
        {"a key before every section belongs to none", "", "top", std::nullopt},
        {"a nameless header is no header", "Other", "After", "a nameless header"},
        {"long names trimmed", "config_serial_port", "OPTION_LANGUAGE_TRACHINESE", "long names"},
        {"a line without a key before its equals sign", "CONFIG_SERIAL_PORT", "", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.Get(c.section, c.key), c.expected) << c.what;
}

TEST(IniFile, KeepsDoubleByteTextWhoseSecondByteIsABracketOrBackslash) {
    // Big5 for U+529F and U+8A31 ends in 0x5C; U+96B1 ends in 0x5D (']').
    const std::string big5 = "\xA5\x5C\xAF\xE0\xB3\x5C\xC1\x5D";
    TIniDocument ini = TIniDocument::Parse("[SYS_BUTTON]\r\nConnect=" + big5 + "\r\n");
    EXPECT_EQ(ini.Get("SYS_BUTTON", "Connect"), big5);
    EXPECT_EQ(TIniDocument::Parse(ini.Text()).Get("SYS_BUTTON", "Connect"), big5);
}

TEST(IniFile, SetChangesOnlyItsOwnLine) {
    struct Case {
        const char* what;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"an empty document gains the section", "", "[VIEW]\r\nLanguage=0\r\n"},
        {"a missing section goes at the end", "[A]\nx=1\n",
         "[A]\r\nx=1\r\n[VIEW]\r\nLanguage=0\r\n"},
        {"the value is replaced in place", "; mine\r\n[view]\r\nlanguage = 7 \r\nOther=1\r\n",
         "; mine\r\n[view]\r\nLanguage=0\r\nOther=1\r\n"},
        {"a missing key follows the section's last key, before its blank lines",
         "[VIEW]\r\nOther=1\r\n\r\n[Next]\r\n",
         "[VIEW]\r\nOther=1\r\nLanguage=0\r\n\r\n[Next]\r\n"},
    };
    for (const Case& c : cases) {
        TIniDocument ini = TIniDocument::Parse(c.before);
        ini.Set("VIEW", "Language", "0");
        EXPECT_EQ(ini.Text(), c.after) << c.what;
        EXPECT_EQ(ini.Get("view", "language"), "0") << c.what;
        // Set again, on a copy: the line written first is replaced, the original kept.
        TIniDocument copy = ini;
        copy.Set("View", "LANGUAGE", "2");
        EXPECT_EQ(copy.Get("VIEW", "Language"), "2") << c.what;
        EXPECT_EQ(TIniDocument::Parse(copy.Text()).Get("VIEW", "Language"), "2") << c.what;
        EXPECT_EQ(ini.Text(), c.after) << c.what;
    }
}

} // namespace
