// The documents folder of the XDG user folders: the line of user-dirs.dirs, and which
// file is read.
#include "TempFolder.h"

#include "platform/posix/XdgUserDirs.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

TEST(XdgUserDirs, DocumentsLineOfUserDirs) {
    struct Case {
        const char* what;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"below $HOME", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "/home/ann/Dokumente"},
        {"absolute", "XDG_DOCUMENTS_DIR=\"/data/docs/\"\n", "/data/docs"},
        {"$HOME itself", "XDG_DOCUMENTS_DIR=\"$HOME/\"\n", "/home/ann"},
        {"escaped quote", "XDG_DOCUMENTS_DIR=\"$HOME/my \\\"docs\\\"\"\n", "/home/ann/my \"docs\""},
        {"relative paths do not count", "XDG_DOCUMENTS_DIR=\"docs\"\n", ""},
        {"comments and other folders",
         "# XDG_DOCUMENTS_DIR=\"$HOME/no\"\n"
         "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n",
         ""},
        {"the last line wins", "XDG_DOCUMENTS_DIR=\"$HOME/a\"\n XDG_DOCUMENTS_DIR = \"$HOME/b\"\n",
         "/home/ann/b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DocumentsDirOf(c.text, "/home/ann"), c.expected) << c.what;
}

TEST(XdgUserDirs, ConfigFolderAndFallback) {
    TempFolder home;
    fs::create_directories(home / ".config");
    fs::create_directories(home / "elsewhere");
    home.Write(".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n");
    home.Write("elsewhere/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Other\"\n");

    EXPECT_EQ(XdgDocumentsFolder({home.Path(), ""}), home / "Docs");
    EXPECT_EQ(XdgDocumentsFolder({home.Path(), home / "elsewhere"}), home / "Other");
    EXPECT_EQ(XdgDocumentsFolder({home.Path(), "relative/is/ignored"}), home / "Docs");
    EXPECT_EQ(XdgDocumentsFolder({home.Path(), home / "missing"}), home / "Documents");
}

} // namespace
