#include "TextView.h"

void TTextView::ShowMessage(const std::string& text) {
    std::fprintf(out_, "! %s\n", text.c_str());
    std::fflush(out_);
}

int TTextView::MessageBox(const std::string& text, const std::string& caption,
                          TMessageButtons buttons) {
    std::fprintf(out_, "! %s: %s\n", caption.c_str(), text.c_str());
    std::fflush(out_);
    return buttons == TMessageButtons::YesNo ? IDYES : IDOK;
}

void TTextView::SetText(TControl control, const std::string& text) {
    if (control == TControl::LabelConnectionStatus) {
        std::fprintf(out_, "# %s\n", text.c_str());
        std::fflush(out_);
    }
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
