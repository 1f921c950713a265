// The settings file's folder on Windows: the shell's Documents folder of the user.
#include "platform/DocumentsFolder.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

TEST(DocumentsFolderWin32, IsTheUsersExistingDocumentsFolder) {
    std::string folder = DocumentsFolder();
    ASSERT_GE(folder.size(), 3u);
    EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(folder[0])) && folder[1] == ':' &&
                folder[2] == '\\')
        << folder << " is a full path on a drive";
    EXPECT_NE(folder.back(), '\\') << "joined with one separator";
    EXPECT_TRUE(FolderExists(folder)) << folder;
    EXPECT_NE(folder + '\\', ProgramFolder()) << "not the fallback beside the program";
}

} // namespace
