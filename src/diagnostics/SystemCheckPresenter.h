// The SYSTEM CHECK page: firmware version and serial number read or not, the GPS fix,
// AIS reception on the two channels, refreshed once a second. Refresh clears the
// results and asks the receiver for its report again a second later.
#pragma once

#include "diagnostics/ReceptionCounts.h"
#include "nmea/DecodedSentence.h"
#include "session/ReceiverSession.h"
#include "view/MainView.h"

#include <cstdint>

struct DecoderState;

class TSystemCheckPresenter : public TSessionObserver {
public:
    TSystemCheckPresenter(TMainView& view, TReceiverSession& session, const DecoderState& decoder);

    // Counts a decoded AIS encapsulation sentence on its channel (not the receiver's own).
    void CountAisSentence(const DecodedSentence& sentence);
    // Once a second: writes the results and their icons.
    void Update();
    void UpdateIcons();
    // Counts and read values back to nothing, so that no result of the receiver checked
    // before carries over to the next one.
    void Clear();
    void RefreshClicked();
    // The second after Refresh is over: the report is asked for again.
    void RefreshPauseOver();

    // AIS sentences received on channel A, and on any other channel.
    int32_t RxCountA() const { return counts_.ChannelA(); }
    int32_t RxCountB() const { return counts_.ChannelB(); }

    // A port opened may lead to another receiver.
    void StateChanged(TSessionState state) override;

private:
    TMainView& view_;
    TReceiverSession& session_;
    const DecoderState& decoder_;
    TReceptionCounts counts_;
};
