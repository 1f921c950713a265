// A recording stand-in for the window: remembers texts, messages and list contents,
// and answers message boxes with a scripted button.
#pragma once

#include "app/MainView.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

class FakeView : public TMainView {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    int MessageBox(const std::string& text, const std::string& caption, TMessageButtons) override {
        messages.push_back(caption + ": " + text);
        return messageBoxAnswer;
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
    void SetTimerEnabled(TTimer t, bool on) override { timers[t] = on; }
    void CloseWindow() override { closeRequests++; }

    int messageBoxAnswer = IDOK;
    std::vector<std::string> messages;
    std::map<TControl, std::string> texts;
    std::map<TControl, bool> enabled, visible, checked;
    std::map<TControl, TFontColor> colors;
    std::map<TControl, std::vector<std::string>> lists;
    std::map<TControl, int> itemIndex, pages;
    std::vector<TControl> droppedDown;
    std::map<TTimer, bool> timers;
    int closeRequests = 0;
};
