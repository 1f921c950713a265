// The DATA LOG page of the main window: the log switch, Clear, Save and the command line.
// The receive path appends the lines; the view is brought up to date in batches.
#include "app/Mainform.h"
#include "log/DataLog.h"
#include "log/DataLogPage.h"
#include "log/ReportFileName.h"
#include "platform/FileSystem.h"

void TForm1::spbtnEnableLogClick() {
    LoggingOn = !LoggingOn;
    view_.SetChecked(TControl::spbtnEnableLog, LoggingOn);
    view_.SetText(TControl::spbtnEnableLog, LogButtonCaption(LoggingOn));
}

void TForm1::btnClearLogClick() {
    if (view_.MessageBox(kClearLogQuestion, kClearLogCaption, TMessageButtons::OkCancel) != IDOK)
        return;
    dataLog_->Clear();
    ShowNewLogLines();
}

void TForm1::btnSaveLogClick() {
    TSaveFileRequest request;
    request.Filter = std::string(kDataLogFileFilter) + "|*." + kDataLogDefaultExtension;
    request.FilterIndex = 1;
    request.DefaultExt = kDataLogDefaultExtension;
    request.FileName = dataLogFileName_;
    std::string chosen;
    if (!view_.PromptSaveFile(request, chosen))
        return;
    std::string fileName = WithDefaultExtension(chosen, kDataLogDefaultExtension);
    dataLogFileName_ = fileName;
    TSaveLogOutcome outcome = SaveDataLog(*dataLog_, fileName, [this] {
        return view_.MessageBox(kOverwriteQuestion, kOverwriteCaption, TMessageButtons::YesNo) ==
               IDYES;
    });
    if (!outcome.Message.empty())
        view_.MessageBox(outcome.Message, kApplicationTitle, TMessageButtons::Ok,
                         outcome.Result == slFailed ? TMessageIcon::Error : TMessageIcon::Warning);
}

void TForm1::btnSendCommandClick() {
    std::string typed = view_.EditText(TControl::LabeledEditCommandText);
    if (!SendCommand(typed,
                     [this](const void* bytes, int length) { return SendData(bytes, length); }))
        view_.MessageBox(kSendErrorText, kSendErrorCaption, TMessageButtons::Ok,
                         TMessageIcon::Error);
}

// One batch per received chunk: at the fastest line rate the window redraws the log a
// few lines at a time, and a burst longer than the log's view keeps only its newest lines.
void TForm1::ShowNewLogLines() {
    TDataLogViewChanges changes = dataLog_->TakeViewChanges();
    if (changes.Cleared)
        view_.ListClear(TControl::MemoDataLog);
    for (const std::string& line : changes.NewLines)
        view_.AppendLine(TControl::MemoDataLog, line);
}
