// Cuts the bytes the tool writes to the receiver into lines: a line feed ends a line, CR
// and NUL bytes are dropped. A line grown past a limit is cut there, so that a stream
// without line feeds cannot use up memory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class LineAssembler {
public:
    static constexpr size_t kMaxLine = 4096;

    // The lines completed by `bytes`, in order, without their line ends.
    std::vector<std::string> Add(std::string_view bytes);

private:
    std::string pending_;
};
