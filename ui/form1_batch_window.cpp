#include "form1_batch_window.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "caption_label.h"
#include "drop_area_pictures.h"
#include "platform/event_pump.h"
#include "platform/user_messages.h"
#include "shell_opener.h"

namespace quorvel {
namespace {

constexpr int kPathBytesRole = Qt::UserRole + 1;

}  // namespace

int Form1BatchWindow::entryCount() const { return m_controls.lstFile->count(); }

std::string Form1BatchWindow::entry(int index) const {
    const QListWidgetItem* item = m_controls.lstFile->item(index);
    if (!item) return "";
    // The exact bytes listed, also those of a name that is not UTF-8; the text is for show.
    const QVariant bytes = item->data(kPathBytesRole);
    return bytes.isValid() ? bytes.toByteArray().toStdString() : item->text().toStdString();
}

void Form1BatchWindow::appendEntry(const std::string& path) {
    auto* item = new QListWidgetItem(QString::fromStdString(path));
    item->setData(kPathBytesRole, QByteArray::fromStdString(path));
    m_controls.lstFile->addItem(item);
}

void Form1BatchWindow::removeFirstEntries(int count) {
    for (int i = 0; i < count && m_controls.lstFile->count() > 0; ++i)
        delete m_controls.lstFile->takeItem(0);
}

std::string Form1BatchWindow::quality() const { return m_controls.Text1->text().toStdString(); }

std::string Form1BatchWindow::format() const {
    return m_controls.lblFormat->caption().toStdString();
}

std::string Form1BatchWindow::resizeSwitch() const {
    return m_controls.Label5->caption().toStdString();
}

std::string Form1BatchWindow::resizeWidth() const {
    return m_controls.txtResize->text().toStdString();
}

std::string Form1BatchWindow::prompt() const {
    return m_controls.Label1->caption().toStdString();
}

void Form1BatchWindow::setPrompt(const std::string& caption) {
    m_controls.Label1->setCaption(QString::fromStdString(caption));
}

void Form1BatchWindow::showPrompt() { m_controls.Label1->setVisible(true); }

void Form1BatchWindow::showNormalPicture() { m_pictures.showNormal(); }

void Form1BatchWindow::disarmRunTimer() { m_controls.timerRun->stop(); }

void Form1BatchWindow::yieldOnce() { m_pump.pumpOnce(); }

void Form1BatchWindow::openFolder(const std::string& folder) { m_opener.openFolder(folder); }

void Form1BatchWindow::showFailureSummary(const FailureSummary& summary) {
    m_messages.showCriticalWithDetails(summary.text, summary.details);
}

}  // namespace quorvel
