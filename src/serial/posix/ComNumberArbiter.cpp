#include "serial/posix/ComNumberArbiter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <unistd.h>

namespace {

constexpr int kLowestComNumber = 1;
constexpr int kHighestComNumber = 255;
constexpr char kFileHeader[] =
    "# COM numbers of the serial ports seen, \"<number> <identity>\" a line; oldest first.\n";

struct TAssignment {
    int Number;
    std::string Identity;
};
using TAssignments = std::vector<TAssignment>; // in the order the numbers were given

TAssignments::iterator FindIdentity(TAssignments& table, const std::string& identity) {
    return std::find_if(table.begin(), table.end(),
                        [&](const TAssignment& a) { return a.Identity == identity; });
}

bool HoldsNumber(const TAssignments& table, int number) {
    return std::any_of(table.begin(), table.end(),
                       [&](const TAssignment& a) { return a.Number == number; });
}

bool Writable(const std::string& identity) {
    return !identity.empty() && identity.find_first_of("\r\n") == std::string::npos;
}

// Skips what does not parse, numbers out of range, and a number or identity that an
// earlier line holds already: a damaged file costs numbers, never a crash.
TAssignments Parse(const std::string& text) {
    TAssignments table;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        char* rest = nullptr;
        long number = std::strtol(line.c_str(), &rest, 10);
        if (rest == line.c_str() || *rest != ' ' || number < kLowestComNumber ||
            number > kHighestComNumber)
            continue;
        std::string identity(rest + 1);
        if (identity.empty() || HoldsNumber(table, static_cast<int>(number)) ||
            FindIdentity(table, identity) != table.end())
            continue;
        table.push_back({static_cast<int>(number), identity});
    }
    return table;
}

std::string Format(const TAssignments& table) {
    std::string text = kFileHeader;
    for (const TAssignment& a : table) {
        if (Writable(a.Identity))
            text += std::to_string(a.Number) + " " + a.Identity + "\n";
    }
    return text;
}

bool ReadText(const std::string& file, std::string& text) {
    std::FILE* f = std::fopen(file.c_str(), "r");
    if (!f)
        return false;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        text.append(buffer, n);
    std::fclose(f);
    return true;
}

// A temporary file renamed over the old one, so that a reader never sees half a table.
// Failure is quiet: the caller keeps the numbers in memory for this run.
void WriteAtomically(const std::string& file, const std::string& text) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ignored);
    std::string temporary = file + ".tmp" + std::to_string(getpid());
    std::FILE* f = std::fopen(temporary.c_str(), "w");
    if (!f)
        return;
    bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    written = std::fflush(f) == 0 && fsync(fileno(f)) == 0 && written;
    written = std::fclose(f) == 0 && written;
    if (!written || std::rename(temporary.c_str(), file.c_str()) != 0)
        unlink(temporary.c_str());
}

// The numbers of this run, per file. Numbers another instance has written meanwhile
// are taken over when neither their identity nor their number is known here yet.
std::mutex tablesLock;
std::map<std::string, TAssignments> tables;

void Merge(TAssignments& table, const TAssignments& stored) {
    for (const TAssignment& a : stored) {
        if (FindIdentity(table, a.Identity) == table.end() && !HoldsNumber(table, a.Number))
            table.push_back(a);
    }
}

bool InRange(int number, TComNumberRange range) {
    return number >= range.First && number <= range.Last;
}

int Assign(TAssignments& table, const TComNumberRequest& request, const std::set<int>& fixedNumbers,
           const std::set<std::string>& present) {
    auto held = FindIdentity(table, request.Identity);
    if (held != table.end()) {
        if (!fixedNumbers.count(held->Number))
            return held->Number;
        table.erase(held); // an on-board port that came later owns this number
    }
    for (int n = request.Range.First; n <= request.Range.Last; ++n) {
        if (!fixedNumbers.count(n) && !HoldsNumber(table, n)) {
            table.push_back({n, request.Identity});
            return n;
        }
    }
    auto oldestAbsent = std::find_if(table.begin(), table.end(), [&](const TAssignment& a) {
        return InRange(a.Number, request.Range) && !fixedNumbers.count(a.Number) &&
               !present.count(a.Identity);
    });
    if (oldestAbsent == table.end())
        return 0;
    int number = oldestAbsent->Number;
    table.erase(oldestAbsent);
    table.push_back({number, request.Identity});
    return number;
}

} // namespace

std::vector<int> AssignComNumbers(const std::string& file,
                                  const std::vector<TComNumberRequest>& requests,
                                  const std::set<int>& fixedNumbers) {
    std::lock_guard<std::mutex> guard(tablesLock);
    TAssignments& table = tables[file];
    std::string stored;
    if (!file.empty() && ReadText(file, stored))
        Merge(table, Parse(stored));

    std::set<std::string> present;
    for (const TComNumberRequest& request : requests)
        present.insert(request.Identity);
    std::vector<int> numbers;
    for (const TComNumberRequest& request : requests)
        numbers.push_back(Assign(table, request, fixedNumbers, present));

    if (!file.empty() && !table.empty()) {
        std::string text = Format(table);
        if (text != stored)
            WriteAtomically(file, text);
    }
    return numbers;
}
