#include "qt_user_messages.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace quorvel {

void QtUserMessages::showCritical(const std::string& text) {
    QMessageBox::critical(QApplication::activeWindow(), u"Quorvel"_s,
                          QString::fromStdString(text), QMessageBox::Ok);
}

QtUserMessages& qtUserMessages() {
    static QtUserMessages messages;
    return messages;
}

}  // namespace quorvel
