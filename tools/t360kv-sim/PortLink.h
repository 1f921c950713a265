// Registers a simulated port where the tool's port list looks for it: a symbolic link
// in the per-user simulator folder, pointing at the pseudo-terminal's device end.
#pragma once

#include <string>

class PortLink {
public:
    // Links `target` as `folder`/`name`, or, with an empty name, as the first free of
    // ttySIM0, ttySIM1, ... A link left behind by a simulator that died (its target
    // gone) counts as free. Creates the folder (mode 0700) if needed and refuses one that
    // is not a folder of this user. Throws std::runtime_error.
    PortLink(const std::string& folder, const std::string& name, const std::string& target);
    // Removes the link, and the folder when it is left empty.
    ~PortLink();
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string folder_;
    std::string path_;
};
