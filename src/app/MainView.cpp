#include "app/MainView.h"

const char* ControlName(TControl control) {
    switch (control) {
    case TControl::ComboBoxDeviceItem:
        return "ComboBoxDeviceItem";
    case TControl::LabelBaudRate:
        return "LabelBaudRate";
    case TControl::ComboBoxBaudRate:
        return "ComboBoxBaudRate";
    case TControl::cbxDeviceComEnum:
        return "cbxDeviceComEnum";
    case TControl::OpenPort:
        return "OpenPort";
    case TControl::LabelConnectionStatus:
        return "LabelConnectionStatus";
    case TControl::btnExit:
        return "btnExit";
    case TControl::PanelView:
        return "PanelView";
    case TControl::PageControlMain:
        return "PageControlMain";
    case TControl::PageControlConf:
        return "PageControlConf";
    case TControl::PageControlDiagnosis:
        return "PageControlDiagnosis";
    case TControl::SpeedButtonReload:
        return "SpeedButtonReload";
    case TControl::SpeedButtonSetting:
        return "SpeedButtonSetting";
    case TControl::MemoDataLog:
        return "MemoDataLog";
    case TControl::MainMenu1:
        return "MainMenu1";
    case TControl::mnuOption:
        return "mnuOption";
    case TControl::mnuLanguage:
        return "mnuLanguage";
    }
    return "";
}

int TimerInterval(TTimer timer) {
    switch (timer) {
    case TTimer::Timer1:
        return 1000;
    case TTimer::Timer2:
        return 500;
    case TTimer::TimerUpdateSysChk:
        return 1000;
    case TTimer::TimerEthernetRoutine:
        return 100;
    }
    return 1000;
}
