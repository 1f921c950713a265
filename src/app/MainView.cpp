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
    case TControl::cbxBaud_RS232:
        return "cbxBaud_RS232";
    case TControl::cbxBaud_NMEA:
        return "cbxBaud_NMEA";
    case TControl::CheckBoxInternalGPSEnable:
        return "CheckBoxInternalGPSEnable";
    case TControl::LabelGPSNavStatus:
        return "LabelGPSNavStatus";
    case TControl::ComboBoxGPSNavStatus:
        return "ComboBoxGPSNavStatus";
    case TControl::CheckBoxNetworkRestore:
        return "CheckBoxNetworkRestore";
    case TControl::ImageChkFwVer:
        return "ImageChkFwVer";
    case TControl::lblValFwVer:
        return "lblValFwVer";
    case TControl::ImageChkProdSN:
        return "ImageChkProdSN";
    case TControl::lblValProdSN:
        return "lblValProdSN";
    case TControl::ImageChkRx:
        return "ImageChkRx";
    case TControl::lblValRxCntA:
        return "lblValRxCntA";
    case TControl::lblValRxCntB:
        return "lblValRxCntB";
    case TControl::ImageNetworkFirmwareVersion:
        return "ImageNetworkFirmwareVersion";
    case TControl::LabelNetworkFirmwareVersoinData:
        return "LabelNetworkFirmwareVersoinData";
    case TControl::ImageChkGps:
        return "ImageChkGps";
    case TControl::lblValGps:
        return "lblValGps";
    case TControl::SpeedButtonClearCheck:
        return "SpeedButtonClearCheck";
    case TControl::Memo1:
        return "Memo1";
    case TControl::btnOK:
        return "btnOK";
    case TControl::LabelTimerRemain:
        return "LabelTimerRemain";
    case TControl::ProgressBar1:
        return "ProgressBar1";
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
    case TTimer::CountdownTimer:
        return 1000;
    case TTimer::RefreshPause:
        return 1000;
    }
    return 1000;
}

const char* WindowName(TWindow window) {
    switch (window) {
    case TWindow::frmAbout:
        return "frmAbout";
    case TWindow::Form2:
        return "Form2";
    case TWindow::frmWaitingProgress:
        return "frmWaitingProgress";
    }
    return "";
}
