// TForm1: the main window controller. It owns the serial component and the session
// state, runs every handler on the GUI thread, and reaches the window only through
// TMainView, so that it runs the same under Qt, in the command-line tool and in tests.
#pragma once

#include "app/MainView.h"
#include "app/PortSystem.h"
#include "app/Texts.h"
#include "dialogs/CountdownDialog.h"
#include "log/LocalClock.h"
#include "serial/Comm.h"
#include "session/DeviceInfo.h"
#include "session/LineSplitter.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct DecoderState;
class TDataLog;
class TNetworkConsole;
class TGpsStatusPage;
class TSatelliteViews;
struct SatelliteEpoch;
struct TGpsPageUpdate;

inline constexpr char kApplicationTitle[] = "Tidelane T360KV Configurator (Essential)";

// Where the settings file and the language files are.
struct TAppFolders {
    // The user's documents folder, which holds the settings file. Empty: no settings file
    // is read or written (tests, and front ends that keep no settings).
    std::string Documents;
    // The folder that holds "Lang"; empty: the program's own folder.
    std::string Program;
};

enum THandshakeState { hsIdle = 0, hsWaitReport = 1, hsDone = 2 };

// What became of a sentence to send.
enum TSendResult { srSent, srNotConnected, srTooLong, srWriteFailed };

enum TRestartState { rsIdle, rsAnnounced, rsWaiting, rsPortNotFound };

// What became of the last offer of the configuration report.
enum TReportOutcome { roNone, roDeclined, roWritten, roFailed };

class TForm1 {
public:
    // Builds the controller in the documented start-up order. `ports` and `comm` replace
    // the system's ports and the serial component (tests, benchmarks); by default the
    // real ones are used, and the serial component hands its events over with
    // `synchronize`.
    TForm1(TMainView& view, TSynchronize synchronize, std::unique_ptr<TPortSystem> ports = nullptr,
           std::unique_ptr<TComm> comm = nullptr, TAppFolders folders = {});
    virtual ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    TComm& Comm() { return *comm_; }

    // --- Window events ---------------------------------------------------------------
    // After construction: starts watching the system's ports.
    void FormCreate();
    // The window is asked to close. Asks the user; true when the window may close, after
    // the port has been closed and the settings written.
    bool FormCloseQuery();
    void btnExitClick();
    void PageControlMainChange();
    void PageControlConfChange();
    void UpdatePageButtons();

    // --- Timers ----------------------------------------------------------------------
    void Timer1Timer();
    void Timer2Timer();
    void TimerUpdateSysChkTimer();
    void TimerEthernetRoutineTimer();
    // Runs the handler of `timer`; for front ends that keep their timers in a table.
    void TimerFired(TTimer timer);

    // --- Port selection (ports present, hot-plug) ------------------------------------
    void EnumeratePorts();
    void FillPortSelector();
    // The test-open of the selected entry's port; `reason`, when given, says why it failed.
    bool PortUsable(std::string* reason = nullptr);
    int SelectPortDevice();
    void CheckConnectedPortPresent();
    // Selects the entry that `text` selects (see PortEntrySelectedBy); false when none.
    bool SelectPortEntry(const std::string& text);
    // Ports may have come or gone; safe from any thread.
    void DeviceChangeNotified() { DeviceChangePending = true; }

    // --- Connection ------------------------------------------------------------------
    void OpenPortClick();
    void LabelConnectionStatusDblClick();
    void ComboBoxDeviceItemChange();
    void ComboBoxBaudRateChange();
    void ToggleConnection();
    void ResetSession();
    void CheckHandshakeTimeout();
    // For front ends without a port selector (the command-line tool): selects the
    // entry of `device` when the port list has one, then connects as Connect does.
    bool ConnectDevice(const std::string& device, TBaudRate rate);

    // --- Device report (reading the settings) ----------------------------------------
    void RequestDeviceReport();
    void RefreshDeviceReport();
    // Read Device: asks for the report and offers the report file five Timer2 ticks later.
    void spbDbgTestCmdClick();
    void CheckBoxInternalGPSEnableClick();

