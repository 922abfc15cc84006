#include "ui_fakes.h"

namespace quorvel::test {

void RecordingSettings::restoreOptions(OptionValues& values) {
    if (!toRestore) return;
    values = {toRestore->value(0).toStdString(), toRestore->value(1).toStdString(),
              toRestore->value(2).toStdString(), toRestore->value(3).toStdString()};
}

void RecordingSettings::saveOptions(const OptionValues& values) {
    saved.push_back({QString::fromStdString(values.format), QString::fromStdString(values.quality),
                     QString::fromStdString(values.resizeSwitch),
                     QString::fromStdString(values.resizeWidth)});
}

Form1Services FakeWorld::services(const std::string& programFolder,
                                  std::optional<ScreenDensity> density) {
    // The real platform underneath (the batch tests run a stand-in converter), but every
    // window-facing service recorded.
    Form1Services services = programServices();
    services.messages = &messages;
    services.opener = &opener;
    services.dialogs = &dialogs;
    services.folders = &folders;
    services.settings = &settings;
    services.programFolder = programFolder;
    services.density = density;
    return services;
}

}  // namespace quorvel::test
