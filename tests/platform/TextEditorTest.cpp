// Opening the saved report: the desktop's opener first, then $VISUAL or $EDITOR, then
// an editor on the PATH; nothing at all when there is none. Fake programs in a folder
// of the test's own stand in for them and write down the arguments they got.
#include "platform/TextEditor.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

class TextEditorTest : public ::testing::Test {
protected:
    TextEditorTest() {
        std::string pattern = ::testing::TempDir() + "t360kv-editor-XXXXXX";
        folder = mkdtemp(pattern.data());
        for (const char* variable : {"PATH", "VISUAL", "EDITOR"}) {
            const char* value = std::getenv(variable);
            saved.emplace_back(variable, value ? std::optional<std::string>(value) : std::nullopt);
        }
        setenv("PATH", folder.c_str(), 1);
        unsetenv("VISUAL");
        unsetenv("EDITOR");
    }
    ~TextEditorTest() override {
        for (const auto& [variable, value] : saved)
            if (value)
                setenv(variable.c_str(), value->c_str(), 1);
            else
                unsetenv(variable.c_str());
        fs::remove_all(folder);
    }

    // A program `name` in the test's folder that writes its name and arguments to a file.
    std::string FakeProgram(const std::string& name) {
        fs::path program = folder / name;
        std::ofstream(program) << "#!/bin/sh\necho \"" << name << " $*\" > \"" << Record()
                               << ".tmp\"\n/bin/mv \"" << Record() << ".tmp\" \"" << Record()
                               << "\"\n";
        chmod(program.c_str(), 0755);
        return program.string();
    }
    std::string Record() const { return (folder / "started").string(); }
    // What the started program wrote down, once it has run.
    std::string Started() const {
        for (int i = 0; i < 500 && !fs::exists(Record()); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(Record());
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path folder;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

TEST_F(TextEditorTest, TheDesktopsOpenerComesFirst) {
    FakeProgram("xdg-open");
    FakeProgram("gedit");
    setenv("VISUAL", FakeProgram("visual").c_str(), 1);
    OpenInTextEditor("/tmp/report 1.TXT");
    EXPECT_EQ(Started(), "xdg-open /tmp/report 1.TXT\n");
}

TEST_F(TextEditorTest, TheEditorVariableTakesItsOwnArgumentsAndTheFileAsOne) {
    FakeProgram("gedit");
    setenv("EDITOR", (FakeProgram("myeditor") + " --wait").c_str(), 1);
    OpenInTextEditor("/tmp/a;b $(x).TXT");
    EXPECT_EQ(Started(), "myeditor --wait /tmp/a;b $(x).TXT\n");
}

TEST_F(TextEditorTest, AnEditorOnThePathIsTheLastResort) {
    FakeProgram("mousepad");
    OpenInTextEditor("-report.TXT");
    EXPECT_EQ(Started(), "mousepad ./-report.TXT\n");
}

TEST_F(TextEditorTest, WithoutAnyEditorNothingHappens) {
    OpenInTextEditor("/tmp/report.TXT");
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(fs::exists(Record()));
}

} // namespace
