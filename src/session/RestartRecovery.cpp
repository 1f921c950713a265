// The restart recovery: the receiver announces a restart after it has been programmed;
// the port is closed at the next system check tick and opened again eight ticks later,
// when the receiver is back, with the progress dialog up meanwhile.
#include "app/Mainform.h"

namespace {
constexpr int kRecoverySteps = 10;
}

void TForm1::StartRestartRecovery() {
    RestartState = rsAnnounced;
    restartStep_ = 1;
    view_.SetProgressMax(TControl::ProgressBar1, kRecoverySteps);
    view_.SetProgressPosition(TControl::ProgressBar1, 0);
    view_.ShowWindow(TWindow::frmWaitingProgress);
    // The recovery runs on this timer's ticks; an announcement that comes before the
    // first handshake has completed must not leave the dialog up for good.
    view_.SetTimerEnabled(TTimer::TimerUpdateSysChk, true);
}

void TForm1::RestartRecoveryStep() {
    if (RestartState != rsAnnounced && RestartState != rsWaiting)
        return;
    if (RestartState == rsAnnounced && !PortOpen) {
        // The user has closed the port since the announcement: nothing left to recover,
        // and toggling now would open the port instead of closing it.
        RestartState = rsIdle;
        view_.HideWindow(TWindow::frmWaitingProgress);
        return;
    }
    ++restartStep_;
    view_.SetProgressPosition(TControl::ProgressBar1, restartStep_);
    if (RestartState == rsAnnounced) {
        RestartState = rsWaiting;
        ToggleConnection();
        return;
    }
    if (restartStep_ < kRecoverySteps)
        return;
    RestartState = ReconnectAfterRestart() ? rsIdle : rsPortNotFound;
    view_.HideWindow(TWindow::frmWaitingProgress);
    if (RestartState == rsPortNotFound)
        view_.MessageBox("The receiver did not come back after its restart: COM" +
                             std::to_string(PortNumber) +
                             " is not present. Check its connection, then select its port and "
                             "connect again.",
                         "WARNING", TMessageButtons::Ok);
}

// Finds the port used before in the refilled selector and opens it again; false when
// the port is gone.
bool TForm1::ReconnectAfterRestart() {
    FillPortSelector();
    std::string tag = "(COM" + std::to_string(PortNumber) + ")";
    for (int i = 0, count = view_.ListCount(TControl::cbxDeviceComEnum); i < count; ++i) {
        if (view_.ListItem(TControl::cbxDeviceComEnum, i).find(tag) == std::string::npos)
            continue;
        view_.SetItemIndex(TControl::cbxDeviceComEnum, i);
        // A port the user has opened again meanwhile stays as it is.
        if (!PortOpen) {
            int page = view_.ActivePage(TControl::PageControlConf);
            ToggleConnection();
            // The user sees the result on the page programmed, not the first page.
            confPageAfterRestart_ = page;
        }
        // Pressed only when the port did open.
        ConnectPressed = PortOpen;
        view_.SetChecked(TControl::OpenPort, PortOpen);
        return true;
    }
    return false;
}
