#include "TextView.h"

#include "dialogs/DialogTexts.h"

void TTextView::ShowMessage(const std::string& text) {
    std::fprintf(out_, "! %s\n", text.c_str());
    std::fflush(out_);
}

int TTextView::MessageBox(const std::string& text, const std::string& caption,
                          TMessageButtons buttons, TMessageIcon) {
    std::fprintf(out_, "! %s: %s\n", caption.c_str(), text.c_str());
    std::fflush(out_);
    return buttons == TMessageButtons::YesNo ? IDYES : IDOK;
}

void TTextView::SetText(TControl control, const std::string& text) {
    texts_[control] = text;
    if (control != TControl::LabelConnectionStatus && control != TControl::LabelTimerRemain)
        return;
    // The countdown's text has a line break; one printed line per second is enough.
    std::string line = text;
    for (char& c : line)
        if (c == '\n')
            c = ' ';
    std::fprintf(out_, "# %s\n", line.c_str());
    std::fflush(out_);
}

void TTextView::SetTimerEnabled(TTimer timer, bool enabled) {
    if (OnTimerEnabled)
        OnTimerEnabled(timer, enabled);
}

void TTextView::ShowWindow(TWindow window) {
    if (window != TWindow::frmWaitingProgress)
        return;
    std::fprintf(out_, "# %s\n", kProgressText);
    std::fflush(out_);
}

bool TTextView::PromptSaveFile(const TSaveFileRequest&, std::string& fileName) {
    if (SaveFileName.empty())
        return false;
    fileName = SaveFileName;
    return true;
}

std::string TTextView::ListItem(TControl list, int index) {
    const auto& items = lists_[list];
    return index >= 0 && static_cast<size_t>(index) < items.size()
               ? items[static_cast<size_t>(index)]
               : std::string();
}

int TTextView::ItemIndex(TControl list) {
    auto it = itemIndex_.find(list);
    return it == itemIndex_.end() ? -1 : it->second;
}

void TTextView::AppendLine(TControl memo, const std::string& line) {
    if (memo != TControl::MemoDataLog)
        return;
    std::fprintf(out_, "< %s\n", line.c_str());
    std::fflush(out_);
    if (OnLogLine)
        OnLogLine(line);
}

std::string TTextView::Text(TControl control) const {
    auto it = texts_.find(control);
    return it == texts_.end() ? std::string() : it->second;
}

int TTextView::ImageIndex(TControl control) const {
    auto it = images_.find(control);
    return it == images_.end() ? -1 : it->second;
}
