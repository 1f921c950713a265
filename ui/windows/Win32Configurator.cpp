#include "Win32Api.h"

#include "Win32Configurator.h"

#include "Win32ControlIds.h"
#include "Win32MainMenu.h"
#include "Win32WideText.h"
#include "dialogs/DialogTexts.h"

#include <shellapi.h>

#include <iterator>

TWin32Configurator::TWin32Configurator(std::unique_ptr<TPortSystem> ports,
                                       std::unique_ptr<TComm> comm, TAppFolders folders)
    : controller_(view_, handOver_.Synchronize(), std::move(ports), std::move(comm),
                  std::move(folders)) {
    MapActions();
    window_.SetEvents(this);
    controller_.Start();
    controller_.Desktop().OpenWebPage = [](const std::string& address) {
        ShellExecuteW(nullptr, L"open", WideFromUtf8(address).c_str(), nullptr, nullptr,
                      SW_SHOWMAXIMIZED);
    };
    controller_.ApplySavedLanguage();
}

TWin32Configurator::~TWin32Configurator() {
    // No event of the window reaches the controller once it is going away.
    window_.SetEvents(nullptr);
}

void TWin32Configurator::MapActions() {
    TMainController* app = &controller_;
    TConnectionPresenter* connection = &controller_.Connection();
    TConfigurationPresenter* configuration = &controller_.Configuration();
    TSystemCheckPresenter* systemCheck = &controller_.SystemCheck();
    TDataLogPresenter* dataLog = &controller_.DataLog();
    TNetworkPresenter* network = &controller_.Network();
    auto on = [this](int id, std::function<void()> action) { actions_[id] = std::move(action); };
    auto onControl = [&on](TControl control, std::function<void()> action) {
        on(ControlId(control), std::move(action));
    };

    // OpenPort is a push button that stays pressed: it flips before the click is told,
    // as the toggle button did.
    onControl(TControl::OpenPort, [connection] { connection->ConnectClicked(); });
    onControl(TControl::LabelConnectionStatus, [connection] { connection->StatusDoubleClicked(); });
    // A list reports the user's choice only, not the item the controller selects.
    onControl(TControl::ComboBoxDeviceItem, [connection] { connection->InterfaceChosen(); });
    onControl(TControl::ComboBoxBaudRate, [connection] { connection->BaudRateChosen(); });
    onControl(TControl::btnExit, [app] { app->ExitClicked(); });
    onControl(TControl::mnuExit, [app] { app->ExitClicked(); });
    onControl(TControl::mnuAbout, [app] { app->AboutChosen(); });
    onControl(TControl::mnuOpenLog, [app] { app->OpenLogChosen(); });
    TReplayPresenter* replay = &controller_.Replay();
    onControl(TControl::ComboBoxReplaySpeed,
              [replay] { replay->SpeedChosen(TReplayPresenter::Clock::now()); });
    onControl(TControl::ButtonReplayPause,
              [replay] { replay->PauseClicked(TReplayPresenter::Clock::now()); });
    onControl(TControl::ButtonReplayStop, [replay] { replay->StopClicked(); });
    // The about box's company name and web address both lead to the maker's web page.
    for (int link : {idMakerCompany, idMakerWebUrl})
        on(link, [app] { app->Desktop().OpenWebPage(kMakerWebUrl); });

    onControl(TControl::SpeedButtonReload, [configuration] { configuration->ReadDeviceClicked(); });
    onControl(TControl::SpeedButtonSetting,
              [configuration] { configuration->ProgramDeviceClicked(); });
    onControl(TControl::spbBaudRate, [configuration] { configuration->ProgramBaudRatesClicked(); });
    on(idInternalGpsConfig, [configuration] { configuration->ProgramInternalGpsClicked(); });
    on(idRestoreConfig, [configuration] { configuration->RestoreClicked(); });
    // A check box tells the user's click only, not the check state the controller sets.
    onControl(TControl::CheckBoxInternalGPSEnable,
              [configuration] { configuration->InternalGpsToggled(); });
    onControl(TControl::SpeedButtonClearCheck, [systemCheck] { systemCheck->RefreshClicked(); });

    onControl(TControl::spbtnEnableLog, [dataLog] { dataLog->LogSwitchClicked(); });
    onControl(TControl::btnClearLog, [dataLog] { dataLog->ClearClicked(); });
    onControl(TControl::btnSaveLog, [dataLog] { dataLog->SaveClicked(); });
    onControl(TControl::btnSendCommand, [dataLog] { dataLog->SendCommandClicked(); });
    // Enter in the command line sends, as the Send Command button does.
    onControl(TControl::LabeledEditCommandText, [dataLog] { dataLog->SendCommandClicked(); });

    // A double click on a station shows its details, as the Details button does.
    TStationsPresenter* stations = &controller_.Stations();
    TWin32StationGrid* grid = &window_.StationGrid();
    for (TControl details : {TControl::ButtonStationDetails, TControl::GridStations})
        onControl(details, [stations, grid] { stations->DetailsRequested(grid->SelectedRow()); });
    onControl(TControl::ButtonClearStations, [stations] { stations->ClearClicked(); });
    onControl(TControl::ButtonExportStations, [stations] { stations->ExportClicked(); });
    TWin32MainView* stationsView = &view_;
    onControl(TControl::EditStationFilter, [stations, stationsView] {
        stations->FilterEdited(stationsView->EditText(TControl::EditStationFilter));
    });

    onControl(TControl::ButtonEthernetSend, [network] { network->SendClicked(); });
    onControl(TControl::ButtonEnterEthConfigMode, [network] { network->EnterConfigModeClicked(); });
    onControl(TControl::ButtonExitEthConfigMode, [network] { network->ExitConfigModeClicked(); });
    onControl(TControl::ButtonCMD1, [network] { network->QueryVersionAndAddressClicked(); });
    onControl(TControl::ButtonCompareIP, [network] { network->CompareIpClicked(); });
    onControl(TControl::LabelEthernetSettingButton, [network] { network->SettingLinkClicked(); });

    // The language items are one group: the chosen one takes the check mark.
    TLanguagePresenter* languages = &controller_.Languages();
    TWin32MainView* view = &view_;
    for (int tag = 0; tag < static_cast<int>(std::size(kLanguageItems)); ++tag)
        onControl(kLanguageItems[tag], [languages, view, tag] {
            view->SetChecked(kLanguageItems[tag], true);
            languages->LanguageChosen(tag);
        });
}

void TWin32Configurator::ControlActivated(int id) {
    auto action = actions_.find(id);
    if (action != actions_.end())
        action->second();
}

void TWin32Configurator::PageChosen(int id) {
    if (id == ControlId(TControl::PageControlMain) || id == ControlId(TControl::PageControlConf))
        controller_.PageChanged();
}

void TWin32Configurator::StationColumnClicked(TStationColumn column) {
    controller_.Stations().SortClicked(column);
    window_.StationGrid().ShowSortMark();
}

void TWin32Configurator::ChoosePage(TControl pages, int page) {
    window_.SetActivePage(ControlId(pages), page);
    PageChosen(ControlId(pages));
}

void TWin32Configurator::TimerFired(TTimer timer) {
    controller_.TimerFired(timer);
}

void TWin32Configurator::SatelliteMapDrawn(int width, int height) {
    controller_.GpsStatus().SatelliteMapDrawn(width, height);
}

bool TWin32Configurator::CloseRequested() {
    return controller_.CloseRequested();
}

// The list is read again after the controller's debounce, on its half-second ticks.
void TWin32Configurator::PortsChanged() {
    controller_.Connection().DeviceChangeNotified();
}
