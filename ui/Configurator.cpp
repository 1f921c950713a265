#include "Configurator.h"

#include "AnsiText.h"
#include "SkyMapWidget.h"
#include "StationTableView.h"
#include "StatusLabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

#include <iterator>
#include <stdexcept>
#include <string>

namespace {

template <class Kind> Kind* Control(MainWindow& window, const char* name) {
    auto* control = window.findChild<Kind*>(QString::fromLatin1(name));
    if (control == nullptr)
        throw std::logic_error(std::string("the main window has no ") + name);
    return control;
}

// Reports the double clicks on a widget that has no signal for them. Owned by `owner`, so
// that no double click reaches the controller once the owner is gone.
class DoubleClicks : public QObject {
public:
    DoubleClicks(QWidget* watched, QObject* owner, std::function<void()> onDoubleClick)
        : QObject(owner), onDoubleClick_(std::move(onDoubleClick)) {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick)
            onDoubleClick_();
        return false;
    }

private:
    std::function<void()> onDoubleClick_;
};

} // namespace

Configurator::Configurator(std::unique_ptr<TPortSystem> ports, std::unique_ptr<TComm> comm,
                           TAppFolders folders)
    : controller_(view_, handOver_.Synchronize(), std::move(ports), std::move(comm),
                  std::move(folders)) {
    ConnectEvents();
    controller_.Start();
    controller_.Desktop().OpenWebPage = [](const std::string& address) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
    };
    controller_.ApplySavedLanguage();
}

Configurator::~Configurator() {
    window_.SetCloseQuery(nullptr);
}

void Configurator::ConnectButton(const char* name, std::function<void()> click) {
    QObject::connect(Control<QAbstractButton>(window_, name), &QAbstractButton::clicked, &events_,
                     std::move(click));
}

