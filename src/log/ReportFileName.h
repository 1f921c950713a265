// File names of the configuration report.
#pragma once

#include <string>

// `fileName` with "." + `extension` appended when the name after its last folder
// separator has no extension: "report" becomes "report.TXT", "v1.0/report" becomes
// "v1.0/report.TXT", "report.txt" stays.
std::string WithDefaultExtension(const std::string& fileName, const std::string& extension);

// A device-reported text made fit to be proposed as a file name: characters that would
// name a folder, a drive or a wildcard, and control characters, become "_", and a name
// made of dots only becomes empty.
std::string ProposedFileName(const std::string& text);
