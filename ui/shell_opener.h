#pragma once
// Opens folders and web addresses with the desktop's default programs. Failures pass silently.
#include <string>

namespace quorvel {

class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual void openFolder(const std::string& folder) = 0;
    virtual void openAddress(const std::string& address) = 0;
};

}  // namespace quorvel
