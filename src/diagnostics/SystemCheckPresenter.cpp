#include "diagnostics/SystemCheckPresenter.h"
#include "nmea/SentenceDecoder.h"

namespace {

constexpr char kNotRead[] = "---------";
constexpr char kNotAvailable[] = "N/A";

} // namespace

TSystemCheckPresenter::TSystemCheckPresenter(TMainView& view, TReceiverSession& session,
                                             const DecoderState& decoder)
    : view_(view), session_(session), decoder_(decoder) {
    UpdateIcons();
}

void TSystemCheckPresenter::CountAisSentence(const DecodedSentence& sentence) {
    counts_.Count(sentence);
}

void TSystemCheckPresenter::Update() {
    const TDeviceInfo& report = session_.Report();
    view_.SetText(TControl::lblValFwVer, report.FirmwareValid ? report.Firmware : kNotRead);
    view_.SetText(TControl::lblValProdSN, report.SerialNoValid ? report.SerialNo : kNotRead);
    view_.SetText(TControl::lblValGps, decoder_.Navigation.PositionValid ? "Fixed" : "Lost");
    view_.SetText(TControl::LabelNetworkFirmwareVersoinData, kNotAvailable);
    view_.SetText(TControl::lblValRxCntA, std::to_string(counts_.ChannelA()));
    view_.SetText(TControl::lblValRxCntB, std::to_string(counts_.ChannelB()));
    UpdateIcons();
}

void TSystemCheckPresenter::UpdateIcons() {
    const TDeviceInfo& report = session_.Report();
    view_.SetImageIndex(TControl::ImageChkFwVer, report.FirmwareValid ? ciPassed : ciFailed);
    view_.SetImageIndex(TControl::ImageChkProdSN, report.SerialNoValid ? ciPassed : ciFailed);
    view_.SetImageIndex(TControl::ImageChkGps,
                        decoder_.Navigation.PositionValid ? ciPassed : ciFailed);
    view_.SetImageIndex(TControl::ImageChkRx, counts_.AnyReceived() ? ciPassed : ciNothingYet);
    view_.SetImageIndex(TControl::ImageNetworkFirmwareVersion, ciNothingYet);
}

void TSystemCheckPresenter::Clear() {
    counts_.Clear();
    session_.ForgetIdentity();
}

void TSystemCheckPresenter::StateChanged(TSessionState state) {
    // Connecting follows only an open, and Replaying the start of a log: the session has
    // forgotten the identity it read, and the counts start again.
    if (state != TSessionState::Connecting && state != TSessionState::Replaying)
        return;
    Clear();
    Update();
}

void TSystemCheckPresenter::RefreshClicked() {
    view_.SetEnabled(TControl::SpeedButtonClearCheck, false);
    Clear();
    Update();
    session_.RecoveryTick();
    // The request follows a second later. A timer keeps the window and the receive path
    // running meanwhile, where a blocking wait would hold both up.
    view_.SetTimerEnabled(TTimer::RefreshPause, true);
}

void TSystemCheckPresenter::RefreshPauseOver() {
    view_.SetTimerEnabled(TTimer::RefreshPause, false);
    view_.SetActivePage(TControl::PageControlConf, pgBaudRate);
    session_.RequestReport();
    view_.SetEnabled(TControl::SpeedButtonClearCheck, true);
}
