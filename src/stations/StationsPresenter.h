// The AIS STATIONS page: the stations the GPS page's decoder heard, as a table the window
// reads row by row, the coverage plot, one station's details, Clear and the CSV export.
#pragma once

#include "nmea/SentenceDecoder.h"
#include "stations/StationList.h"
#include "stations/StationTable.h"
#include "view/MainView.h"

#include <cstdint>
#include <functional>
#include <string>

// Seconds of a clock that only goes forwards.
using TSecondsClock = std::function<int64_t()>;
int64_t SteadySeconds();

class TStationsPresenter {
public:
    TStationsPresenter(TMainView& view, const DecoderState& decoder,
                       TSecondsClock clock = SteadySeconds);

    // Each decoded AIS sentence: its message is the decoder's last.
    void AisSentence(const DecodedSentence& sentence);
    // TTimer::StationsTick: refreshes the rows and the coverage when something changed.
    void Tick();
    void SetLanguage(TLanguage language);

    void SortClicked(TStationColumn column);
    void FilterEdited(const std::string& filter);
    // `row` as displayed; a row out of range does nothing.
    void DetailsRequested(int row);
    // Empties the list and the coverage; the decoder's target table stays.
    void ClearClicked();
    void ExportClicked();

    const TStationList& List() const { return list_; }
    const TStationTable& Rows() const { return table_; }

private:
    void Refresh(bool force);

    TMainView& view_;
    const DecoderState& decoder_;
    TSecondsClock clock_;
    TStationList list_;
    TStationTable table_;
    TCoverageView shownCoverage_;
    bool coverageShown_ = false;
    int64_t shownSecond_ = -1;
    uint64_t shownRevision_ = ~uint64_t{0};
    std::optional<TGeoPosition> shownOwn_;
    std::string shownCount_;
};
