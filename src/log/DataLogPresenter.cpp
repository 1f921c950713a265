#include "log/DataLogPresenter.h"
#include "log/DataLogPage.h"
#include "log/ReportFileName.h"
#include "view/Texts.h"

TDataLogPresenter::TDataLogPresenter(TMainView& view, TReceiverSession& session)
    : view_(view), session_(session) {}

void TDataLogPresenter::LogSwitchClicked() {
    loggingOn_ = !loggingOn_;
    view_.SetChecked(TControl::spbtnEnableLog, loggingOn_);
    view_.SetText(TControl::spbtnEnableLog, LogButtonCaption(loggingOn_));
}

void TDataLogPresenter::ClearClicked() {
    if (view_.MessageBox(kClearLogQuestion, kClearLogCaption, TMessageButtons::OkCancel) !=
        TMessageAnswer::Ok)
        return;
    log_.Clear();
    ShowNewLines();
}

void TDataLogPresenter::SaveClicked() {
    TSaveFileRequest request;
    request.Filter = std::string(kDataLogFileFilter) + "|*." + kDataLogDefaultExtension;
    request.FilterIndex = 1;
    request.DefaultExt = kDataLogDefaultExtension;
    request.FileName = fileName_;
    std::string chosen;
    if (!view_.PromptSaveFile(request, chosen))
        return;
    std::string fileName = WithDefaultExtension(chosen, kDataLogDefaultExtension);
    fileName_ = fileName;
    TSaveLogOutcome outcome = SaveDataLog(log_, fileName, [this] {
        return view_.MessageBox(kOverwriteQuestion, kOverwriteCaption, TMessageButtons::YesNo) ==
               TMessageAnswer::Yes;
    });
    if (!outcome.Message.empty())
        view_.MessageBox(outcome.Message, kApplicationTitle, TMessageButtons::Ok,
                         outcome.Result == slFailed ? TMessageIcon::Error : TMessageIcon::Warning);
}

void TDataLogPresenter::SendCommandClicked() {
    std::string typed = view_.EditText(TControl::LabeledEditCommandText);
    if (!SendCommand(typed, [this](const void* bytes, int length) {
            return session_.SendBytes(bytes, length);
        }))
        view_.MessageBox(kSendErrorText, kSendErrorCaption, TMessageButtons::Ok,
                         TMessageIcon::Error);
}

void TDataLogPresenter::LineReceived(std::string_view line, bool) {
    if (loggingOn_)
        log_.Append(line);
}

void TDataLogPresenter::ReceivedBatchEnded() {
    ShowNewLines();
}

// A burst longer than the log's view keeps only its newest lines.
void TDataLogPresenter::ShowNewLines() {
    TDataLogViewChanges changes = log_.TakeViewChanges();
    if (changes.Cleared)
        view_.ListClear(TControl::MemoDataLog);
    for (const std::string& line : changes.NewLines)
        view_.AppendLine(TControl::MemoDataLog, line);
}
