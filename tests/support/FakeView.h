// A recording stand-in for the window: remembers texts, messages and list contents,
// and answers message boxes with a scripted button.
#pragma once

#include "view/MainView.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class FakeView : public TMainView {
public:
    void ShowMessage(const std::string& text) override {
        messages.push_back(text);
        messageIcons.push_back(TMessageIcon::None);
    }
    using TMainView::MessageBox;
    TMessageAnswer MessageBox(const std::string& text, const std::string& caption, TMessageButtons,
                              TMessageIcon icon) override {
        messages.push_back(caption + ": " + text);
        messageIcons.push_back(icon);
        if (messageBoxAnswers.empty())
            return messageBoxAnswer;
        TMessageAnswer answer = messageBoxAnswers.front();
        messageBoxAnswers.pop_front();
        return answer;
    }
    void SetText(TControl c, const std::string& text) override { texts[c] = text; }
    void SetEnabled(TControl c, bool on) override { enabled[c] = on; }
    void SetVisible(TControl c, bool on) override { visible[c] = on; }
    void SetChecked(TControl c, bool on) override { checked[c] = on; }
    void SetFontColor(TControl c, TFontColor color) override { colors[c] = color; }
    void ListClear(TControl c) override { lists[c].clear(); }
    // The port selector keeps its items sorted, as the real drop-down list does.
    void ListAdd(TControl c, const std::string& item) override {
        auto& items = lists[c];
        if (c == TControl::cbxDeviceComEnum)
            items.insert(std::upper_bound(items.begin(), items.end(), item), item);
        else
            items.push_back(item);
    }
    int ListCount(TControl c) override { return static_cast<int>(lists[c].size()); }
    std::string ListItem(TControl c, int i) override { return lists[c].at(static_cast<size_t>(i)); }
    int ItemIndex(TControl c) override { return itemIndex.count(c) ? itemIndex[c] : -1; }
    void SetItemIndex(TControl c, int i) override { itemIndex[c] = i; }
    void DropDown(TControl c) override { droppedDown.push_back(c); }
    int ActivePage(TControl c) override { return pages[c]; }
    void SetActivePage(TControl c, int i) override { pages[c] = i; }
    void AppendLine(TControl c, const std::string& line) override { lists[c].push_back(line); }
    void SetTimerEnabled(TTimer t, bool on) override {
        timers[t] = on;
        if (onTimerEnabled)
            onTimerEnabled(t, on);
    }
    void CloseWindow() override { closeRequests++; }
    bool Checked(TControl c) override { return checked[c]; }
    void ShowWindow(TWindow w) override { shown[w] = true; }
    // Returns at once: the test drives the modal window's timer by hand.
    void ShowModal(TWindow w) override {
        shown[w] = true;
        modalShows.push_back(w);
    }
    void HideWindow(TWindow w) override { shown[w] = false; }
    void SetProgressMax(TControl c, int maximum) override { progressMax[c] = maximum; }
    void SetProgressPosition(TControl c, int position) override { progress[c] = position; }
    void SetImageIndex(TControl c, int index) override { images[c] = index; }
    bool PromptSaveFile(const TSaveFileRequest& request, std::string& fileName) override {
        saveRequests.push_back(request);
        if (!saveFileAnswer)
            return false;
        fileName = *saveFileAnswer;
        return true;
    }
    bool PromptOpenFile(const std::string& filter, std::string& fileName) override {
        openFilters.push_back(filter);
        if (!openFileAnswer)
            return false;
        fileName = *openFileAnswer;
        return true;
    }
    void ShowSatelliteViews(const TSatelliteViewData& views) override {
        satelliteViews = views;
        satelliteViewsShown++;
    }

    void SetStationRows(const TStationRows& rows) override {
        stationRows = &rows;
        stationRowsSet++;
    }
    void StationRowsChanged(const TStationRowChanges& changes) override {
        stationRowChanges.push_back(changes);
    }
    void ShowCoverage(const TCoverageView& view) override { coverages.push_back(view); }
    void ShowStationDetails(const std::string& title,
                            const std::vector<TStationDetail>& details) override {
        detailsTitle = title;
        stationDetails = details;
        detailsShown++;
    }

    // An edit's text is what the test put in `texts`.
    std::string EditText(TControl c) override { return texts[c]; }
    void SetTextLanguage(TLanguage language) override { textLanguage = language; }

    // Answers of the message boxes in turn; messageBoxAnswer once they are used up.
    std::deque<TMessageAnswer> messageBoxAnswers;
    TMessageAnswer messageBoxAnswer = TMessageAnswer::Ok;
    // The name "chosen" in the file save dialog; none: Cancel.
    std::optional<std::string> saveFileAnswer;
    std::vector<TSaveFileRequest> saveRequests;
    // The name "chosen" in the file open dialog; none: Cancel.
    std::optional<std::string> openFileAnswer;
    std::vector<std::string> openFilters;
    // Called for every timer switched on or off (tests with real timers).
    std::function<void(TTimer, bool)> onTimerEnabled;
    std::map<TWindow, bool> shown;
    std::vector<TWindow> modalShows;
    std::map<TControl, int> progressMax, progress, images;
    std::vector<std::string> messages;
    std::vector<TMessageIcon> messageIcons; // one for each of `messages`
    std::map<TControl, std::string> texts;
    std::map<TControl, bool> enabled, visible, checked;
    std::map<TControl, TFontColor> colors;
    std::map<TControl, std::vector<std::string>> lists;
    std::map<TControl, int> itemIndex, pages;
    std::vector<TControl> droppedDown;
    std::map<TTimer, bool> timers;
    int closeRequests = 0;
    std::optional<TLanguage> textLanguage;
    // The sky map and SNR chart as last shown, and how often they were drawn.
    TSatelliteViewData satelliteViews;
    int satelliteViewsShown = 0;
    // The AIS STATIONS page: the rows it was given, each change reported, each coverage
    // shown, and the details last shown.
    const TStationRows* stationRows = nullptr;
    int stationRowsSet = 0;
    std::vector<TStationRowChanges> stationRowChanges;
    std::vector<TCoverageView> coverages;
    std::string detailsTitle;
    std::vector<TStationDetail> stationDetails;
    int detailsShown = 0;
};
