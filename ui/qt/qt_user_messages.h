#pragma once
// Messages to the user in a modal box: the critical icon, one OK button, caption "Quorvel".
#include <QString>
#include <memory>

#include "platform/user_messages.h"

class QMessageBox;
class QWidget;

namespace quorvel {

class QtUserMessages : public platform::UserMessages {
public:
    void showCritical(const std::string& text) override;
    void showCriticalWithDetails(const std::string& text, const std::string& details) override;
};

QtUserMessages& qtUserMessages();

// The box itself, not yet shown: a long list goes into the scrollable details area, so the box
// stays as small as its short text however many lines the list has.
std::unique_ptr<QMessageBox> criticalBox(QWidget* parent, const QString& text,
                                         const QString& details = {});

}  // namespace quorvel
