#include "shell_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace quorvel {
namespace {

class DesktopShellOpener : public ShellOpener {
public:
    void openFolder(const std::string& folder) override {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
    }
    void openAddress(const QString& address) override {
        QDesktopServices::openUrl(QUrl(address));
    }
};

}  // namespace

ShellOpener& desktopShellOpener() {
    static DesktopShellOpener opener;
    return opener;
}

}  // namespace quorvel
