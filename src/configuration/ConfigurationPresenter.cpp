#include "configuration/ConfigurationPresenter.h"
#include "session/DeviceReportLine.h"
#include "session/SettingCodes.h"

#include <cstdlib>

namespace {

constexpr int kReportOfferTicks = 5;
constexpr int kRestoreCountdownSeconds = 15;

template <size_t N>
void FillSelector(TMainView& view, TControl selector, const TSelectorItem (&items)[N],
                  int selected) {
    view.ListClear(selector);
    for (const TSelectorItem& item : items)
        view.ListAdd(selector, item.Text);
    view.SetItemIndex(selector, selected);
}

// The item at `index`, or nullptr when nothing (or no such item) is selected.
template <size_t N> const TSelectorItem* ItemAt(const TSelectorItem (&items)[N], int index) {
    return index >= 0 && static_cast<size_t>(index) < N ? &items[index] : nullptr;
}

} // namespace

TConfigurationPresenter::TConfigurationPresenter(TMainView& view, TReceiverSession& session,
                                                 const TTexts& texts, const TDesktop& desktop)
    : view_(view), session_(session), texts_(texts), desktop_(desktop), countdown_(view) {
    FillSelector(view_, TControl::cbxBaud_RS232, kRs232BaudCodes, kRs232BaudAtStart);
    FillSelector(view_, TControl::cbxBaud_NMEA, kNmeaBaudCodes, -1);
    FillSelector(view_, TControl::ComboBoxGPSNavStatus, kGpsDynModelCodes, -1);
    view_.SetChecked(TControl::CheckBoxInternalGPSEnable, false);
    view_.SetEnabled(TControl::LabelGPSNavStatus, true);
    view_.SetEnabled(TControl::ComboBoxGPSNavStatus, true);
}

void TConfigurationPresenter::ReadDeviceClicked() {
    reportCountdown_ = kReportOfferTicks;
    session_.RequestReport();
}

void TConfigurationPresenter::HalfSecondTick() {
    if (reportCountdown_ > 0 && reportCountdown_ < kNoReportPending)
        --reportCountdown_;
    if (reportCountdown_ != 0)
        return;
    // Back to idle before the questions, so the offer is not repeated while they wait.
    reportCountdown_ = kNoReportPending;
    view_.SetActivePage(TControl::PageControlConf, pgBaudRate);
    SaveConfigurationReport();
}

void TConfigurationPresenter::InternalGpsToggled() {
    bool enabled = view_.Checked(TControl::CheckBoxInternalGPSEnable);
    view_.SetEnabled(TControl::LabelGPSNavStatus, enabled);
    view_.SetEnabled(TControl::ComboBoxGPSNavStatus, enabled);
}

void TConfigurationPresenter::ReportRead(const TDeviceInfo& report, unsigned items) {
    if (items & riRs232Baud)
        SelectBaud(TControl::cbxBaud_RS232, report.Rs232Baud);
    if (items & riNmeaBaud)
        SelectBaud(TControl::cbxBaud_NMEA, report.NmeaBaud);
    if (items & riGpsOutput) {
        bool on = !report.GpsOutputOff;
        view_.SetChecked(TControl::CheckBoxInternalGPSEnable, on);
        view_.SetEnabled(TControl::LabelGPSNavStatus, on);
        view_.SetEnabled(TControl::ComboBoxGPSNavStatus, on);
    }
    if (items & riGpsDynModel)
        view_.SetItemIndex(TControl::ComboBoxGPSNavStatus,
                           report.GpsDynModel == kGpsDynModelAtSea ? 1 : 0);
}

// The selector's first item that contains all digits of `baud`; item 0 when none does.
void TConfigurationPresenter::SelectBaud(TControl selector, int32_t baud) {
    std::string digits = std::to_string(baud);
    int found = 0;
    for (int i = 0, count = view_.ListCount(selector); i < count; ++i)
        if (view_.ListItem(selector, i).find(digits) != std::string::npos) {
            found = i;
            break;
        }
    view_.SetItemIndex(selector, found);
}

void TConfigurationPresenter::ProgramDeviceClicked() {
    switch (view_.ActivePage(TControl::PageControlConf)) {
    case pgBaudRate:
        return ProgramBaudRatesClicked();
    case pgInternalGps:
        return ProgramInternalGpsClicked();
    case pgRestore:
        return RestoreClicked();
    default:
        return;
    }
}

void TConfigurationPresenter::ConfirmApplied(TSendResult result) {
    if (result == srSent)
        view_.ShowMessage("Settings applied.");
}

void TConfigurationPresenter::ProgramBaudRatesClicked() {
    const TSelectorItem* rs232 = ItemAt(kRs232BaudCodes, view_.ItemIndex(TControl::cbxBaud_RS232));
    const TSelectorItem* nmea = ItemAt(kNmeaBaudCodes, view_.ItemIndex(TControl::cbxBaud_NMEA));
    if (rs232 == nullptr || nmea == nullptr)
        return;
    TDeviceSettings settings;
    settings.Baud = TBaudSettings{std::atoi(rs232->Text), std::atoi(nmea->Text)};
    ConfirmApplied(session_.Program(settings));
}

void TConfigurationPresenter::ProgramInternalGpsClicked() {
    const TSelectorItem* model =
        ItemAt(kGpsDynModelCodes, view_.ItemIndex(TControl::ComboBoxGPSNavStatus));
    if (model == nullptr)
        return;
    TDeviceSettings settings;
    settings.Gps = TGpsSettings{view_.Checked(TControl::CheckBoxInternalGPSEnable), model->Code};
    ConfirmApplied(session_.Program(settings));
}

void TConfigurationPresenter::RestoreClicked() {
    if (!view_.Checked(TControl::CheckBoxNetworkRestore)) {
        view_.MessageBox("You haven't selected any settings. Are you sure you want to do nothing?",
                         "ERROR", TMessageButtons::Ok);
        return;
    }
    if (view_.MessageBox("Are you sure to restore settings?", "WARNING", TMessageButtons::YesNo) !=
        TMessageAnswer::Yes)
        return;
    session_.RestoreNetworkSettings();
    countdown_.SecondsLeft = kRestoreCountdownSeconds;
    countdown_.ShowModal();
}
