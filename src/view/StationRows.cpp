#include "view/StationRows.h"

const char* StationColumnTitle(TStationColumn column) {
    switch (column) {
    case TStationColumn::Mmsi:
        return "MMSI";
    case TStationColumn::Name:
        return "Name";
    case TStationColumn::CallSign:
        return "Call sign";
    case TStationColumn::StationClass:
        return "Class";
    case TStationColumn::ShipType:
        return "Ship type";
    case TStationColumn::NavigationalStatus:
        return "Status";
    case TStationColumn::Latitude:
        return "Latitude";
    case TStationColumn::Longitude:
        return "Longitude";
    case TStationColumn::Speed:
        return "SOG (kn)";
    case TStationColumn::Course:
        return "COG";
    case TStationColumn::Heading:
        return "Heading";
    case TStationColumn::Distance:
        return "Distance (NM)";
    case TStationColumn::Bearing:
        return "Bearing";
    case TStationColumn::ChannelA:
        return "Ch A";
    case TStationColumn::ChannelB:
        return "Ch B";
    case TStationColumn::LastHeard:
        return "Last heard";
    }
    return "";
}
