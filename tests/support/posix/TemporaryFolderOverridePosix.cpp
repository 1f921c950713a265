#include "TemporaryFolderOverride.h"

#include <cstdlib>

namespace {

constexpr char kVariable[] = "TMPDIR";

} // namespace

TemporaryFolderOverride::TemporaryFolderOverride(const std::string& folder) {
    if (const char* old = std::getenv(kVariable))
        old_ = old;
    setenv(kVariable, folder.c_str(), 1);
}

TemporaryFolderOverride::~TemporaryFolderOverride() {
    if (old_)
        setenv(kVariable, old_->c_str(), 1);
    else
        unsetenv(kVariable);
}
