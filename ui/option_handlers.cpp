#include "option_handlers.h"

#include "control_table.h"
#include "conversion_batch.h"
#include "folder_chooser.h"
#include "form1_view.h"
#include "format_cycle.h"
#include "shell_opener.h"

namespace quorvel {

void OptionHandlers::lblFormat_Click() {
    m.view.setText(ids::lblFormat, nextFormat(m.view.text(ids::lblFormat)));
}

void OptionHandlers::Label5_Click() {
    const bool switchOn = m.view.text(ids::Label5) == "NO";
    m.view.setText(ids::Label5, switchOn ? "YES" : "NO");
    // A disabled box would hand its focus on to the quality box with all its text selected,
    // where the next keystroke meant for the width replaces the quality: the window keeps it.
    if (!switchOn && m.view.hasFocus(ids::txtResize)) m.view.focusWindow();
    m.view.setEnabled(ids::txtResize, switchOn);
}

void OptionHandlers::Command1_Click() {
    const auto chosen = m.folders.chooseFolder(m.view.handle(), "Please select a folder:");
    // A cancel does not keep an earlier choice: it returns to the default folder.
    setOutputFolder(chosen ? *chosen : defaultOutputFolder());
}

void OptionHandlers::setOutputFolder(const std::string& folder) {
    m.batch.OutputFolder(folder);
    m.view.setText(ids::Command1, folder);
    m.view.setText(ids::lblPath, folder);
}

void OptionHandlers::Label3_Click() { m.opener.openAddress(std::string(kMakerPageAddress)); }

}  // namespace quorvel
