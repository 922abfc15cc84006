#pragma once
// Where the four conversion options are kept between runs. Start-up step 5 restores them into
// their controls before the window is shown; shut-down saves them from the same controls.
#include <string>

namespace quorvel {

// The options as their controls show them, UTF-8.
struct OptionValues {
    std::string format;        // lblFormat's caption
    std::string quality;       // Text1
    std::string resizeSwitch;  // Label5's caption
    std::string resizeWidth;   // txtResize

    bool operator==(const OptionValues&) const = default;
};

class OptionSettings {
public:
    virtual ~OptionSettings() = default;
    // Overwrites the values it has kept; failures are not reported: a value that cannot be
    // read keeps what the control had.
    virtual void restoreOptions(OptionValues& values) = 0;
    virtual void saveOptions(const OptionValues& values) = 0;
};

// Keeps nothing: the design values at every start.
class NoOptionSettings : public OptionSettings {
public:
    void restoreOptions(OptionValues&) override {}
    void saveOptions(const OptionValues&) override {}
};

}  // namespace quorvel
