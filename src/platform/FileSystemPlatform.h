// The platform's side of FileSystem.h: one implementation for POSIX systems, one for
// Windows. Only FileSystem.cpp and the two implementations include this.
#pragma once

#include <cstdio>
#include <string>

// Creates one folder whose parent exists.
void CreateFolder(const std::string& folder);

// Creates a new, empty file with a unique name in the folder of `target` and opens it
// for binary writing; its name goes to `temporaryPath`. Null on failure.
std::FILE* CreateTemporaryBeside(const std::string& target, std::string& temporaryPath);

// Flushes the stream and asks the system to put its data on the disk.
bool FlushToDisk(std::FILE* file);

// Puts `from` in the place of `to` in one step, replacing an existing `to`.
bool MoveIntoPlace(const std::string& from, const std::string& to);
