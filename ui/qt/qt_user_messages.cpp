#include "qt_user_messages.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace quorvel {

std::unique_ptr<QMessageBox> criticalBox(QWidget* parent, const QString& text,
                                         const QString& details) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, u"Quorvel"_s, text,
                                             QMessageBox::Ok, parent);
    if (!details.isEmpty()) box->setDetailedText(details);
    return box;
}

void QtUserMessages::showCritical(const std::string& text) {
    criticalBox(QApplication::activeWindow(), QString::fromStdString(text))->exec();
}

void QtUserMessages::showCriticalWithDetails(const std::string& text, const std::string& details) {
    criticalBox(QApplication::activeWindow(), QString::fromStdString(text),
                QString::fromStdString(details))
        ->exec();
}

QtUserMessages& qtUserMessages() {
    static QtUserMessages messages;
    return messages;
}

}  // namespace quorvel
