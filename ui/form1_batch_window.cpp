#include "form1_batch_window.h"

#include "drop_area_pictures.h"
#include "form1_view.h"
#include "platform/event_pump.h"
#include "platform/user_messages.h"
#include "shell_opener.h"

namespace quorvel {

int Form1BatchWindow::entryCount() const { return m_view.entryCount(); }

std::string Form1BatchWindow::entry(int index) const { return m_view.entry(index); }

void Form1BatchWindow::appendEntry(const std::string& path) { m_view.appendEntry(path); }

void Form1BatchWindow::removeFirstEntries(int count) { m_view.removeFirstEntries(count); }

std::string Form1BatchWindow::quality() const { return m_view.text(ids::Text1); }

std::string Form1BatchWindow::format() const { return m_view.text(ids::lblFormat); }

std::string Form1BatchWindow::resizeSwitch() const { return m_view.text(ids::Label5); }

std::string Form1BatchWindow::resizeWidth() const { return m_view.text(ids::txtResize); }

std::string Form1BatchWindow::prompt() const { return m_view.text(ids::Label1); }

void Form1BatchWindow::setPrompt(const std::string& caption) {
    m_view.setText(ids::Label1, caption);
}

void Form1BatchWindow::showPrompt() { m_view.setVisible(ids::Label1, true); }

void Form1BatchWindow::showNormalPicture() { m_pictures.showNormal(); }

void Form1BatchWindow::disarmRunTimer() { m_view.stopRunTimer(); }

void Form1BatchWindow::yieldOnce() { m_pump.pumpOnce(); }

void Form1BatchWindow::openFolder(const std::string& folder) { m_opener.openFolder(folder); }

void Form1BatchWindow::showFailureSummary(const FailureSummary& summary) {
    m_messages.showCriticalWithDetails(summary.text, summary.details);
}

}  // namespace quorvel
