#include "Configurator.h"

#include "SkyMapWidget.h"
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
    : form_(view_, handOver_.Synchronize(), std::move(ports), std::move(comm), std::move(folders)) {
    ConnectEvents();
    form_.FormCreate();
    form_.OpenWebPage = [](const std::string& address) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
    };
    form_.ApplySavedLanguage();
}

Configurator::~Configurator() {
    window_.SetCloseQuery(nullptr);
}

void Configurator::ConnectButton(const char* name, std::function<void()> click) {
    QObject::connect(Control<QAbstractButton>(window_, name), &QAbstractButton::clicked, &events_,
                     std::move(click));
}

void Configurator::ConnectEvents() {
    TForm1* form = &form_;
    QObject* to = &events_;

    // OpenPort is checkable: Qt flips it before clicked, as the toggle button did.
    QObject::connect(Control<QAbstractButton>(window_, "OpenPort"), &QAbstractButton::clicked, to,
                     [form] { form->OpenPortClick(); });
    QObject::connect(Control<StatusLabel>(window_, "LabelConnectionStatus"),
                     &StatusLabel::doubleClicked, to,
                     [form] { form->LabelConnectionStatusDblClick(); });
    // activated: chosen by the user, not set by the controller.
    QObject::connect(Control<QComboBox>(window_, "ComboBoxDeviceItem"), &QComboBox::activated, to,
                     [form] { form->ComboBoxDeviceItemChange(); });
    QObject::connect(Control<QComboBox>(window_, "ComboBoxBaudRate"), &QComboBox::activated, to,
                     [form] { form->ComboBoxBaudRateChange(); });
    QObject::connect(Control<QTabWidget>(window_, "PageControlMain"), &QTabWidget::currentChanged,
                     to, [form] { form->PageControlMainChange(); });
    QObject::connect(Control<QTabWidget>(window_, "PageControlConf"), &QTabWidget::currentChanged,
                     to, [form] { form->PageControlConfChange(); });
    QObject::connect(Control<QAbstractButton>(window_, "btnExit"), &QAbstractButton::clicked, to,
                     [form] { form->btnExitClick(); });
    QObject::connect(Control<QAction>(window_, "mnuExit"), &QAction::triggered, to,
                     [form] { form->btnExitClick(); });
    QObject::connect(Control<QAction>(window_, "mnuAbout"), &QAction::triggered, to,
                     [form] { form->mnuAboutClick(); });

    ConnectButton("SpeedButtonReload", [form] { form->spbDbgTestCmdClick(); });
    ConnectButton("SpeedButtonSetting", [form] { form->SpeedButtonSettingClick(); });
    ConnectButton("spbBaudRate", [form] { form->spbBaudRateClick(); });
    ConnectButton("spbInternalGPS", [form] { form->spbInternalGPSClick(); });
    ConnectButton("spbRestore", [form] { form->spbRestoreClick(); });
    // clicked: the user's click only, not the check state the controller sets.
    ConnectButton("CheckBoxInternalGPSEnable", [form] { form->CheckBoxInternalGPSEnableClick(); });
    ConnectButton("SpeedButtonClearCheck", [form] { form->SpeedButtonClearCheckClick(); });
    QObject::connect(Control<TPaintSatelliteChart>(window_, "SatelliteMap"),
                     &TPaintSatelliteChart::mapDrawn, to,
                     [form](int width, int height) { form->SatelliteMapDrawn(width, height); });

    ConnectButton("spbtnEnableLog", [form] { form->spbtnEnableLogClick(); });
    ConnectButton("btnClearLog", [form] { form->btnClearLogClick(); });
    ConnectButton("btnSaveLog", [form] { form->btnSaveLogClick(); });
    ConnectButton("btnSendCommand", [form] { form->btnSendCommandClick(); });
    // Enter in the command line sends, as the Send Command button does.
    QObject::connect(Control<QLineEdit>(window_, "LabeledEditCommandText"),
                     &QLineEdit::returnPressed, to, [form] { form->btnSendCommandClick(); });

    ConnectButton("ButtonEthernetSend", [form] { form->ButtonEthernetSendClick(); });
    ConnectButton("ButtonEnterEthConfigMode", [form] { form->ButtonEnterEthConfigModeClick(); });
    ConnectButton("ButtonExitEthConfigMode", [form] { form->ButtonExitEthConfigModeClick(); });
    ConnectButton("ButtonCMD1", [form] { form->ButtonCMD1Click(); });
    ConnectButton("ButtonCompareIP", [form] { form->ButtonCompareIPClick(); });
    ConnectButton("LabelEthernetSettingButton",
                  [form] { form->LabelEthernetSettingButtonClick(); });
    new DoubleClicks(Control<QPlainTextEdit>(window_, "MemoEthernetTx")->viewport(), to,
                     [form] { form->MemoEthernetTxDblClick(); });
    new DoubleClicks(Control<QPlainTextEdit>(window_, "MemoEthernetRx")->viewport(), to,
                     [form] { form->MemoEthernetRxDblClick(); });

    const char* languageItems[] = {"mnuLangEnglish", "mnuLangTraChinese", "mnuLangSimpChinese"};
    for (int tag = 0; tag < static_cast<int>(std::size(languageItems)); ++tag)
        QObject::connect(Control<QAction>(window_, languageItems[tag]), &QAction::triggered, to,
                         [form, tag] { form->mnuLangTraChineseClick(tag); });

    for (TTimer timer : kAllTimers)
        QObject::connect(&window_.Timer(timer), &QTimer::timeout, to,
                         [form, timer] { form->TimerFired(timer); });

    window_.SetCloseQuery([form] { return form->FormCloseQuery(); });
}
