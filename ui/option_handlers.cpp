#include "option_handlers.h"

#include <QLineEdit>
#include <QPushButton>

#include "caption_label.h"
#include "control_table.h"
#include "conversion_batch.h"
#include "folder_chooser.h"
#include "form1_controls.h"
#include "format_cycle.h"
#include "shell_opener.h"

using namespace Qt::StringLiterals;

namespace quorvel {

void OptionHandlers::lblFormat_Click() {
    m.controls.lblFormat->setCaption(nextFormat(m.controls.lblFormat->caption()));
}

void OptionHandlers::Label5_Click() {
    const bool switchOn = m.controls.Label5->caption() == u"NO"_s;
    m.controls.Label5->setCaption(switchOn ? u"YES"_s : u"NO"_s);
    // A disabled box would hand its focus on to the quality box with all its text selected,
    // where the next keystroke meant for the width replaces the quality: the window keeps it.
    if (!switchOn && m.controls.txtResize->hasFocus()) m.owner.setFocus(Qt::OtherFocusReason);
    m.controls.txtResize->setEnabled(switchOn);
}

void OptionHandlers::Command1_Click() {
    const auto chosen = m.folders.chooseFolder(&m.owner, u"Please select a folder:"_s);
    // A cancel does not keep an earlier choice: it returns to the default folder.
    setOutputFolder(chosen ? *chosen : QString::fromStdString(defaultOutputFolder()));
}

void OptionHandlers::setOutputFolder(const QString& folder) {
    m.batch.OutputFolder(folder.toStdString());
    m.controls.Command1->setText(folder);
    m.controls.lblPath->setCaption(folder);
}

void OptionHandlers::Label3_Click() {
    m.opener.openAddress(QString::fromUtf8(kMakerPageAddress.data(),
                                           static_cast<qsizetype>(kMakerPageAddress.size())));
}

}  // namespace quorvel
