#pragma once
// Where the four conversion options are kept between runs. Start-up step 5 restores them into
// their controls before the window is shown; shut-down saves them from the same controls.
class QLineEdit;

namespace quorvel {

class CaptionLabel;

struct OptionControls {
    CaptionLabel& lblFormat;  // output format
    QLineEdit& Text1;         // quality
    CaptionLabel& Label5;     // resize switch
    QLineEdit& txtResize;     // resize width
};

class OptionSettings {
public:
    virtual ~OptionSettings() = default;
    // Failures are not reported: a control whose value cannot be read keeps what it has.
    virtual void restoreOptions(const OptionControls& controls) = 0;
    virtual void saveOptions(const OptionControls& controls) = 0;
};

// Keeps nothing: the design values at every start.
class NoOptionSettings : public OptionSettings {
public:
    void restoreOptions(const OptionControls&) override {}
    void saveOptions(const OptionControls&) override {}
};

}  // namespace quorvel
