#include "log/ReportFileName.h"

#include <cstring>

std::string WithDefaultExtension(const std::string& fileName, const std::string& extension) {
    size_t nameStart = fileName.find_last_of("/\\");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    if (fileName.find('.', nameStart) != std::string::npos)
        return fileName;
    return fileName + "." + extension;
}

std::string ProposedFileName(const std::string& text) {
    std::string name = text;
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 32 || std::strchr("/\\:*?\"<>|", c) != nullptr)
            c = '_';
    if (name.find_first_not_of('.') == std::string::npos)
        name.clear();
    return name;
}
