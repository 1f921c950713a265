// One station's details: every field of the last message of each type it sent, walked
// from the message's field table.
#pragma once

#include "stations/StationList.h"
#include "view/StationRows.h"

#include <string>
#include <vector>

// The fields a message of `bitCount` bits holds completely, "spare" fields left out.
std::vector<TStationDetail> MessageDetails(const AisMessage& message, unsigned bitCount);

// Every kept message of the station, in the order of their types.
std::vector<TStationDetail> StationDetails(const TStationRecord& record);
