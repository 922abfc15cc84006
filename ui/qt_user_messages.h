#pragma once
// Messages to the user in a modal box: the critical icon, one OK button, caption "Quorvel".
#include "platform/user_messages.h"

namespace quorvel {

class QtUserMessages : public platform::UserMessages {
public:
    void showCritical(const std::string& text) override;
};

QtUserMessages& qtUserMessages();

}  // namespace quorvel
