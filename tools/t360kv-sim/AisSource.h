// Where the simulated receiver's AIS sentences come from: vessels it makes up, or a
// recorded capture.
#pragma once

#include <string>
#include <vector>

class AisSource {
public:
    virtual ~AisSource() = default;
    // The complete sentences of the next message (all fragments, in order) heard at
    // `unixSeconds`.
    virtual std::vector<std::string> NextMessage(double unixSeconds) = 0;
};
