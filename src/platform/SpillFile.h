// The data log's spill file: an anonymous temporary file that the system deletes when it
// is closed or the program ends, so that no log is ever left behind.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// The system's folder for temporary files.
std::string SystemTemporaryFolder();

// A new, empty file in `folder`, open for reading and writing in binary mode; null with
// the system's reason in `reason` when it cannot be created.
std::FILE* CreateSpillFile(const std::string& folder, std::string& reason);

// Moves the file position to `offset` bytes from the start, also beyond 2 GiB.
bool SeekSpillFile(std::FILE* file, uint64_t offset);
