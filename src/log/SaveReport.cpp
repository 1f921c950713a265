// Saving the configuration report: the question, the file dialog, the overwrite
// question, the file written in one step, and the text editor.
#include "app/Mainform.h"
#include "dialogs/DialogTexts.h"
#include "log/ConfigReport.h"
#include "log/ReportFileName.h"
#include "platform/FileSystem.h"

namespace {

constexpr char kReportExtension[] = "TXT";
constexpr char kInternalGpsCaption[] = "INTERNAL GPS";
constexpr char kGpsEnableCaption[] = "Enable Internal GPS Module";
constexpr char kGpsModeCaption[] = "GPS Mode";

} // namespace

void TForm1::SaveConfigurationReport() {
    if (view_.MessageBox("Do you want to save report?", "Save", TMessageButtons::OkCancel) !=
        IDOK) {
        ReportOutcome = roDeclined;
        return;
    }
    TReportValues values;
    values.WindowCaption = kApplicationTitle;
    values.Version = kAboutVersion;
    values.Time = LocalTimeNow();
    values.SerialNo = DeviceInfo.SerialNo;
    values.Firmware = DeviceInfo.Firmware;
    values.Rs232Baud = DeviceInfo.Rs232Baud;
    values.NmeaBaud = DeviceInfo.NmeaBaud;
    values.BaudRateCaption = Texts.BaudRateTab;
    values.InternalGpsCaption = kInternalGpsCaption;
    values.GpsEnableCaption = kGpsEnableCaption;
    values.GpsEnabled = view_.Checked(TControl::CheckBoxInternalGPSEnable);
    values.GpsModeCaption = kGpsModeCaption;
    // Item 0 names itself; item 1 stands for everything else, no selection included.
    int mode = view_.ItemIndex(TControl::ComboBoxGPSNavStatus) == 0 ? 0 : 1;
    values.GpsModeText = view_.ListItem(TControl::ComboBoxGPSNavStatus, mode);
    std::string text = ConfigReportText(ConfigReportLines(values));

    TSaveFileRequest request;
    request.Filter = "Report File (*.TXT)|*.TXT";
    request.FilterIndex = 1;
    request.DefaultExt = kReportExtension;
    // The serial number comes from the device: it must not lead the dialog elsewhere.
    request.FileName = ProposedFileName(DeviceInfo.SerialNo);
    std::string chosen;
    if (!view_.PromptSaveFile(request, chosen)) {
        ReportOutcome = roDeclined;
        return;
    }
    std::string fileName = WithDefaultExtension(chosen, kReportExtension);
    if (FileExists(fileName) && view_.MessageBox("File already exists. Do you want to overwrite?",
                                                 "Warning", TMessageButtons::YesNo) != IDYES) {
        ReportOutcome = roDeclined;
        return;
    }
    TAtomicFileWriter writer(fileName);
    if (!writer.Write(text) || !writer.Commit()) {
        view_.ShowMessage("Cannot create file \"" + fileName + "\": " + writer.ErrorText() + ".");
        ReportOutcome = roFailed;
        return;
    }
    ReportOutcome = roWritten;
    if (OpenTextEditor)
        OpenTextEditor(fileName);
}
