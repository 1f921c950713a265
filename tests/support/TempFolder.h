// A fresh folder under /tmp for one test, removed with everything in it afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/t360kv-test-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // Writes `bytes` to the file `name` in the folder; returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::string path = *this / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // The bytes of a file; empty when it is missing.
    static std::string Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    // How many entries the folder holds.
    size_t EntryCount() const {
        auto entries = std::filesystem::directory_iterator(path_);
        return static_cast<size_t>(std::distance(entries, std::filesystem::directory_iterator()));
    }

private:
    std::string path_;
};
