// Splitting a file's text into lines.
#pragma once

#include <string>
#include <vector>

// The lines of `text`, which end in LF or CR LF; a last line without an end counts too,
// and a text that ends with a line end has no empty line after it.
std::vector<std::string> SplitLines(const std::string& text);
