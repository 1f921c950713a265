// Start-up, closing and page handling of the main window controller.
#include "app/Mainform.h"
#include "app/Settings.h"
#include "diagnostics/GpsStatusPage.h"
#include "diagnostics/SatelliteViews.h"
#include "log/DataLog.h"
#include "network/NetworkConsole.h"
#include "nmea/SentenceDecoder.h"
#include "platform/FileSystem.h"
#include "platform/TextEditor.h"

TForm1::TForm1(TMainView& view, TSynchronize synchronize, std::unique_ptr<TPortSystem> ports,
               std::unique_ptr<TComm> comm, TAppFolders folders)
    : Form2(view), OpenTextEditor(OpenInTextEditor), view_(view),
      ports_(ports ? std::move(ports) : SystemPorts()),
      comm_(comm ? std::move(comm) : std::make_unique<TComm>()),
      decoder_(std::make_unique<DecoderState>()),
      gpsPage_(std::make_unique<TGpsStatusPage>(*decoder_)),
      satelliteViews_(std::make_unique<TSatelliteViews>()) {
    // The steps below follow the documented start-up order; the ones that belong to
    // pages not built yet come with those pages.
    DeviceChangePending = false;
    PrepareFolders(folders);
    LanguageIndex = 0;
    if (!SettingsFile.empty())
        LanguageIndex = LoadSettings(SettingsFile);
    SetDefaultTexts();
    CreateSerialComponent(std::move(synchronize));
    EnumeratePorts();
    FillPortSelector();
    ResetSession();
    InitConfigurationPages();
    view_.SetActivePage(TControl::PageControlMain, pgConfiguration);
    view_.SetActivePage(TControl::PageControlConf, pgBaudRate);
    view_.SetActivePage(TControl::PageControlDiagnosis, pgSystemCheck);
    UpdatePageButtons();
    UpdateCheckIcons();
    CreateSatelliteViews();
    view_.SetVisible(TControl::mnuOption, false);
    view_.SetVisible(TControl::mnuLanguage, false);
    view_.SetActivePage(TControl::PageControlMain, pgConfiguration);
    view_.SetActivePage(TControl::PageControlDiagnosis, pgSystemCheck);
    CreateNetworkConsole();
    // The port list found above is kept: the restart recovery needs it to find its port
    // again before the next device change refreshes it.
    PortNumber = 0;

    view_.SetTimerEnabled(TTimer::Timer1, true);
    view_.SetTimerEnabled(TTimer::Timer2, true);
    view_.SetTimerEnabled(TTimer::TimerUpdateSysChk, false);
    view_.SetTimerEnabled(TTimer::TimerEthernetRoutine, true);
    dataLog_ = std::make_unique<TDataLog>();
}

TForm1::~TForm1() {
    comm_->Close();
}

void TForm1::PrepareFolders(const TAppFolders& folders) {
    ExeDir = folders.Program.empty() ? ProgramFolder() : folders.Program;
    if (!ExeDir.empty() && ExeDir.back() != kPathSeparator)
        ExeDir += kPathSeparator;
    SettingsFile =
        folders.Documents.empty() ? std::string() : PrepareSettingsFile(folders.Documents);
}

void TForm1::SetDefaultTexts() {
    Texts = TTexts();
    view_.SetText(TControl::OpenPort, Texts.ButtonCaptions[0]);
    view_.SetText(TControl::LabelConnectionStatus, Texts.Click2Connect);
}

void TForm1::CreateSerialComponent(TSynchronize synchronize) {
    comm_->SetSynchronize(std::move(synchronize));
    comm_->SetDeviceName("\\\\.\\COM1");
    comm_->SetBaudRate(br128000);
    comm_->SetParity(paNone);
    comm_->SetDataBits(da8);
    comm_->SetStopBits(sb10);
    comm_->OnRxChar = [this](TThreadComm* sender, uint32_t count) { CommRxChar(sender, count); };
    comm_->OnDeviceLost = [this](TThreadComm* sender) { CommDeviceLost(sender); };
}

void TForm1::FormCreate() {
    ports_->Watch([this] { DeviceChangeNotified(); });
}

bool TForm1::FormCloseQuery() {
    if (view_.MessageBox(Texts.QueryExit, Texts.ExitCaption, TMessageButtons::OkCancel) != IDOK)
        return false;
    network_->ExitConfigModeIfActive();
    if (comm_->IsOpen())
        comm_->Close();
    SaveSettings();
    return true;
}

// A settings file that cannot be written keeps its old content; the window closes anyway.
void TForm1::SaveSettings() {
    if (!SettingsFile.empty())
        ::SaveSettings(SettingsFile, LanguageIndex);
}

void TForm1::btnExitClick() {
    view_.CloseWindow();
}

void TForm1::UpdatePageButtons() {
    bool configuration = view_.ActivePage(TControl::PageControlMain) == pgConfiguration;
    view_.SetVisible(TControl::SpeedButtonReload, configuration);
    view_.SetVisible(TControl::SpeedButtonSetting, configuration);
}

void TForm1::PageControlMainChange() {
    UpdatePageButtons();
    NetworkPageChanged();
}

void TForm1::PageControlConfChange() {
    UpdatePageButtons();
    NetworkPageChanged();
}

void TForm1::Timer1Timer() {
    if (SessionUp || !PortOpen)
        return;
    CheckHandshakeTimeout();
    ++HandshakeTicks;
}

void TForm1::Timer2Timer() {
    DebounceDeviceChange();
    CountDownToReportOffer();
    BlinkStatus();
}

void TForm1::TimerUpdateSysChkTimer() {
    UpdateSystemCheck();
    RestartRecoveryStep();
}

void TForm1::TimerEthernetRoutineTimer() {
    network_->TimerTick();
}

void TForm1::TimerFired(TTimer timer) {
    switch (timer) {
    case TTimer::Timer1:
        return Timer1Timer();
    case TTimer::Timer2:
        return Timer2Timer();
    case TTimer::TimerUpdateSysChk:
        return TimerUpdateSysChkTimer();
    case TTimer::TimerEthernetRoutine:
        return TimerEthernetRoutineTimer();
    case TTimer::CountdownTimer:
        return Form2.Timer1Timer();
    case TTimer::RefreshPause:
        return RefreshPauseTimer();
    }
}

void TForm1::mnuAboutClick() {
    view_.ShowWindow(TWindow::frmAbout);
}
