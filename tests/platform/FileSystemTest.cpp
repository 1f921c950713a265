// The file operations under the settings file and the data log.
#include "TempFolder.h"

#include "platform/FileSystem.h"

#include <gtest/gtest.h>

namespace {

TEST(FileSystem, WriterWithoutCommitLeavesTheTargetAsItWas) {
    TempFolder folder;
    std::string path = folder.Write("log.txt", "old\r\n");
    {
        TAtomicFileWriter writer(path);
        ASSERT_TRUE(writer.IsOpen());
        ASSERT_TRUE(writer.Write("new, never committed\r\n"));
        EXPECT_EQ(TempFolder::Read(path), "old\r\n") << "nothing shows before the commit";
    }
    EXPECT_EQ(TempFolder::Read(path), "old\r\n");
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(FileSystem, CommitReplacesTheTarget) {
    TempFolder folder;
    std::string path = folder.Write("log.txt", "a much longer old content\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, "new\r\n"));
    EXPECT_EQ(TempFolder::Read(path), "new\r\n");
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(FileSystem, WriterInAMissingFolderFails) {
    TempFolder folder;
    TAtomicFileWriter writer(folder / "missing/log.txt");
    EXPECT_FALSE(writer.IsOpen());
    EXPECT_FALSE(writer.Write("x"));
    EXPECT_FALSE(writer.Commit());
}

TEST(FileSystem, FolderTreeWithItsParents) {
    TempFolder folder;
    EXPECT_TRUE(CreateFolderTree(folder / "a/b/c"));
    EXPECT_TRUE(FolderExists(folder / "a/b/c"));
    EXPECT_TRUE(CreateFolderTree(folder / "a/b/c")) << "an existing folder is fine";
    folder.Write("file", "");
    EXPECT_FALSE(CreateFolderTree(folder / "file/sub"));
    EXPECT_TRUE(FileExists(folder / "file"));
    EXPECT_FALSE(FileExists(folder / "a"));
}

TEST(FileSystem, JoinPathAddsOneSeparatorOfTheSystem) {
    const std::string joined = std::string("x") + kPathSeparator + "y";
    EXPECT_EQ(JoinPath("x", "y"), joined);
    EXPECT_EQ(JoinPath(std::string("x") + kPathSeparator, "y"), joined);
    EXPECT_EQ(JoinPath("x/", "y"), "x/y") << "a folder given with '/' keeps it";
    EXPECT_EQ(JoinPath("", "y"), "y");
}

} // namespace
