#include "diagnostics/GpsStatusPresenter.h"

#include <optional>
#include <string>

namespace {

struct TPageField {
    std::optional<std::string> TGpsPageUpdate::*Text;
    TControl Control;
};

constexpr TPageField kPageFields[] = {
    {&TGpsPageUpdate::UtcDate, TControl::lblEdtGpsUtcDate},
    {&TGpsPageUpdate::UtcTime, TControl::lblEdtGpsUtcTime},
    {&TGpsPageUpdate::FixMode, TControl::lblEdtGpsFixMode},
    {&TGpsPageUpdate::Hdop, TControl::lblEdtHdop},
    {&TGpsPageUpdate::Latitude, TControl::lblEdtGpsLat},
    {&TGpsPageUpdate::Longitude, TControl::lblEdtGpsLon},
    {&TGpsPageUpdate::Sog, TControl::lblEdtGpsSOG},
    {&TGpsPageUpdate::Cog, TControl::lblEdtGpsCOG},
};

} // namespace

TGpsStatusPresenter::TGpsStatusPresenter(TMainView& view) : view_(view), page_(decoder_) {
    // Start-up: the SNR chart's placeholder bars, no symbol on the sky map.
    ShowSatelliteViews();
}

void TGpsStatusPresenter::LineReceived(std::string_view line, bool overLong) {
    if (overLong)
        return;
    // The page reads the line as received, with its line end.
    std::string text(line);
    text += "\r\n";
    TGpsPageUpdate update = page_.HandleGpsLine(text);
    ShowUpdate(update);
    if (update.AisSentence && OnAisSentence)
        OnAisSentence(decoder_.Sentence);
}

void TGpsStatusPresenter::ShowUpdate(const TGpsPageUpdate& update) {
    for (const TPageField& field : kPageFields)
        if (const std::optional<std::string>& text = update.*field.Text)
            view_.SetText(field.Control, *text);
    if (!update.CompletedCycle)
        return;
    satelliteViews_.RefreshSatelliteViews(*update.CompletedCycle);
    ShowSatelliteViews();
    view_.SetText(TControl::lblEdtGpsNoSV_InView, satelliteViews_.InViewText());
    view_.SetText(TControl::lblEdtGpsNoSV_InUse, satelliteViews_.InUseText());
}

void TGpsStatusPresenter::ShowSatelliteViews() {
    view_.ShowSatelliteViews({satelliteViews_.Bars(), satelliteViews_.ValueMarksVisible(),
                              satelliteViews_.Symbols().Symbols()});
}

void TGpsStatusPresenter::SatelliteMapDrawn(int width, int height) {
    satelliteViews_.Symbols().SetMapSize(width, height);
}
