#include "form1_controls.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "caption_label.h"
#include "control_looks.h"
#include "control_table.h"

namespace quorvel {
namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* createWidget(const ControlSpec& spec, QWidget& form) {
    switch (spec.kind) {
        case ControlKind::PictureBox:
            return new QLabel(&form);
        case ControlKind::TextBox:
            return new QLineEdit(qText(spec.text), &form);
        case ControlKind::Button:
            return new QPushButton(qText(spec.text), &form);
        case ControlKind::ListBox:
            return new QListWidget(&form);
        case ControlKind::Label: {
            auto* label = new CaptionLabel(&form);
            label->setText(qText(spec.text));
            label->setFitsCaption(spec.fitsCaption);
            return label;
        }
        case ControlKind::Timer:
            break;
    }
    return nullptr;
}

QObject* createControl(const ControlSpec& spec, QWidget& form) {
    if (spec.kind == ControlKind::Timer) {
        auto* timer = new QTimer(&form);
        timer->setInterval(kRunTimerInterval);
        return timer;
    }
    QWidget* widget = createWidget(spec, form);
    widget->setAttribute(Qt::WA_NoMousePropagation);
    widget->setEnabled(spec.enabled);
    applyLook(*widget, spec.look);
    return widget;
}

template <typename T>
void find(QWidget& form, T*& control, const char* name) {
    control = form.findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

}  // namespace

Form1Controls createControls(QWidget& form) {
    for (const ControlSpec& spec : kControls)
        createControl(spec, form)->setObjectName(qText(spec.name));
    Form1Controls c;
    find(form, c.timerRun, "timerRun");
    find(form, c.picBack1, "picBack1");
    find(form, c.picBack2, "picBack2");
    find(form, c.txtConvert, "txtConvert");
    find(form, c.txtResize, "txtResize");
    find(form, c.Text2, "Text2");
    find(form, c.Text1, "Text1");
    find(form, c.Command1, "Command1");
    find(form, c.lstFile, "lstFile");
    find(form, c.Label7, "Label7");
    find(form, c.lblFormat, "lblFormat");
    find(form, c.Label6, "Label6");
    find(form, c.Label5, "Label5");
    find(form, c.Label4, "Label4");
    find(form, c.Label3, "Label3");
    find(form, c.lblPath, "lblPath");
    find(form, c.Label2, "Label2");
    find(form, c.Label1, "Label1");
    return c;
}

}  // namespace quorvel
