// The SYSTEM CHECK page: firmware and serial number read or not, AIS reception on the
// two channels, refreshed once a second; Refresh clears the results and asks the
// receiver for its report again.
#include "app/Mainform.h"
#include "nmea/SentenceDecoder.h"

#include <climits>
#include <cstring>

namespace {

constexpr char kNotRead[] = "---------";
constexpr char kNotAvailable[] = "N/A";

// Counters stop at their largest value rather than wrap to negative.
void CountUp(int32_t& counter) {
    if (counter < INT32_MAX)
        ++counter;
}

} // namespace

void TForm1::CountAisSentence() {
    const DecodedSentence& sentence = Decoder().Sentence;
    if (std::strcmp(sentence.Formatter, "VDO") == 0) // the receiver's own reports
        return;
    if (sentence.Encapsulation.Channel == 'A')
        CountUp(RxCountA);
    else
        CountUp(RxCountB);
}

void TForm1::UpdateSystemCheck() {
    view_.SetText(TControl::lblValFwVer, DeviceInfo.FirmwareValid ? DeviceInfo.Firmware : kNotRead);
    view_.SetText(TControl::lblValProdSN,
                  DeviceInfo.SerialNoValid ? DeviceInfo.SerialNo : kNotRead);
    view_.SetText(TControl::lblValGps, Decoder().Navigation.PositionValid ? "Fixed" : "Lost");
    view_.SetText(TControl::LabelNetworkFirmwareVersoinData, kNotAvailable);
    view_.SetText(TControl::lblValRxCntA, std::to_string(RxCountA));
    view_.SetText(TControl::lblValRxCntB, std::to_string(RxCountB));
    UpdateCheckIcons();
}

void TForm1::UpdateCheckIcons() {
    SetCheckIcon(TControl::ImageChkFwVer, DeviceInfo.FirmwareValid ? ciPassed : ciFailed);
    SetCheckIcon(TControl::ImageChkProdSN, DeviceInfo.SerialNoValid ? ciPassed : ciFailed);
    SetCheckIcon(TControl::ImageChkGps, Decoder().Navigation.PositionValid ? ciPassed : ciFailed);
    bool received = static_cast<int64_t>(RxCountA) + RxCountB > 0;
    SetCheckIcon(TControl::ImageChkRx, received ? ciPassed : ciNothingYet);
    SetCheckIcon(TControl::ImageNetworkFirmwareVersion, ciNothingYet);
}

void TForm1::SetCheckIcon(TControl image, int index) {
    view_.SetImageIndex(image, index);
}

void TForm1::ClearSystemCheck() {
    RxCountA = 0;
    RxCountB = 0;
    DeviceInfo.FirmwareValid = false;
    DeviceInfo.SerialNoValid = false;
}

void TForm1::SpeedButtonClearCheckClick() {
    view_.SetEnabled(TControl::SpeedButtonClearCheck, false);
    ClearSystemCheck();
    TimerUpdateSysChkTimer();
    // The request follows a second later. A timer keeps the window and the receive path
    // running meanwhile, where a blocking wait would hold both up.
    view_.SetTimerEnabled(TTimer::RefreshPause, true);
}

void TForm1::RefreshPauseTimer() {
    view_.SetTimerEnabled(TTimer::RefreshPause, false);
    RefreshDeviceReport();
    view_.SetEnabled(TControl::SpeedButtonClearCheck, true);
}
