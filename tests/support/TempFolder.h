// A fresh folder in the system's temporary folder for one test, removed with everything
// in it afterwards. Names below it are written with '/' and come back with the system's
// separator, so that a path the test builds compares equal to one the product joins.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

class TempFolder {
public:
    TempFolder() {
        std::filesystem::path base = std::filesystem::temp_directory_path();
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::filesystem::path candidate =
                base / ("t360kv-test-" + std::to_string(random() % 1000000000u));
            if (std::filesystem::create_directory(candidate)) {
                path_ = candidate.string();
                return;
            }
        }
        throw std::runtime_error("no fresh temporary folder in " + base.string());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const {
        return (std::filesystem::path(path_) / std::filesystem::path(name).make_preferred())
            .string();
    }

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
