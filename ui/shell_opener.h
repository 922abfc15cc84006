#pragma once
// Opens folders and web addresses with the desktop's default programs. Failures pass silently.
#include <QString>
#include <string>

namespace quorvel {

class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual void openFolder(const std::string& folder) = 0;
    virtual void openAddress(const QString& address) = 0;
};

// QDesktopServices::openUrl: the desktop's file manager and browser.
ShellOpener& desktopShellOpener();

}  // namespace quorvel
