// What the main window controller needs from a window: the view operations. The Qt
// front end implements them with widgets, the command-line tool with printed lines,
// tests with a recording fake. Controls are addressed by TControl; a front end finds
// the widget by ControlName(), which is also the widget's object name.
#pragma once

#include <string>

enum class TControl {
    ComboBoxDeviceItem,
    LabelBaudRate,
    ComboBoxBaudRate,
    cbxDeviceComEnum,
    OpenPort,
    LabelConnectionStatus,
    btnExit,
    PanelView,
    PageControlMain,
    PageControlConf,
    PageControlDiagnosis,
    SpeedButtonReload,
    SpeedButtonSetting,
    MemoDataLog,
    MainMenu1,
    mnuOption,
    mnuLanguage,
};

const char* ControlName(TControl control);

enum class TTimer { Timer1, Timer2, TimerUpdateSysChk, TimerEthernetRoutine };

// Interval of each timer, in milliseconds.
int TimerInterval(TTimer timer);

// Pages of the three page controls, by index.
enum TMainPage { pgConfiguration = 0, pgDiagnostics = 1 };
enum TConfPage { pgBaudRate = 0, pgInternalGps = 1, pgNetwork = 2, pgRestore = 3 };
enum TDiagnosisPage { pgSystemCheck = 0, pgGpsStatus = 1, pgDataLog = 2 };

// Buttons of a message box, and the Win32 result codes of the button pressed.
enum class TMessageButtons { Ok, OkCancel, YesNo };
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

enum class TFontColor { Black, Red };

class TMainView {
public:
    virtual ~TMainView() = default;

    // A simple message with one OK button, captioned with the application title.
    virtual void ShowMessage(const std::string& text) = 0;
    // Returns IDOK, IDCANCEL, IDYES or IDNO.
    virtual int MessageBox(const std::string& text, const std::string& caption,
                           TMessageButtons buttons) = 0;

    virtual void SetText(TControl control, const std::string& text) = 0;
    virtual void SetEnabled(TControl control, bool enabled) = 0;
    virtual void SetVisible(TControl control, bool visible) = 0;
    virtual void SetChecked(TControl control, bool checked) = 0;
    virtual void SetFontColor(TControl control, TFontColor color) = 0;

    virtual void ListClear(TControl list) = 0;
    virtual void ListAdd(TControl list, const std::string& item) = 0;
    virtual int ListCount(TControl list) = 0;
    virtual std::string ListItem(TControl list, int index) = 0;
    virtual int ItemIndex(TControl list) = 0; // -1 = none
    virtual void SetItemIndex(TControl list, int index) = 0;
    virtual void DropDown(TControl list) = 0;

    virtual int ActivePage(TControl pages) = 0;
    virtual void SetActivePage(TControl pages, int index) = 0;

    // Appends one line to a log view.
    virtual void AppendLine(TControl memo, const std::string& line) = 0;

    virtual void SetTimerEnabled(TTimer timer, bool enabled) = 0;

    // Closes the window; the window then asks the controller (TForm1::FormCloseQuery).
    virtual void CloseWindow() = 0;
};
