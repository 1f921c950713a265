// The code pages of the language files, converted by Windows: the shipped files' texts
// against their known bytes, and the rules for bytes and characters a code page lacks.
#include "platform/CodePageConversion.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TextCase {
    const char* What;
    unsigned CodePage;
    std::string Bytes;
    std::string Utf8;
};

TEST(CodePagesWin32, TextsOfTheLanguageFilesBothWays) {
    const TextCase cases[] = {
        {"GB2312 Disconnect", 936, "\xB6\xCF\xBF\xAA\xC1\xAC\xBD\xD3", "断开连接"},
        {"GB2312 Program Device", 936, "\xD0\xB4\xC8\xEB\xC9\xE8\xB1\xB8", "写入设备"},
        {"Big5 Disconnect", 950, "\xA4\xA4\xC2\x5F\xB3\x73\xBD\x75", "中斷連線"},
        {"Big5 with a trail byte that is ASCII", 950, "\xA5\x5C", "功"},
        {"Windows-1252", 1252, "\x80\x93\xE9\xFC", "€“éü"},
        {"any other code page is 1252", 437, "\x80", "€"},
        {"ASCII stays", 936, "File(&F)", "File(&F)"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.What);
        EXPECT_EQ(CodePageToUtf8(c.CodePage, c.Bytes), c.Utf8);
        EXPECT_EQ(Utf8ToCodePage(c.CodePage, c.Utf8), c.Bytes);
    }
}

TEST(CodePagesWin32, BytesTheCodePageLacksBecomeReplacementCharacters) {
    const std::string replacement = "\xEF\xBF\xBD";
    const TextCase cases[] = {
        {"Big5 lead byte before a line end", 950, "a\xA4\n", "a" + replacement + "\n"},
        {"Big5 lead byte at the end", 950, "\xB3\x73\xBD", "連" + replacement},
        {"GB2312 lead byte at the end", 936, "x\xB6", "x" + replacement},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.What);
        EXPECT_EQ(CodePageToUtf8(c.CodePage, c.Bytes), c.Utf8);
    }
}

TEST(CodePagesWin32, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCodePage(1252, "漢x"), "?x");
    EXPECT_EQ(Utf8ToCodePage(950, "\xE2\x82\xAC"), "\xA3\xE1") << "Big5 has the euro sign";
    EXPECT_EQ(Utf8ToCodePage(936, "Ω한"), "\xA6\xB8?");
}

} // namespace
