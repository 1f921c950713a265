#include "stations/StationsPresenter.h"

#include "log/ReportFileName.h"
#include "platform/FileSystem.h"
#include "stations/StationDetails.h"

#include <chrono>

namespace {

bool SameCoverage(const TCoverageView& a, const TCoverageView& b) {
    return a.HasOwnPosition == b.HasOwnPosition && a.FarthestNm == b.FarthestNm &&
           a.FarthestMmsi == b.FarthestMmsi && a.BandCounts == b.BandCounts &&
           a.Unusable == b.Unusable && a.RingStepNm == b.RingStepNm && a.RingCount == b.RingCount;
}

std::string CountText(size_t count) {
    return std::to_string(count) + (count == 1 ? " station" : " stations");
}

} // namespace

int64_t SteadySeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

TStationsPresenter::TStationsPresenter(TMainView& view, const DecoderState& decoder,
                                       TSecondsClock clock)
    : view_(view), decoder_(decoder), clock_(std::move(clock)), list_(decoder.Ais.Targets),
      table_(list_) {
    view_.SetStationRows(table_);
    view_.SetText(TControl::LabelStationCount, CountText(0));
    shownCount_ = CountText(0);
}

void TStationsPresenter::AisSentence(const DecodedSentence& sentence) {
    list_.Feed(decoder_.Ais, sentence.Encapsulation.Channel, clock_(),
               ReceiverPosition(decoder_.Navigation, list_));
}

void TStationsPresenter::Tick() {
    Refresh(false);
}

void TStationsPresenter::SetLanguage(TLanguage language) {
    table_.SetLanguage(language);
    Refresh(true);
}

// The texts change with new messages, the receiver's position and, through "s ago",
// with each second.
void TStationsPresenter::Refresh(bool force) {
    int64_t now = clock_();
    std::optional<TGeoPosition> own = ReceiverPosition(decoder_.Navigation, list_);
    bool sameOwn =
        own.has_value() == shownOwn_.has_value() &&
        (!own || (own->Latitude == shownOwn_->Latitude && own->Longitude == shownOwn_->Longitude));
    if (!force && now == shownSecond_ && list_.Revision() == shownRevision_ && sameOwn)
        return;
    shownSecond_ = now;
    shownRevision_ = list_.Revision();
    shownOwn_ = own;
    TStationRowChanges changes = table_.Refresh(now, own);
    if (force || changes.Reordered || !changes.Changed.empty())
        view_.StationRowsChanged(changes.Reordered || force ? TStationRowChanges{true, {}}
                                                            : changes);
    TCoverageView coverage = list_.Coverage();
    coverage.HasOwnPosition = own.has_value();
    if (force || !coverageShown_ || !SameCoverage(coverage, shownCoverage_)) {
        view_.ShowCoverage(coverage);
        shownCoverage_ = coverage;
        coverageShown_ = true;
    }
    std::string count = CountText(list_.Entries().size());
    if (count != shownCount_) {
        view_.SetText(TControl::LabelStationCount, count);
        shownCount_ = count;
    }
}

void TStationsPresenter::SortClicked(TStationColumn column) {
    table_.SortBy(column);
    Refresh(true);
}

void TStationsPresenter::FilterEdited(const std::string& filter) {
    table_.SetFilter(filter);
    Refresh(true);
}

void TStationsPresenter::DetailsRequested(int row) {
    if (row < 0 || row >= table_.RowCount())
        return;
    int32_t entry = table_.EntryOfRow(row);
    std::string title = "MMSI " + table_.Cell(row, TStationColumn::Mmsi);
    std::string name = table_.Cell(row, TStationColumn::Name);
    if (!name.empty())
        title += " " + name;
    view_.ShowStationDetails(title, StationDetails(list_.Record(entry)));
}

void TStationsPresenter::ClearClicked() {
    list_.Clear();
    Refresh(true);
}

void TStationsPresenter::ExportClicked() {
    TSaveFileRequest request;
    request.Filter = "CSV file (*.csv)|*.csv";
    request.FilterIndex = 1;
    request.DefaultExt = "csv";
    request.FileName = "stations.csv";
    std::string chosen;
    if (!view_.PromptSaveFile(request, chosen))
        return;
    std::string fileName = WithDefaultExtension(chosen, "csv");
    Refresh(true);
    TAtomicFileWriter writer(fileName);
    if (!writer.Write(table_.Csv()) || !writer.Commit()) {
        view_.ShowMessage("Cannot write file \"" + fileName + "\": " + writer.ErrorText() + ".");
        return;
    }
    view_.ShowMessage("Stations saved to \"" + fileName + "\".");
}
