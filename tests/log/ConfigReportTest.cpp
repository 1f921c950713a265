// The configuration report: its 24 lines byte for byte, the questions and the file
// dialog around saving it, the file written in one step, and the editor.
#include "ControllerHarness.h"
#include "SystemErrorTexts.h"
#include "TempFolder.h"

#include "log/ConfigReport.h"
#include "log/ReportFileName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string kRule = "===========================================\r\n";

// Lines 1-5 and 19-24 around the settings, for the harness's clock.
std::string Report(const std::string& settings) {
    return kRule + "  Tidelane T360KV Configurator (Essential)\r\n" +
           "    SW Version = Ver 1.0 Build20250227\r\n" + "       2025/02/27 09:05:07\r\n" + kRule +
           settings + "\r\n" + kRule + "Copyright (C) 2025 Norax Marine Electronics\r\n" +
           "Norax Marine Electronics\r\n" + "https://www.norax.example/t360kv\r\n" + kRule;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ConfigReportTest : public ::testing::Test {
protected:
    ConfigReportTest() { h.Connect(); }

    // A report with serial number 12345, firmware V1.00, 38400 and 4800 baud, GPS on, at sea.
    void ReadExampleReport() {
        for (const char* line : {"[SerialNo]=12345", "Firmware:V1.00", "NMEA_2_TX:(38400)",
                                 "NMEA_1_TX:(4800)", "GPS_Output=ON", "[GPS_NAV5_dynModel]=5"})
            h.Receive(std::string(line) + "\r\n");
    }
    void Save(const std::optional<std::string>& chosen) {
        h.view.saveFileAnswer = chosen;
        h.app->Configuration().SaveConfigurationReport();
    }
    std::vector<std::string> FilesInFolder() {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    ControllerHarness h;
    TempFolder temporary;
    fs::path folder{temporary.Path()};
};

TEST_F(ConfigReportTest, ExampleReportIsWrittenByteForByte) {
    ReadExampleReport();
    Save((folder / "12345.TXT").string());
    ASSERT_EQ(h.app->Configuration().ReportOutcome(), roWritten) << h.view.messages.back();
    EXPECT_EQ(ReadFile(folder / "12345.TXT"), Report("  Serial Number    = 12345\r\n"
                                                     "  Firmware Version = V1.00\r\n"
                                                     "\r\n"
                                                     "\r\n"
                                                     "[BAUD RATE]\r\n"
                                                     "\tRS-232 Baud Rate = 38400\r\n"
                                                     "\r\n"
                                                     "\tNMEA Baud Rate = 4800\r\n"
                                                     "\r\n"
                                                     "[INTERNAL GPS]\r\n"
                                                     "\tEnable Internal GPS Module = ON\r\n"
                                                     "\r\n"
                                                     "\tGPS Mode = At Sea level\r\n"));
    EXPECT_EQ(h.editorOpened, std::vector<std::string>{(folder / "12345.TXT").string()});
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"12345.TXT"}) << "no temporary left";
}

TEST_F(ConfigReportTest, DialogProposesTheSerialNumberAsAReportFile) {
    ReadExampleReport();
    Save(std::nullopt);
    ASSERT_EQ(h.view.saveRequests.size(), 1u);
    const TSaveFileRequest& request = h.view.saveRequests[0];
    EXPECT_EQ(request.FileName, "12345");
    EXPECT_EQ(request.Filter, "Report File (*.TXT)|*.TXT");
    EXPECT_EQ(request.FilterIndex, 1);
    EXPECT_EQ(request.DefaultExt, "TXT");
}

TEST_F(ConfigReportTest, BeforeAnyReportTheValuesAreEmptyAndZero) {
    h.view.itemIndex[TControl::ComboBoxGPSNavStatus] = -1;
    Save((folder / "empty").string());
    EXPECT_EQ(h.view.saveRequests.at(0).FileName, "");
    EXPECT_EQ(ReadFile(folder / "empty.TXT"), Report("  Serial Number    = \r\n"
                                                     "  Firmware Version = \r\n"
                                                     "\r\n"
                                                     "\r\n"
                                                     "[BAUD RATE]\r\n"
                                                     "\tRS-232 Baud Rate = 0\r\n"
                                                     "\r\n"
                                                     "\tNMEA Baud Rate = 0\r\n"
                                                     "\r\n"
                                                     "[INTERNAL GPS]\r\n"
                                                     "\tEnable Internal GPS Module = OFF\r\n"
                                                     "\r\n"
                                                     "\tGPS Mode = At Sea level\r\n"));
}

