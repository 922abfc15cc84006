#include "ui_fakes.h"

#include <QLineEdit>

#include "caption_label.h"

namespace quorvel::test {

std::optional<QString> ScriptedFolders::chooseFolder(QWidget* owner, const QString& title) {
    titles << title;
    owners.push_back(owner);
    if (answers.empty()) return std::nullopt;
    const std::optional<QString> answer = answers.front();
    answers.pop_front();
    return answer;
}

void RecordingSettings::restoreOptions(const OptionControls& controls) {
    if (!toRestore) return;
    controls.lblFormat.setCaption(toRestore->value(0));
    controls.Text1.setText(toRestore->value(1));
    controls.Label5.setCaption(toRestore->value(2));
    controls.txtResize.setText(toRestore->value(3));
}

void RecordingSettings::saveOptions(const OptionControls& controls) {
    saved.push_back({controls.lblFormat.caption(), controls.Text1.text(),
                     controls.Label5.caption(), controls.txtResize.text()});
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
