#include "qt_form1_view.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "caption_label.h"
#include "control_looks.h"
#include "form1_layout.h"

namespace quorvel {
namespace {

// The exact bytes listed, also those of a name that is not UTF-8; the item's text is for show.
constexpr int kPathBytesRole = Qt::UserRole + 1;

QString qText(const std::string& text) { return QString::fromStdString(text); }

QRect qRect(const PixelRect& r) { return QRect(r.left, r.top, r.width, r.height); }

}  // namespace

QWidget* QtForm1View::widget(ControlId control) const {
    return qobject_cast<QWidget*>(m_controls.byId.at(control));
}

std::string QtForm1View::text(ControlId control) const {
    QObject* object = m_controls.byId.at(control);
    if (auto* label = qobject_cast<CaptionLabel*>(object)) return label->caption().toStdString();
    if (auto* box = qobject_cast<QLineEdit*>(object)) return box->text().toStdString();
    if (auto* button = qobject_cast<QPushButton*>(object)) return button->text().toStdString();
    return {};
}

void QtForm1View::setText(ControlId control, const std::string& text) {
    QObject* object = m_controls.byId.at(control);
    if (auto* label = qobject_cast<CaptionLabel*>(object)) return label->setCaption(qText(text));
    if (auto* box = qobject_cast<QLineEdit*>(object)) return box->setText(qText(text));
    if (auto* button = qobject_cast<QPushButton*>(object)) return button->setText(qText(text));
}

void QtForm1View::setEnabled(ControlId control, bool enabled) {
    if (QWidget* shown = widget(control)) shown->setEnabled(enabled);
}

void QtForm1View::setVisible(ControlId control, bool visible) {
    if (QWidget* shown = widget(control)) shown->setVisible(visible);
}

bool QtForm1View::hasFocus(ControlId control) const {
    const QWidget* shown = widget(control);
    return shown && shown->hasFocus();
}

void QtForm1View::focusWindow() { m_form.setFocus(Qt::OtherFocusReason); }

int QtForm1View::entryCount() const { return m_controls.lstFile->count(); }

std::string QtForm1View::entry(int index) const {
    const QListWidgetItem* item = m_controls.lstFile->item(index);
    if (!item) return "";
    const QVariant bytes = item->data(kPathBytesRole);
    return bytes.isValid() ? bytes.toByteArray().toStdString() : item->text().toStdString();
}

void QtForm1View::appendEntry(const std::string& path) {
    auto* item = new QListWidgetItem(qText(path));
    item->setData(kPathBytesRole, QByteArray::fromStdString(path));
    m_controls.lstFile->addItem(item);
}

void QtForm1View::removeFirstEntries(int count) {
    for (int i = 0; i < count && m_controls.lstFile->count() > 0; ++i)
        delete m_controls.lstFile->takeItem(0);
}

void QtForm1View::startRunTimer() { m_controls.timerRun->start(); }

void QtForm1View::stopRunTimer() { m_controls.timerRun->stop(); }

void QtForm1View::repaintPicture() { m_form.update(); }

void QtForm1View::placeControls(const Form1Layout& layout, const ScreenDensity& density) {
    for (ControlId id = 0; id < kControls.size(); ++id) {
        QWidget* shown = widget(id);
        if (!shown) continue;
        shown->setGeometry(qRect(layout.pixelRect(id, density)));
        if (const auto& size = layout.geometry(id).FontSize)
            shown->setFont(fontFor(kControls[id].look, *size));
        if (auto* label = qobject_cast<CaptionLabel*>(shown)) label->fitToCaption();
    }
}

void QtForm1View::fixClientSize(int widthPixels, int heightPixels) {
    m_form.setFixedSize(widthPixels, heightPixels);
    if (const QScreen* shown = m_form.screen())
        m_form.move(shown->availableGeometry().center() - m_form.rect().center());
}

void QtForm1View::runLater(int milliseconds, std::function<void()> action) {
    QTimer::singleShot(milliseconds, &m_form, std::move(action));
}

}  // namespace quorvel
