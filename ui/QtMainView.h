// The controller's view operations carried out on the Qt main window. A control is found
// by its object name (ControlName), and the operation is applied according to the kind
// of widget or action it turns out to be. Texts cross as 8-bit ANSI (AnsiText.h).
#pragma once

#include "view/MainView.h"

#include <functional>
#include <string>
#include <vector>

class MainWindow;
class QObject;
class QWidget;

class QtMainView : public TMainView {
public:
    // Answers a message box instead of the user: text, caption, buttons, icon -> the button pressed
    using MessageAnswer = std::function<TMessageAnswer(
        const std::string& text, const std::string& caption, TMessageButtons, TMessageIcon)>;
    // Answers the file save dialog instead of the user: true with the chosen name.
    using SaveFileAnswer = std::function<bool(const TSaveFileRequest&, std::string& fileName)>;
    // Answers the file open dialog instead of the user: true with the chosen name.
    using OpenFileAnswer = std::function<bool(std::string& fileName)>;

    explicit QtMainView(MainWindow& window) : window_(window) {}

    // Replaces the modal message boxes, which would wait for a user (tests, demos).
    void AnswerMessagesWith(MessageAnswer answer) { answer_ = std::move(answer); }
    void AnswerSaveFileWith(SaveFileAnswer answer) { saveAnswer_ = std::move(answer); }
    void AnswerOpenFileWith(OpenFileAnswer answer) { openAnswer_ = std::move(answer); }

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
    // The widget or action named after `control`; a menu stands for its menu action.
    // Null, with a warning, when the window has no such control.
    QObject* Find(TControl control) const;
    template <class Kind> Kind* FindAs(TControl control) const;
    QWidget* FindWindow(TWindow window) const;

    MainWindow& window_;
    MessageAnswer answer_;
    SaveFileAnswer saveAnswer_;
    OpenFileAnswer openAnswer_;
};
