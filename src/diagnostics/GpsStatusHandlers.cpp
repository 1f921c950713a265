// The GPS STATUS page's handlers of the main window controller: the page's texts and the
// satellite views reach the window here.
#include "app/Mainform.h"
#include "diagnostics/GpsStatusPage.h"
#include "diagnostics/SatelliteViews.h"

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

TSatelliteViewData ViewDataOf(const TSatelliteViews& views) {
    return {views.Bars(), views.ValueMarksVisible(), views.Symbols().Symbols()};
}

} // namespace

void TForm1::ShowGpsPageUpdate(const TGpsPageUpdate& update) {
    for (const TPageField& field : kPageFields)
        if (const std::optional<std::string>& text = update.*field.Text)
            view_.SetText(field.Control, *text);
    if (update.CompletedCycle)
        RefreshSatelliteViews(*update.CompletedCycle);
}

void TForm1::CreateSatelliteViews() {
    view_.ShowSatelliteViews(ViewDataOf(*satelliteViews_));
}

void TForm1::RefreshSatelliteViews(const SatelliteEpoch& epoch) {
    satelliteViews_->RefreshSatelliteViews(epoch);
    view_.ShowSatelliteViews(ViewDataOf(*satelliteViews_));
    view_.SetText(TControl::lblEdtGpsNoSV_InView, satelliteViews_->InViewText());
    view_.SetText(TControl::lblEdtGpsNoSV_InUse, satelliteViews_->InUseText());
}

void TForm1::SatelliteMapDrawn(int width, int height) {
    satelliteViews_->Symbols().SetMapSize(width, height);
}
