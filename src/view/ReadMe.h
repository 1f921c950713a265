// The read-me text of the about box: the lines of the language's read-me file.
#pragma once

#include "view/Languages.h"

#include <optional>
#include <string>
#include <vector>

// Longest piece of a read-me line that the about box takes in one go, in bytes.
inline constexpr size_t kReadMePieceLength = 499;

// The lines to put in the about box's text area for the read-me file at `path`, in the
// code page of `language`: one empty line, then the file's lines in order, a line longer
// than kReadMePieceLength cut into pieces of at most that length. A cut never separates
// the two bytes of a Chinese character. None when the file cannot be opened, in which
// case the text area keeps what it shows.
std::optional<std::vector<std::string>> LoadReadMeLines(const std::string& path,
                                                        TLanguage language);
