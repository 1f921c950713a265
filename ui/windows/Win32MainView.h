// The controller's view operations carried out on the Win32 main window. A control is
// found by its id (ControlId), a menu control in the menu bar, and the operation is
// applied according to the kind of control it is. The controller's texts are 8-bit in
// the code page of the window's language; the port selector's items are UTF-8.
#pragma once

#include "Win32Api.h"

#include "Win32LogView.h"
#include "view/MainView.h"

#include <functional>
#include <string>
#include <unordered_map>

class TWin32MainWindow;

class TWin32MainView : public TMainView {
public:
    // Answers a message box instead of the user: text, caption, buttons, icon -> the button pressed
    using MessageAnswer = std::function<TMessageAnswer(
        const std::string& text, const std::string& caption, TMessageButtons, TMessageIcon)>;
    // Answers the file save dialog instead of the user: true with the chosen name.
    using SaveFileAnswer = std::function<bool(const TSaveFileRequest&, std::string& fileName)>;
    // Answers the file open dialog instead of the user: true with the chosen name.
    using OpenFileAnswer = std::function<bool(std::string& fileName)>;

    explicit TWin32MainView(TWin32MainWindow& window) : window_(window) {}

    // Replaces the modal message boxes, which would wait for a user (tests, demos).
    void AnswerMessagesWith(MessageAnswer answer) { answer_ = std::move(answer); }
    void AnswerSaveFileWith(SaveFileAnswer answer) { saveAnswer_ = std::move(answer); }
    void AnswerOpenFileWith(OpenFileAnswer answer) { openAnswer_ = std::move(answer); }

    TLanguage Language() const { return language_; }

    void ShowMessage(const std::string& text) override;
    using TMainView::MessageBox;
    TMessageAnswer MessageBox(const std::string& text, const std::string& caption,
                              TMessageButtons buttons, TMessageIcon icon) override;

    void SetText(TControl control, const std::string& text) override;
    void SetEnabled(TControl control, bool enabled) override;
    void SetVisible(TControl control, bool visible) override;
    void SetChecked(TControl control, bool checked) override;
    void SetFontColor(TControl control, TFontColor color) override;

    void ListClear(TControl list) override;
    void ListAdd(TControl list, const std::string& item) override;
    int ListCount(TControl list) override;
    std::string ListItem(TControl list, int index) override;
    int ItemIndex(TControl list) override;
    void SetItemIndex(TControl list, int index) override;
    void DropDown(TControl list) override;

    int ActivePage(TControl pages) override;
    void SetActivePage(TControl pages, int index) override;

    void AppendLine(TControl memo, const std::string& line) override;

    void SetTimerEnabled(TTimer timer, bool enabled) override;

    void CloseWindow() override;

    bool Checked(TControl control) override;
    void ShowWindow(TWindow window) override;
    void ShowModal(TWindow window) override;
    void HideWindow(TWindow window) override;
    void SetProgressMax(TControl bar, int maximum) override;
    void SetProgressPosition(TControl bar, int position) override;
    void SetImageIndex(TControl image, int index) override;
    bool PromptSaveFile(const TSaveFileRequest& request, std::string& fileName) override;
    bool PromptOpenFile(const std::string& filter, std::string& fileName) override;
    std::string EditText(TControl edit) override;
    void SetTextLanguage(TLanguage language) override;
    void ShowSatelliteViews(const TSatelliteViewData& views) override;
    void SetStationRows(const TStationRows& rows) override;
    void StationRowsChanged(const TStationRowChanges& changes) override;
    void ShowCoverage(const TCoverageView& coverage) override;
    void ShowStationDetails(const std::string& title,
                            const std::vector<TStationDetail>& details) override;

private:
    // The child window of `control`; null, with a note to the debugger, when none.
    HWND Find(TControl control) const;
    std::wstring Wide(TControl control, const std::string& text) const;
    std::string Narrow(TControl control, const std::wstring& text) const;

    TWin32MainWindow& window_;
    TLanguage language_ = laEnglish;
    std::unordered_map<int, TWin32LogView> logs_;
    MessageAnswer answer_;
    SaveFileAnswer saveAnswer_;
    OpenFileAnswer openAnswer_;
};
