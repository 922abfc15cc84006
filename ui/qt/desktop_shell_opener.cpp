#include "desktop_shell_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace quorvel {
namespace {

class DesktopShellOpener : public ShellOpener {
public:
    void openFolder(const std::string& folder) override {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
    }
    void openAddress(const std::string& address) override {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
    }
};

}  // namespace

ShellOpener& desktopShellOpener() {
    static DesktopShellOpener opener;
    return opener;
}

}  // namespace quorvel