    // --- Programming and restoring ---------------------------------------------------
    // Program Device: programs the settings of the Configuration page in front.
    void SpeedButtonSettingClick();
    void spbBaudRateClick();
    void spbInternalGPSClick();
    void spbRestoreClick();
    // The receiver announced a restart: close the port, wait, reconnect.
    void StartRestartRecovery();
    void RestartRecoveryStep();

    // --- System check ----------------------------------------------------------------
    // Counts the decoded AIS sentence in Decoder().Sentence on its channel.
    void CountAisSentence();
    void UpdateSystemCheck();
    void UpdateCheckIcons();
    // Counts and read values back to nothing: at Refresh, and when a port is opened, so
    // that no result of the receiver checked before carries over to the next one.
    void ClearSystemCheck();
    // Refresh: clears the results and asks for the report again a second later.
    void SpeedButtonClearCheckClick();
    void RefreshPauseTimer();

    // --- GPS STATUS page -------------------------------------------------------------
    // Start-up: the SNR chart's placeholder bars, no symbol on the sky map.
    void CreateSatelliteViews();
    // Draws a completed cycle on the sky map and the SNR chart, with its two counts.
    void RefreshSatelliteViews(const SatelliteEpoch& epoch);
    // The window drew the sky map at this size: satellites are placed on its geometry
    // from the next refresh on (until then they keep their places).
    void SatelliteMapDrawn(int width, int height);

    // --- Languages -------------------------------------------------------------------
    // After all windows exist: the language of the settings file (any index other than
    // 1 or 2 is English), its menu item checked, its texts and read-me applied.
    void ApplySavedLanguage();
    // The common handler of the three language menu items: `tag` 0, 1 or 2 selects the
    // language; any other tag does nothing.
    void mnuLangTraChineseClick(int tag);
    // The program's folder and the settings file (empty: none).
    std::string ExeDir;
    std::string SettingsFile;
    int LanguageIndex = 0;

    // --- DATA LOG page ---------------------------------------------------------------
    void spbtnEnableLogClick();
    void btnClearLogClick();
    void btnSaveLogClick();
    void btnSendCommandClick();
    // Every line logged since the last clear; the view shows the newest.
    TDataLog& DataLog() { return *dataLog_; }

    // --- Network module console (NETWORK page) ---------------------------------------
    void ButtonEthernetSendClick();
    void ButtonEnterEthConfigModeClick();
    void ButtonExitEthConfigModeClick();
    void ButtonCMD1Click();
    void ButtonCompareIPClick();
    void LabelEthernetSettingButtonClick();
    void MemoEthernetTxDblClick();
    void MemoEthernetRxDblClick();
    TNetworkConsole& NetworkConsole() { return *network_; }
    // Whether the window offers the NETWORK page. It does not (its tab is never shown),
    // and then no page change counts as entering it.
    bool NetworkPageOffered = false;

    // --- Configuration report and dialogs --------------------------------------------
    // Asks, lets the user choose a file, writes the report and opens it in the editor.
    void SaveConfigurationReport();
    void mnuAboutClick();

    // --- Receive path --------------------------------------------------------------
    // Handler of the serial component's OnRxChar: reads the waiting bytes and cuts them
    // into lines for the data log and the three line consumers.
    void CommRxChar(TThreadComm* Sender, uint32_t Count);
    // The line being received; never holds CR, LF or NUL.
    std::string_view PendingLine() const { return lines_.Pending(); }
    // State of the DATA LOG page's Start Log button.
    bool LoggingOn = false;

    // --- Send path -------------------------------------------------------------------
    bool SendData(const void* bytes, int length);
    // Completes a proprietary sentence with its checksum and sends it; with `confirm`,
    // "Settings applied." follows once it is written.
    TSendResult SendSentence(const std::string& text, bool confirm);

    // --- Session state ---------------------------------------------------------------
    // The user has opened the port (tag of the Connect button), and the button's state.
    bool PortOpen = false;
    bool ConnectPressed = false;
    THandshakeState HandshakeState = hsIdle;
    int HandshakeTicks = 0;
    bool ReportEndSeen = false;
    bool SessionUp = false;
    int PortNumber = 0; // n of the COMn in use; 0 before the first connection
    bool BlinkOn = false;

    // Friendly names of the present ports that carry "(COM".
    static constexpr int kMaxPorts = 256;
    std::vector<std::string> PortNames;
    int PortCount() const { return static_cast<int>(PortNames.size()); }
    std::atomic<bool> DeviceChangePending{false};
    int DeviceChangeTicks = 0;

