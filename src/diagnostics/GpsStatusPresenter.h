// The GPS STATUS page in the window: every received line goes through the page's
// decoder; the texts a line changed and a completed cycle of satellites reach the view,
// and a decoded AIS sentence is handed on for the system check to count.
#pragma once

#include "diagnostics/GpsStatusPage.h"
#include "diagnostics/SatelliteViews.h"
#include "nmea/SentenceDecoder.h"
#include "session/ReceiverSession.h"
#include "view/MainView.h"

#include <functional>
#include <string_view>

class TGpsStatusPresenter : public TSessionObserver {
public:
    explicit TGpsStatusPresenter(TMainView& view);

    // Called with each decoded AIS sentence (the system check counts them).
    std::function<void(const DecodedSentence&)> OnAisSentence;

    // The decoder's records: the last decoded sentence, the GNSS picture.
    const DecoderState& Decoder() const { return decoder_; }
    // The language whose code page the texts with a degree sign are in.
    void SetLanguage(TLanguage language) { page_.SetLanguage(language); }
    // The window drew the sky map at this size: satellites are placed on its geometry
    // from the next refresh on (until then they keep their places).
    void SatelliteMapDrawn(int width, int height);

    void LineReceived(std::string_view line, bool overLong) override;

private:
    void ShowUpdate(const TGpsPageUpdate& update);
    void ShowSatelliteViews();

    TMainView& view_;
    DecoderState decoder_;
    TGpsStatusPage page_;
    TSatelliteViews satelliteViews_;
};
