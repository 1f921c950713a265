// What the main window controller needs from a window: the view operations. The Qt
// front end implements them with widgets, the command-line tool with printed lines,
// tests with a recording fake. Controls are addressed by TControl; a front end finds
// the widget by ControlName(), which is also the widget's object name.
#pragma once

#include "skyview/SatelliteSymbols.h"
#include "skyview/SnrBar.h"
#include "view/Languages.h"
#include "view/StationRows.h"

#include <array>
#include <string>
#include <vector>

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
    // BAUD RATE page
    cbxBaud_RS232,
    cbxBaud_NMEA,
    // INTERNAL GPS page
    CheckBoxInternalGPSEnable,
    LabelGPSNavStatus,
    ComboBoxGPSNavStatus,
    // RESTORE page
    CheckBoxNetworkRestore,
    // SYSTEM CHECK page
    ImageChkFwVer,
    lblValFwVer,
    ImageChkProdSN,
    lblValProdSN,
    ImageChkRx,
    lblValRxCntA,
    lblValRxCntB,
    ImageNetworkFirmwareVersion,
    LabelNetworkFirmwareVersoinData,
    ImageChkGps,
    lblValGps,
    SpeedButtonClearCheck,
    // GPS STATUS page
    lblEdtGpsUtcDate,
    lblEdtGpsUtcTime,
    lblEdtGpsFixMode,
    lblEdtHdop,
    lblEdtGpsLat,
    lblEdtGpsLon,
    lblEdtGpsSOG,
    lblEdtGpsCOG,
    lblEdtGpsNoSV_InView,
    lblEdtGpsNoSV_InUse,
    // About box, countdown dialog, progress dialog
    Memo1,
    btnOK,
    LabelTimerRemain,
    ProgressBar1,
    // Menus and captions that a language file replaces
    mnuFile,
    mnuExit,
    mnuHelp,
    mnuAbout,
    mnuLangEnglish,
    mnuLangTraChinese,
    mnuLangSimpChinese,
    TabSheetBaudRate,
    spbBaudRate,
    // DATA LOG page
    spbtnEnableLog,
    btnClearLog,
    btnSaveLog,
    LabeledEditCommandText,
    btnSendCommand,
    // NETWORK page (its tab is never shown)
    LabelEthFirmwareVersion,
    LabelEthIP,
    LabelEthernetSettingButton,
    MemoEthernetTx,
    MemoEthernetRx,
    EditEthernetText,
    ButtonEthernetSend,
    ButtonEnterEthConfigMode,
    ButtonExitEthConfigMode,
    ButtonCMD1,
    ButtonCompareIP,
    // AIS STATIONS page
    TabSheetAisStations,
    GridStations,
    EditStationFilter,
    ButtonStationDetails,
    ButtonClearStations,
    ButtonExportStations,
    PaintBoxCoverage,
    LabelStationCount,
    // File > Open log... and the bar of a recorded log's replay
    mnuOpenLog,
    PanelReplay,
    ComboBoxReplaySpeed,
    ButtonReplayPause,
    ButtonReplayStop,
    ProgressBarReplay,
    LabelReplayProgress,
};

const char* ControlName(TControl control);

// The main window's four timers, the countdown dialog's timer, and the one-second pause
// of the system check's Refresh.
enum class TTimer {
    HandshakeTick,      // 1 s: asks for the report until the receiver has answered
    HalfSecondTick,     // the status blink, the port list after a change, the report offer
    SystemCheckTick,    // 1 s: the system check's results and the restart recovery
    NetworkConsoleTick, // 100 ms: the network module's queued commands
    CountdownTick,      // 1 s: the countdown dialog
    RefreshPause,
    StationsTick, // 500 ms: the AIS STATIONS page's table and coverage
    ReplayTick,   // 20 ms: the lines of a recorded log that have come due
};
inline constexpr TTimer kAllTimers[] = {TTimer::HandshakeTick,   TTimer::HalfSecondTick,
                                        TTimer::SystemCheckTick, TTimer::NetworkConsoleTick,
                                        TTimer::CountdownTick,   TTimer::RefreshPause,
                                        TTimer::StationsTick,    TTimer::ReplayTick};

// Interval of each timer, in milliseconds.
int TimerInterval(TTimer timer);

