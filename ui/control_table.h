#pragma once
// Every control of Form1 with its design values, in creation order, which is also the order in
// which the start-up DPI pass visits them.
#include <array>
#include <string_view>

#include "dpi_pass.h"

namespace quorvel {

enum class ControlKind { Timer, PictureBox, TextBox, Button, ListBox, Label };

enum class ControlLook {
    Plain,       // the window font, white on the picture
    Prompt,      // Label1: 9.75 pt bold, centred
    Link,        // underlined, white, hand pointer
    RightLink,   // Label3: a link with its text right-aligned
    TextBox,     // white text on black
    Hidden,      // a data holder, never shown
};

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::string_view text;  // caption or text at design, UTF-8
    TwipsGeometry geometry;
    ControlLook look;
    bool enabled = true;
    bool fitsCaption = false;  // the label sizes itself to its caption
};

inline constexpr double kWindowFontSize = 9;
inline constexpr double kPromptFontSize = 9.75;
inline constexpr int kRunTimerInterval = 50;  // ms

inline constexpr std::string_view kIdleCaption = "Please drag and drop Photos Here";
inline constexpr std::string_view kPathCaption = "Output Path (~/output)";
inline constexpr std::string_view kCommand1Caption = "Set Output Path(~/output by Default)";
// The maker's web-site name and the page Label3 opens: a reserved example domain.
inline constexpr std::string_view kMakerSiteName = "example.com";
inline constexpr std::string_view kMakerPageAddress = "https://example.com/quorvel";

extern const std::array<ControlSpec, 18> kControls;

// The design entry of a control; throws std::out_of_range for an unknown name.
const ControlSpec& controlSpec(std::string_view name);

}  // namespace quorvel
