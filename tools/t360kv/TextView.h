// The window of the headless tool: messages, the connection status, the countdown and the
// data log become printed lines, message boxes take their default answer (OK, Yes), the
// file save dialog answers with SaveFileName, texts and pictures are remembered for the
// commands to print, and everything else is remembered silently or ignored.
#pragma once

#include "app/MainView.h"

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

class TTextView : public TMainView {
public:
    explicit TTextView(std::FILE* out) : out_(out) {}

    // Called for every line appended to the data log.
    std::function<void(const std::string&)> OnLogLine;
    // Called for every timer switched on or off; the tool runs the timers.
    std::function<void(TTimer, bool)> OnTimerEnabled;
    // The answer of the file save dialog; empty: Cancel.
    std::string SaveFileName;

    void ShowMessage(const std::string& text) override;
    using TMainView::MessageBox;
    int MessageBox(const std::string& text, const std::string& caption, TMessageButtons buttons,
                   TMessageIcon icon) override;
    void SetText(TControl control, const std::string& text) override;
    void SetEnabled(TControl, bool) override {}
    void SetVisible(TControl, bool) override {}
    void SetChecked(TControl control, bool checked) override { checked_[control] = checked; }
    void SetFontColor(TControl, TFontColor) override {}
    void ListClear(TControl list) override { lists_[list].clear(); }
    void ListAdd(TControl list, const std::string& item) override { lists_[list].push_back(item); }
    int ListCount(TControl list) override { return static_cast<int>(lists_[list].size()); }
    std::string ListItem(TControl list, int index) override;
    int ItemIndex(TControl list) override;
    void SetItemIndex(TControl list, int index) override { itemIndex_[list] = index; }
    void DropDown(TControl) override {}
    int ActivePage(TControl pages) override { return pages_[pages]; }
    void SetActivePage(TControl pages, int index) override { pages_[pages] = index; }
    void AppendLine(TControl memo, const std::string& line) override;
    void SetTimerEnabled(TTimer timer, bool enabled) override;
    void CloseWindow() override {}
    bool Checked(TControl control) override { return checked_[control]; }
    void ShowWindow(TWindow window) override;
    // Nothing waits here: the modal window's timer runs on with the tool's loop.
    void ShowModal(TWindow) override {}
    void HideWindow(TWindow) override {}
    void SetProgressMax(TControl, int) override {}
    void SetProgressPosition(TControl, int) override {}
    void SetImageIndex(TControl image, int index) override { images_[image] = index; }
    bool PromptSaveFile(const TSaveFileRequest& request, std::string& fileName) override;
    std::string EditText(TControl edit) override { return Text(edit); }
    // The tool prints the texts' bytes as they are.
    void SetTextLanguage(TLanguage) override {}
    // The tool prints no sky map or chart.
    void ShowSatelliteViews(const TSatelliteViewData&) override {}

    // What the window would show: the last text and picture set on a control.
    std::string Text(TControl control) const;
    int ImageIndex(TControl control) const;

private:
    std::FILE* out_;
    std::map<TControl, std::vector<std::string>> lists_;
    std::map<TControl, int> itemIndex_;
    std::map<TControl, int> pages_;
    std::map<TControl, bool> checked_;
    std::map<TControl, std::string> texts_;
    std::map<TControl, int> images_;
};
