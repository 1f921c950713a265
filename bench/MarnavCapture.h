// The marnav capture (85,000 AIS lines) as the benchmarks feed it: the dispatch texts
// (line, CR, LF) that the GPS line filter passes. Empty when the file cannot be read.
#pragma once

#include "nmea/GpsLineFilter.h"

#include <zlib.h>

#include <string>
#include <vector>

inline std::vector<std::string> MarnavCaptureLines() {
    std::vector<std::string> lines;
    gzFile file = gzopen(T360KV_TEST_DATA_DIR "/ais/marnav/ais-sample.txt.gz", "rb");
    if (file == nullptr)
        return lines;
    char line[4096];
    while (gzgets(file, line, sizeof line) != nullptr) {
        std::string text(line);
        std::erase(text, '\r');
        std::erase(text, '\n');
        text += "\r\n";
        if (PassesGpsLineFilter(text.data(), text.size()))
            lines.push_back(text);
    }
    gzclose(file);
    return lines;
}
