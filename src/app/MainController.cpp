#include "app/MainController.h"
#include "app/Settings.h"
#include "platform/FileSystem.h"

namespace {

std::string ProgramFolderOf(const TAppFolders& folders) {
    std::string folder = folders.Program.empty() ? ProgramFolder() : folders.Program;
    if (!folder.empty() && folder.back() != kPathSeparator)
        folder += kPathSeparator;
    return folder;
}

std::string SettingsFileOf(const TAppFolders& folders) {
    return folders.Documents.empty() ? std::string() : PrepareSettingsFile(folders.Documents);
}

int SavedLanguage(const std::string& settingsFile) {
    return settingsFile.empty() ? 0 : LoadSettings(settingsFile);
}

} // namespace

// The members are built in the window's start-up order: texts, the serial component,
// the port list, the configuration pages, the diagnosis pages, the network console.
TMainController::TMainController(TMainView& view, TSynchronize synchronize,
                                 std::unique_ptr<TPortSystem> ports, std::unique_ptr<TComm> comm,
                                 TAppFolders folders)
    : view_(view), programFolder_(ProgramFolderOf(folders)), settingsFile_(SettingsFileOf(folders)),
      session_(std::move(synchronize), std::move(comm)),
      connection_(view, session_, texts_, ports ? std::move(ports) : SystemPorts()),
      replay_(view, session_), configuration_(view, session_, texts_, desktop_), gpsStatus_(view),
      systemCheck_(view, session_, gpsStatus_.Decoder()), dataLog_(view, session_),
      network_(view, session_, desktop_), stations_(view, gpsStatus_.Decoder()),
      languages_(view, texts_, programFolder_, SavedLanguage(settingsFile_), connection_,
                 gpsStatus_, stations_) {
    // Lines reach the data log before the GPS page; the session reads them last.
    for (TSessionObserver* observer :
         std::initializer_list<TSessionObserver*>{&dataLog_, &gpsStatus_, &connection_, &replay_,
                                                  &systemCheck_, &configuration_, &network_})
        session_.AddObserver(*observer);
    gpsStatus_.OnAisSentence = [this](const DecodedSentence& sentence) {
        systemCheck_.CountAisSentence(sentence);
        stations_.AisSentence(sentence);
    };
    view_.SetActivePage(TControl::PageControlMain, pgConfiguration);
    view_.SetActivePage(TControl::PageControlConf, pgBaudRate);
    view_.SetActivePage(TControl::PageControlDiagnosis, pgSystemCheck);
    UpdatePageButtons();
    view_.SetTimerEnabled(TTimer::HandshakeTick, true);
    view_.SetTimerEnabled(TTimer::HalfSecondTick, true);
    view_.SetTimerEnabled(TTimer::SystemCheckTick, false);
    view_.SetTimerEnabled(TTimer::NetworkConsoleTick, true);
    view_.SetTimerEnabled(TTimer::StationsTick, true);
}

void TMainController::Start() {
    connection_.WatchPorts();
}

bool TMainController::CloseRequested() {
    if (view_.MessageBox(texts_.QueryExit, texts_.ExitCaption, TMessageButtons::OkCancel) !=
        TMessageAnswer::Ok)
        return false;
    replay_.StopClicked();
    session_.Close();
    SaveSettings();
    return true;
}

// A settings file that cannot be written keeps its old content; the window closes anyway.
void TMainController::SaveSettings() {
    if (!settingsFile_.empty())
        ::SaveSettings(settingsFile_, languages_.LanguageIndex());
}

void TMainController::UpdatePageButtons() {
    bool configuration = view_.ActivePage(TControl::PageControlMain) == pgConfiguration;
    view_.SetVisible(TControl::SpeedButtonReload, configuration);
    view_.SetVisible(TControl::SpeedButtonSetting, configuration);
}

void TMainController::PageChanged() {
    UpdatePageButtons();
    network_.PageChanged();
}

void TMainController::HalfSecondTick() {
    connection_.DebounceDeviceChange();
    configuration_.HalfSecondTick();
    connection_.BlinkStatus();
}

void TMainController::SystemCheckTick() {
    systemCheck_.Update();
    session_.RecoveryTick();
}

void TMainController::TimerFired(TTimer timer) {
    switch (timer) {
    case TTimer::HandshakeTick:
        return HandshakeTick();
    case TTimer::HalfSecondTick:
        return HalfSecondTick();
    case TTimer::SystemCheckTick:
        return SystemCheckTick();
    case TTimer::NetworkConsoleTick:
        return network_.Tick();
    case TTimer::CountdownTick:
        return configuration_.Countdown().Tick();
    case TTimer::RefreshPause:
        return systemCheck_.RefreshPauseOver();
    case TTimer::StationsTick:
        return stations_.Tick();
    case TTimer::ReplayTick:
        return replay_.Tick(TReplayPresenter::Clock::now());
    }
}