void Configurator::ConnectEvents() {
    TMainController* app = &controller_;
    TConnectionPresenter* connection = &controller_.Connection();
    TConfigurationPresenter* configuration = &controller_.Configuration();
    TDataLogPresenter* dataLog = &controller_.DataLog();
    TNetworkPresenter* network = &controller_.Network();
    QObject* to = &events_;

    // OpenPort is checkable: Qt flips it before clicked, as the toggle button did.
    QObject::connect(Control<QAbstractButton>(window_, "OpenPort"), &QAbstractButton::clicked, to,
                     [connection] { connection->ConnectClicked(); });
    QObject::connect(Control<StatusLabel>(window_, "LabelConnectionStatus"),
                     &StatusLabel::DoubleClicked, to,
                     [connection] { connection->StatusDoubleClicked(); });
    // activated: chosen by the user, not set by the controller.
    QObject::connect(Control<QComboBox>(window_, "ComboBoxDeviceItem"), &QComboBox::activated, to,
                     [connection] { connection->InterfaceChosen(); });
    QObject::connect(Control<QComboBox>(window_, "ComboBoxBaudRate"), &QComboBox::activated, to,
                     [connection] { connection->BaudRateChosen(); });
    for (const char* pages : {"PageControlMain", "PageControlConf"})
        QObject::connect(Control<QTabWidget>(window_, pages), &QTabWidget::currentChanged, to,
                         [app] { app->PageChanged(); });
    QObject::connect(Control<QAbstractButton>(window_, "btnExit"), &QAbstractButton::clicked, to,
                     [app] { app->ExitClicked(); });
    QObject::connect(Control<QAction>(window_, "mnuExit"), &QAction::triggered, to,
                     [app] { app->ExitClicked(); });
    QObject::connect(Control<QAction>(window_, "mnuAbout"), &QAction::triggered, to,
                     [app] { app->AboutChosen(); });
    QObject::connect(Control<QAction>(window_, "mnuOpenLog"), &QAction::triggered, to,
                     [app] { app->OpenLogChosen(); });
    TReplayPresenter* replay = &controller_.Replay();
    QObject::connect(Control<QComboBox>(window_, "ComboBoxReplaySpeed"), &QComboBox::activated, to,
                     [replay] { replay->SpeedChosen(TReplayPresenter::Clock::now()); });
    ConnectButton("ButtonReplayPause",
                  [replay] { replay->PauseClicked(TReplayPresenter::Clock::now()); });
    ConnectButton("ButtonReplayStop", [replay] { replay->StopClicked(); });

    ConnectButton("SpeedButtonReload", [configuration] { configuration->ReadDeviceClicked(); });
    ConnectButton("SpeedButtonSetting", [configuration] { configuration->ProgramDeviceClicked(); });
    ConnectButton("spbBaudRate", [configuration] { configuration->ProgramBaudRatesClicked(); });
    ConnectButton("spbInternalGPS",
                  [configuration] { configuration->ProgramInternalGpsClicked(); });
    ConnectButton("spbRestore", [configuration] { configuration->RestoreClicked(); });
    // clicked: the user's click only, not the check state the controller sets.
    ConnectButton("CheckBoxInternalGPSEnable",
                  [configuration] { configuration->InternalGpsToggled(); });
    TSystemCheckPresenter* systemCheck = &controller_.SystemCheck();
    ConnectButton("SpeedButtonClearCheck", [systemCheck] { systemCheck->RefreshClicked(); });
    TGpsStatusPresenter* gpsStatus = &controller_.GpsStatus();
    QObject::connect(
        Control<TPaintSatelliteChart>(window_, "SatelliteMap"), &TPaintSatelliteChart::MapDrawn, to,
        [gpsStatus](int width, int height) { gpsStatus->SatelliteMapDrawn(width, height); });

    ConnectButton("spbtnEnableLog", [dataLog] { dataLog->LogSwitchClicked(); });
    ConnectButton("btnClearLog", [dataLog] { dataLog->ClearClicked(); });
    ConnectButton("btnSaveLog", [dataLog] { dataLog->SaveClicked(); });
    ConnectButton("btnSendCommand", [dataLog] { dataLog->SendCommandClicked(); });
    // Enter in the command line sends, as the Send Command button does.
    QObject::connect(Control<QLineEdit>(window_, "LabeledEditCommandText"),
                     &QLineEdit::returnPressed, to, [dataLog] { dataLog->SendCommandClicked(); });

    ConnectButton("ButtonEthernetSend", [network] { network->SendClicked(); });
    ConnectButton("ButtonEnterEthConfigMode", [network] { network->EnterConfigModeClicked(); });
    ConnectButton("ButtonExitEthConfigMode", [network] { network->ExitConfigModeClicked(); });
    ConnectButton("ButtonCMD1", [network] { network->QueryVersionAndAddressClicked(); });
    ConnectButton("ButtonCompareIP", [network] { network->CompareIpClicked(); });
    ConnectButton("LabelEthernetSettingButton", [network] { network->SettingLinkClicked(); });
    new DoubleClicks(Control<QPlainTextEdit>(window_, "MemoEthernetTx")->viewport(), to,
                     [network] { network->TransmitViewDoubleClicked(); });
    new DoubleClicks(Control<QPlainTextEdit>(window_, "MemoEthernetRx")->viewport(), to,
                     [network] { network->ReceiveViewDoubleClicked(); });

    TStationsPresenter* stations = &controller_.Stations();
    auto* grid = Control<StationTableView>(window_, "GridStations");
    QObject::connect(grid, &StationTableView::SortClicked, to,
                     [stations](TStationColumn column) { stations->SortClicked(column); });
    QObject::connect(grid, &StationTableView::RowDoubleClicked, to,
                     [stations](int row) { stations->DetailsRequested(row); });
    // textEdited: typed by the user, not set by the controller.
    QObject::connect(Control<QLineEdit>(window_, "EditStationFilter"), &QLineEdit::textEdited, to,
                     [stations](const QString& text) { stations->FilterEdited(ToAnsi(text)); });
    ConnectButton("ButtonStationDetails",
                  [stations, grid] { stations->DetailsRequested(grid->currentIndex().row()); });
    ConnectButton("ButtonClearStations", [stations] { stations->ClearClicked(); });
    ConnectButton("ButtonExportStations", [stations] { stations->ExportClicked(); });

    TLanguagePresenter* languages = &controller_.Languages();
    const char* languageItems[] = {"mnuLangEnglish", "mnuLangTraChinese", "mnuLangSimpChinese"};
    for (int tag = 0; tag < static_cast<int>(std::size(languageItems)); ++tag)
        QObject::connect(Control<QAction>(window_, languageItems[tag]), &QAction::triggered, to,
                         [languages, tag] { languages->LanguageChosen(tag); });

    for (TTimer timer : kAllTimers)
        QObject::connect(&window_.Timer(timer), &QTimer::timeout, to,
                         [app, timer] { app->TimerFired(timer); });

    window_.SetCloseQuery([app] { return app->CloseRequested(); });
}
