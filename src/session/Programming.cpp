// Programming the receiver: the settings of the Configuration page in front go out as
// "$PDBG" set sentences, or the restore sentence after two questions.
#include "app/Mainform.h"
#include "session/SettingCodes.h"

#include <cstdio>

namespace {

// Parameter numbers of the set sentences.
constexpr int kRs232BaudParameter = 38;
constexpr int kNmeaBaudParameter = 40;
constexpr int kNmeaBaudMirrorParameter = 42; // takes the NMEA code as well
constexpr int kGpsOutputParameter = 50;      // 0 on, 1 off
constexpr char kRestoreSentence[] = "$PKRV,C,DBG,100,150,,,,,,";
constexpr int kRestoreCountdownSeconds = 15;

// The code of the item at `index`, or -1 when nothing (or no such item) is selected.
template <size_t N> int CodeAt(const TSelectorItem (&items)[N], int index) {
    return index >= 0 && static_cast<size_t>(index) < N ? items[index].Code : -1;
}

template <size_t N>
void FillSelector(TMainView& view, TControl selector, const TSelectorItem (&items)[N],
                  int selected) {
    view.ListClear(selector);
    for (const TSelectorItem& item : items)
        view.ListAdd(selector, item.Text);
    view.SetItemIndex(selector, selected);
}

template <class... Numbers> std::string Format(const char* format, Numbers... numbers) {
    char text[64];
    std::snprintf(text, sizeof text, format, numbers...);
    return text;
}

} // namespace

void TForm1::InitConfigurationPages() {
    FillSelector(view_, TControl::cbxBaud_RS232, Rs232BaudCodes, kRs232BaudAtStart);
    FillSelector(view_, TControl::cbxBaud_NMEA, NmeaBaudCodes, -1);
    FillSelector(view_, TControl::ComboBoxGPSNavStatus, GpsDynModelCodes, -1);
    view_.SetChecked(TControl::CheckBoxInternalGPSEnable, false);
    view_.SetEnabled(TControl::LabelGPSNavStatus, true);
    view_.SetEnabled(TControl::ComboBoxGPSNavStatus, true);
}

void TForm1::SpeedButtonSettingClick() {
    switch (view_.ActivePage(TControl::PageControlConf)) {
    case pgBaudRate:
        return spbBaudRateClick();
    case pgInternalGps:
        return spbInternalGPSClick();
    case pgRestore:
        return spbRestoreClick();
    default:
        return;
    }
}

void TForm1::spbBaudRateClick() {
    int rs232 = CodeAt(Rs232BaudCodes, view_.ItemIndex(TControl::cbxBaud_RS232));
    int nmea = CodeAt(NmeaBaudCodes, view_.ItemIndex(TControl::cbxBaud_NMEA));
    if (rs232 < 0 || nmea < 0)
        return;
    SendSentence(Format("$PDBG,%d,%d,%d,%d,%d,%d,,", kRs232BaudParameter, rs232, kNmeaBaudParameter,
                        nmea, kNmeaBaudMirrorParameter, nmea),
                 true);
}

void TForm1::spbInternalGPSClick() {
    int model = CodeAt(GpsDynModelCodes, view_.ItemIndex(TControl::ComboBoxGPSNavStatus));
    if (model < 0)
        return;
    int outputOff = view_.Checked(TControl::CheckBoxInternalGPSEnable) ? 0 : 1;
    SendSentence(Format("$PDBG,%d,%d,,,,,,", kGpsOutputParameter, outputOff), false);
    SendSentence(Format("$PDBG,703,%d,,,,,,", model), true);
}

void TForm1::spbRestoreClick() {
    if (!view_.Checked(TControl::CheckBoxNetworkRestore)) {
        view_.MessageBox("You haven't selected any settings. Are you sure you want to do nothing?",
                         "ERROR", TMessageButtons::Ok);
        return;
    }
    if (view_.MessageBox("Are you sure to restore settings?", "WARNING", TMessageButtons::YesNo) !=
        IDYES)
        return;
    SendSentence(kRestoreSentence, false);
    Form2.SecondsLeft = kRestoreCountdownSeconds;
    Form2.ShowModal();
}