// Pages of the three page controls, by index.
enum TMainPage { pgConfiguration = 0, pgDiagnostics = 1 };
enum TConfPage { pgBaudRate = 0, pgInternalGps = 1, pgNetwork = 2, pgRestore = 3 };
enum TDiagnosisPage { pgSystemCheck = 0, pgGpsStatus = 1, pgDataLog = 2, pgAisStations = 3 };

// Buttons of a message box, and the button pressed (by its Win32 result code).
enum class TMessageButtons { Ok, OkCancel, YesNo };
enum class TMessageAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
// The picture beside a message box's text (Win32 MB_ICONWARNING, MB_ICONERROR).
enum class TMessageIcon { None, Warning, Error };

enum class TFontColor { Black, Red };

// The windows besides the main window: about box, countdown dialog, progress dialog.
enum class TWindow { frmAbout, Form2, frmWaitingProgress };

const char* WindowName(TWindow window);

// Pictures of the system check's image list ImageListSysChk, by index.
enum TCheckIcon { ciFailed = 0, ciPassed = 1, ciNothingYet = 2 };

// What the file save dialog offers.
struct TSaveFileRequest {
    std::string Filter;     // "Description (*.EXT)|*.EXT"
    int FilterIndex = 1;    // 1-based
    std::string DefaultExt; // without the dot
    std::string FileName;   // proposed name
};

// What the GPS STATUS page's sky map and SNR chart show of the last completed cycle.
struct TSatelliteViewData {
    std::vector<TSnrBar> Bars;
    bool ValueMarksVisible = false;
    std::array<TSatelliteSymbol, kSymbolCount> Symbols{};
};

class TMainView {
public:
    virtual ~TMainView() = default;

    // A simple message with one OK button, captioned with the application title.
    virtual void ShowMessage(const std::string& text) = 0;
    TMessageAnswer MessageBox(const std::string& text, const std::string& caption,
                              TMessageButtons buttons) {
        return MessageBox(text, caption, buttons, TMessageIcon::None);
    }
    virtual TMessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                      TMessageButtons buttons, TMessageIcon icon) = 0;

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

    // Closes the window; the window then asks the main controller whether it may.
    virtual void CloseWindow() = 0;

    // The check state of a check box, as the user left it.
    virtual bool Checked(TControl control) = 0;

    // The auxiliary windows: shown without blocking, or modally (the call returns once
    // the window is hidden again; timers and the receive path keep running meanwhile).
    virtual void ShowWindow(TWindow window) = 0;
    virtual void ShowModal(TWindow window) = 0;
    virtual void HideWindow(TWindow window) = 0;

    virtual void SetProgressMax(TControl bar, int maximum) = 0;
    virtual void SetProgressPosition(TControl bar, int position) = 0;

    // Empties the picture of an image control and draws icon `index` of ImageListSysChk.
    virtual void SetImageIndex(TControl image, int index) = 0;

    // The file save dialog. True with the chosen name in `fileName`; false on Cancel.
    // The dialog itself neither adds an extension nor asks before overwriting.
    virtual bool PromptSaveFile(const TSaveFileRequest& request, std::string& fileName) = 0;
    // The file open dialog, offering `filter` ("Description (*.EXT)|*.EXT" pairs). True
    // with the chosen file's name; false on Cancel.
    virtual bool PromptOpenFile(const std::string& filter, std::string& fileName) = 0;

    // The text of a one-line edit as the user typed it.
    virtual std::string EditText(TControl edit) = 0;
    // The 8-bit texts from now on are in the code page of `language`, and the window's
    // fonts take its character set.
    virtual void SetTextLanguage(TLanguage language) = 0;

    // Draws the bars of the SNR chart and places the symbols on the sky map.
    virtual void ShowSatelliteViews(const TSatelliteViewData& views) = 0;

    // The AIS STATIONS page. The window keeps `rows` (which outlive it) and reads cells
    // from it whenever it draws; StationRowsChanged tells it which rows to read again.
    virtual void SetStationRows(const TStationRows& rows) = 0;
    virtual void StationRowsChanged(const TStationRowChanges& changes) = 0;
    virtual void ShowCoverage(const TCoverageView& coverage) = 0;
    // One station's details in a window of their own, not modal; `title` names the
    // station. A second call replaces what the window shows.
    virtual void ShowStationDetails(const std::string& title,
                                    const std::vector<TStationDetail>& details) = 0;
};
