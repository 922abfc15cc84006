#include "form1_controls.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <type_traits>

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
constexpr ControlKind kindOf() {
    if constexpr (std::is_same_v<T, QTimer>) return ControlKind::Timer;
    else if constexpr (std::is_same_v<T, QLabel>) return ControlKind::PictureBox;
    else if constexpr (std::is_same_v<T, QLineEdit>) return ControlKind::TextBox;
    else if constexpr (std::is_same_v<T, QPushButton>) return ControlKind::Button;
    else if constexpr (std::is_same_v<T, QListWidget>) return ControlKind::ListBox;
    else return ControlKind::Label;
}

// The control made from table entry `index`, as the type that entry's kind creates; both the
// entry and its kind are checked when this compiles.
template <std::size_t index, typename T>
T* control(const std::array<QObject*, kControls.size()>& created) {
    static_assert(index < kControls.size());
    static_assert(kControls[index].kind == kindOf<T>(), "the member's type is not the entry's kind");
    return static_cast<T*>(created[index]);
}

}  // namespace

#define QUORVEL_BIND(member) \
    c.member = control<controlIndex(#member), std::remove_pointer_t<decltype(c.member)>>(created)

Form1Controls createControls(QWidget& form) {
    std::array<QObject*, kControls.size()> created{};
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        created[i] = createControl(kControls[i], form);
        created[i]->setObjectName(qText(kControls[i].name));
    }
    Form1Controls c;
    c.byId = created;
    QUORVEL_BIND(timerRun);
    QUORVEL_BIND(picBack1);
    QUORVEL_BIND(picBack2);
    QUORVEL_BIND(txtConvert);
    QUORVEL_BIND(txtResize);
    QUORVEL_BIND(Text2);
    QUORVEL_BIND(Text1);
    QUORVEL_BIND(Command1);
    QUORVEL_BIND(lstFile);
    QUORVEL_BIND(Label7);
    QUORVEL_BIND(lblFormat);
    QUORVEL_BIND(Label6);
    QUORVEL_BIND(Label5);
    QUORVEL_BIND(Label4);
    QUORVEL_BIND(Label3);
    QUORVEL_BIND(lblPath);
    QUORVEL_BIND(Label2);
    QUORVEL_BIND(Label1);
    return c;
}

#undef QUORVEL_BIND

}  // namespace quorvel
