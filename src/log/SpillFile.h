// The data log's spill file: an anonymous temporary file that the system deletes when it
// is closed or the program ends, so that no log is ever left behind.
#pragma once

#include <cstdio>
#include <string>

// The system's folder for temporary files.
std::string SystemTemporaryFolder();

// A new, empty file in `folder`, open for reading and writing in binary mode.
std::FILE* CreateSpillFile(const std::string& folder);
