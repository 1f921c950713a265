// The Win32 file layer against the system: the reason given for a failure is the
// system's own sentence, replacing a file that another program holds open fails without
// touching it, and paths may mix both separators.
#include "TempFolder.h"

#include "platform/FileSystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// FormatMessage's sentence for `code`, without its period and line end.
std::string SystemSentence(DWORD code) {
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, sizeof text, nullptr);
    std::string sentence(text, length);
    while (!sentence.empty() && std::string("\r\n. ").find(sentence.back()) != std::string::npos)
        sentence.pop_back();
    return sentence;
}

TEST(FileSystemWin32, ErrorTextIsTheSystemsSentenceForTheLastError) {
    for (DWORD code :
         {DWORD{ERROR_FILE_NOT_FOUND}, DWORD{ERROR_PATH_NOT_FOUND}, DWORD{ERROR_ACCESS_DENIED},
          DWORD{ERROR_SHARING_VIOLATION}, DWORD{ERROR_DISK_FULL}}) {
        SCOPED_TRACE(code);
        SetLastError(code);
        std::string text = LastSystemErrorText();
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text, SystemSentence(code));
    }
}

// The temporary file's name comes from GetTempFileName, which calls a missing folder an
// invalid folder name; the reason is taken before the cleanup can change it.
TEST(FileSystemWin32, WriterInAMissingFolderSaysWhy) {
    TempFolder folder;
    TAtomicFileWriter writer(folder / "missing/log.txt");
    EXPECT_FALSE(writer.IsOpen());
    EXPECT_EQ(writer.ErrorText(), SystemSentence(ERROR_DIRECTORY));
}

TEST(FileSystemWin32, TargetHeldOpenByAnotherProgramIsLeftAsItWas) {
    TempFolder folder;
    std::string path = folder.Write("report.TXT", "old\r\n");
    // As an editor that keeps the file open and lets others only read it.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TAtomicFileWriter writer(path);
    ASSERT_TRUE(writer.Write("new\r\n"));
    EXPECT_FALSE(writer.Commit());
    EXPECT_FALSE(writer.ErrorText().empty());
    CloseHandle(held);
    EXPECT_EQ(TempFolder::Read(path), "old\r\n");
    EXPECT_EQ(folder.EntryCount(), 1u) << "no temporary file left beside it";
}

TEST(FileSystemWin32, FoldersGivenWithEitherSeparator) {
    TempFolder folder;
    EXPECT_TRUE(CreateFolderTree(folder.Path() + "\\a/b\\c"));
    EXPECT_TRUE(FolderExists(folder / "a/b/c"));
    ASSERT_TRUE(WriteFileAtomically(folder.Path() + "/a/b/c/x.ini", "x"));
    EXPECT_TRUE(FileExists(folder / "a/b/c/x.ini"));
}

TEST(FileSystemWin32, ProgramFolderHoldsTheRunningProgram) {
    std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    char program[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    EXPECT_EQ(std::string(program, length).rfind(folder, 0), 0u);
    EXPECT_TRUE(FolderExists(folder));
}

} // namespace
