#pragma once
#include <string>

namespace quorvel::platform {

// Modal messages to the user: critical icon, one OK button, the caption "Quorvel".
class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void showCritical(const std::string& text) = 0;
    // A short text with a longer list in a scrollable area beneath it; a sink without such an
    // area shows both as one text.
    virtual void showCriticalWithDetails(const std::string& text, const std::string& details) {
        showCritical(details.empty() ? text : text + "\n\n" + details);
    }
};

}  // namespace quorvel::platform
