#pragma once
#include <string>

namespace quorvel::platform {

// Modal messages to the user: critical icon, one OK button, the caption "Quorvel".
class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void showCritical(const std::string& text) = 0;
};

}  // namespace quorvel::platform
