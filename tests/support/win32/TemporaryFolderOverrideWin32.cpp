#include "TemporaryFolderOverride.h"

#include <windows.h>

namespace {

// GetTempPath looks at TMP first.
constexpr char kVariable[] = "TMP";

} // namespace

TemporaryFolderOverride::TemporaryFolderOverride(const std::string& folder) {
    char old[MAX_PATH + 1];
    DWORD length = GetEnvironmentVariableA(kVariable, old, sizeof old);
    if (length > 0 && length < sizeof old)
        old_ = std::string(old, length);
    SetEnvironmentVariableA(kVariable, folder.c_str());
}

TemporaryFolderOverride::~TemporaryFolderOverride() {
    SetEnvironmentVariableA(kVariable, old_ ? old_->c_str() : nullptr);
}
