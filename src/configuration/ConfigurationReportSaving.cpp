// Saving the configuration report: the question, the file dialog, the overwrite
// question, the file written in one step, and the text editor.
#include "configuration/ConfigurationPresenter.h"
#include "configuration/ConfigurationReport.h"
#include "log/ReportFileName.h"
#include "platform/FileSystem.h"

namespace {
constexpr char kReportExtension[] = "TXT";
} // namespace

void TConfigurationPresenter::SaveConfigurationReport() {
    if (view_.MessageBox("Do you want to save report?", "Save", TMessageButtons::OkCancel) !=
        TMessageAnswer::Ok) {
        reportOutcome_ = roDeclined;
        return;
    }
    const TDeviceInfo& report = session_.Report();
    TReportGpsState gps{view_.Checked(TControl::CheckBoxInternalGPSEnable),
                        view_.ItemIndex(TControl::ComboBoxGPSNavStatus)};
    std::string text =
        ConfigurationReportText(report, gps, texts_.BaudRateTab, desktop_.LocalTimeNow());

    TSaveFileRequest request;
    request.Filter = "Report File (*.TXT)|*.TXT";
    request.FilterIndex = 1;
    request.DefaultExt = kReportExtension;
    // The serial number comes from the device: it must not lead the dialog elsewhere.
    request.FileName = ProposedFileName(report.SerialNo);
    std::string chosen;
    if (!view_.PromptSaveFile(request, chosen)) {
        reportOutcome_ = roDeclined;
        return;
    }
    std::string fileName = WithDefaultExtension(chosen, kReportExtension);
    if (FileExists(fileName) &&
        view_.MessageBox("File already exists. Do you want to overwrite?", "Warning",
                         TMessageButtons::YesNo) != TMessageAnswer::Yes) {
        reportOutcome_ = roDeclined;
        return;
    }
    TAtomicFileWriter writer(fileName);
    if (!writer.Write(text) || !writer.Commit()) {
        view_.ShowMessage("Cannot create file \"" + fileName + "\": " + writer.ErrorText() + ".");
        reportOutcome_ = roFailed;
        return;
    }
    reportOutcome_ = roWritten;
    if (desktop_.OpenTextEditor)
        desktop_.OpenTextEditor(fileName);
}
