// A data log with folders of the test's own for its spill file and the saved files,
// and numbered lines to feed it.
#pragma once

#include "TempFolder.h"

#include "log/DataLog.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

struct DataLogFixture {
    TempFolder spill;
    TempFolder files;
    TDataLog log{spill.Path()};

    std::string SaveAndRead() {
        std::string path = files / "log.TXT";
        EXPECT_TRUE(log.Save(path).Saved);
        return TempFolder::Read(path);
    }
};

// Lines of `size` characters numbered from `first`, each with its CR LF.
inline std::string Lines(size_t first, size_t count, size_t size = 80) {
    std::string lines;
    for (size_t i = first; i < first + count; ++i) {
        std::string number = std::to_string(i) + ",";
        lines += number + std::string(size - number.size(), 'x') + "\r\n";
    }
    return lines;
}

inline void AppendLines(TDataLog& log, const std::string& lines) {
    for (size_t at = 0; at < lines.size();) {
        size_t end = lines.find("\r\n", at);
        log.Append(std::string_view(lines).substr(at, end - at));
        at = end + 2;
    }
}
