// The system's words for the failures the tests cause, as the product reports them after
// "Cannot create file ...:" or in "(...)": strerror's text on Linux, FormatMessage's on
// Windows without its closing period.
#pragma once

#include <string>

// Creating a file in a folder that does not exist.
std::string NoSuchFolderErrorText();
// Creating a file below a regular file, as though it were a folder.
std::string NotAFolderErrorText();
// Opening a file for reading in a folder that does not exist.
std::string MissingFolderOnOpenErrorText();