    TTexts Texts;

    // Values of the device report, and the countdown from Read Device to the report
    // offer (255: no offer pending).
    TDeviceInfo DeviceInfo{};
    static constexpr int kNoReportPending = 255;
    int ReportCountdown = kNoReportPending;
    // What became of the last report offer.
    TReportOutcome ReportOutcome = roNone;
    // Where the restart recovery stands: announced until the port is closed at the next
    // system check tick, then waiting for the receiver, then over (back to idle when its
    // port was opened again, or port not found until the next announcement).
    TRestartState RestartState = rsIdle;
    // AIS sentences received on channel A, and on any other channel.
    int32_t RxCountA = 0;
    int32_t RxCountB = 0;
    // The sentence decoder's records: the last decoded sentence, the GNSS picture.
    DecoderState& Decoder() { return *decoder_; }
    TForm2 Form2;

    // The PC's clock and the text editor; tests replace them.
    std::function<TLocalTime()> LocalTimeNow = ReadLocalTime;
    std::function<void(const std::string&)> OpenTextEditor;
    // Opens a web address in the browser (the network module's page); none: nothing opens.
    std::function<void(const std::string&)> OpenWebPage;

    // Longest line that is dispatched, not counting CR LF.
    static constexpr size_t kMaxLineLength = LineSplitter::kMaxLineLength;
    // Longest pending line kept; a stream without line feeds cannot grow memory further.
    static constexpr size_t kPendingLineCap = LineSplitter::kPendingCap;
    // Receive buffer of one read.
    static constexpr int kReceiveBufferSize = 5000;
    // A dispatched line: the text, CR, LF and NUL.
    static constexpr size_t kDispatchSize = kMaxLineLength + 3;

protected:
    // Writes the settings file; called by a confirmed close after the port is closed.
    virtual void SaveSettings();

    // The line consumers, in the order they are called; each receives a private copy of
    // the line followed by CR LF, NUL-terminated, which it may change.
    virtual void HandleGpsLine(char* line);
    virtual void HandshakeStep(char* line);
    virtual void ParseReportLine(char* line);

private:
    void SetDefaultTexts();
    void PrepareFolders(const TAppFolders& folders);
    void CreateNetworkConsole();
    void NetworkPageChanged();
    void ShowConnectCaptionAndStatus();
    void ShowNewLogLines();
    void CreateSerialComponent(TSynchronize synchronize);
    void DebounceDeviceChange();
    void BlinkStatus();
    bool OpenSerialPort(std::string& reason);
    void CloseSerialPort();
    void CommDeviceLost(TThreadComm* Sender);
    void ReceiveBytes(const uint8_t* bytes, int count);
    void CompleteLine(std::string_view line, bool overLong);
    void DispatchLine(std::string_view line);
    void ShowConnectionState();
    void RefuseConnect(const std::string& message);
    void CompleteHandshake();
    std::string SelectedPortText();
    void InitConfigurationPages();
    void CountDownToReportOffer();
    void SelectBaud(TControl selector, int32_t baud);
    bool ReconnectAfterRestart();
    void SetCheckIcon(TControl image, int index);

    TMainView& view_;
    std::unique_ptr<TPortSystem> ports_;
    std::unique_ptr<TComm> comm_;
    std::unique_ptr<DecoderState> decoder_;
    LineSplitter lines_;
    std::unique_ptr<TDataLog> dataLog_;
    std::unique_ptr<TNetworkConsole> network_;
    // The configuration page in front after the user's last page change.
    TConfPage shownConfPage_ = pgBaudRate;
    // The page the user programmed from, shown again when the restart recovery's
    // connection completes; -1 for any other connection, which starts on BAUD RATE.
    int confPageAfterRestart_ = -1;
    // The restart recovery's steps so far, which the progress bar shows (of 10).
    int restartStep_ = 0;
    // The name last chosen in the data log's save dialog.
    std::string dataLogFileName_;
    std::unique_ptr<TGpsStatusPage> gpsPage_;
    std::unique_ptr<TSatelliteViews> satelliteViews_;

    void ShowGpsPageUpdate(const TGpsPageUpdate& update);
};