TEST_F(ConfigReportTest, GpsModeLineNamesItemZeroOrElseAtSeaLevel) {
    struct Case {
        int selected;
        const char* line;
    };
    const Case cases[] = {{0, "\tGPS Mode = Altitude higher than 500m"},
                          {1, "\tGPS Mode = At Sea level"},
                          {-1, "\tGPS Mode = At Sea level"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        h.view.itemIndex[TControl::ComboBoxGPSNavStatus] = c.selected;
        fs::path file = folder / ("mode" + std::to_string(c.selected + 1) + ".TXT");
        Save(file.string());
        EXPECT_NE(ReadFile(file).find(std::string(c.line) + "\r\n\r\n" + kRule), std::string::npos);
    }
}

TEST_F(ConfigReportTest, BareNameGetsTheTxtExtension) {
    Save((folder / "report").string());
    EXPECT_TRUE(fs::exists(folder / "report.TXT"));
    EXPECT_EQ(h.editorOpened, std::vector<std::string>{(folder / "report.TXT").string()});
    EXPECT_EQ(WithDefaultExtension("report.txt", "TXT"), "report.txt");
    EXPECT_EQ(WithDefaultExtension("v1.0/report", "TXT"), "v1.0/report.TXT");
    EXPECT_EQ(WithDefaultExtension("C:\\v1.0\\report", "TXT"), "C:\\v1.0\\report.TXT");
}

TEST_F(ConfigReportTest, CancelPathsWriteNothingAndOpenNoEditor) {
    struct Case {
        const char* what;
        std::vector<TMessageAnswer> answers;
        bool chooses;
        size_t dialogs;
    };
    const Case cases[] = {
        {"Cancel at the question", {TMessageAnswer::Cancel}, true, 0},
        {"Cancel in the dialog", {TMessageAnswer::Ok}, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        h.view.saveRequests.clear();
        h.view.messageBoxAnswers.assign(c.answers.begin(), c.answers.end());
        Save(c.chooses ? std::optional<std::string>((folder / "x.TXT").string()) : std::nullopt);
        EXPECT_EQ(h.view.saveRequests.size(), c.dialogs);
        EXPECT_EQ(h.app->Configuration().ReportOutcome(), roDeclined);
    }
    EXPECT_TRUE(FilesInFolder().empty());
    EXPECT_TRUE(h.editorOpened.empty());
}

TEST_F(ConfigReportTest, ExistingFileIsReplacedOnlyAfterYes) {
    fs::path file = folder / "old.TXT";
    std::ofstream(file) << "earlier report";
    h.view.messageBoxAnswers = {TMessageAnswer::Ok, TMessageAnswer::No};
    Save(file.string());
    EXPECT_EQ(h.view.messages.back(), "Warning: File already exists. Do you want to overwrite?");
    EXPECT_EQ(ReadFile(file), "earlier report");
    EXPECT_TRUE(h.editorOpened.empty());

    h.view.messageBoxAnswers = {TMessageAnswer::Ok, TMessageAnswer::Yes};
    Save(file.string());
    EXPECT_EQ(ReadFile(file).substr(0, kRule.size()), kRule);
    EXPECT_EQ(h.editorOpened, std::vector<std::string>{file.string()});
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"old.TXT"});
}

TEST_F(ConfigReportTest, FileThatCannotBeCreatedIsNamedAndOpensNoEditor) {
    std::string file = (folder / "missing" / "r.TXT").string();
    Save(file);
    EXPECT_EQ(h.app->Configuration().ReportOutcome(), roFailed);
    EXPECT_EQ(h.view.messages.back(),
              "Cannot create file \"" + file + "\": " + NoSuchFolderErrorText() + ".");
    EXPECT_TRUE(h.editorOpened.empty());
}

TEST_F(ConfigReportTest, SerialNumberCannotSteerTheProposedNameElsewhere) {
    h.Receive("[SerialNo]=../etc/x:*?\r\n");
    Save(std::nullopt);
    EXPECT_EQ(h.view.saveRequests.at(0).FileName, ".._etc_x___");
    EXPECT_EQ(ProposedFileName(".."), "");
    EXPECT_EQ(ProposedFileName("TL\x01"
                               "360"),
              "TL_360");
}

} // namespace
