#include "control_table.h"

#include <stdexcept>
#include <string>

namespace quorvel {
namespace {

constexpr TwipsGeometry box(double left, double top, double width, double height,
                            double fontSize = kWindowFontSize) {
    return {left, top, width, height, fontSize};
}

using K = ControlKind;
using L = ControlLook;

}  // namespace

const std::array<ControlSpec, 18> kControls = {{
    {"timerRun", K::Timer, "", {0, 0, {}, {}, {}}, L::Hidden, false},
    {"picBack1", K::PictureBox, "", box(6150, 1530, 7140, 3675), L::Hidden},
    {"picBack2", K::PictureBox, "", box(5670, 1980, 7140, 3675), L::Hidden},
    {"txtConvert", K::TextBox, "Text3", box(5040, 1050, 1035, 315), L::Hidden},
    {"txtResize", K::TextBox, "1600", box(5010, 2820, 795, 315), L::TextBox, false},
    {"Text2", K::TextBox, "Text2", box(750, 330, 3945, 435), L::Hidden},
    {"Text1", K::TextBox, "85", box(2370, 2820, 495, 315), L::TextBox},
    {"Command1", K::Button, kCommand1Caption, box(12460, 1740, 2235, 315), L::Plain},
    {"lstFile", K::ListBox, "", box(1890, 720, 1125, 1140), L::Hidden},
    {"Label7", K::Label, "Format:", box(180, 2850, 825, 225), L::Plain},
    {"lblFormat", K::Label, "JPG", box(960, 2850, 330, 210), L::Link, true, true},
    {"Label6", K::Label, "(Width, px)", box(5880, 2850, 1050, 210), L::Plain, true, true},
    {"Label5", K::Label, "NO", box(4485, 2850, 285, 210), L::Link, true, true},
    {"Label4", K::Label, "Photo Resize:", box(3090, 2850, 1305, 210), L::Plain, true, true},
    {"Label3", K::Label, kMakerSiteName, box(5730, 3270, 1170, 210), L::RightLink, true, true},
    {"lblPath", K::Label, kPathCaption, box(170, 3240, 4020, 210), L::Link},
    {"Label2", K::Label, "Quality:", box(1530, 2850, 855, 225), L::Plain},
    {"Label1", K::Label, kIdleCaption, box(1740, 2100, 3705, 240, kPromptFontSize), L::Prompt,
     true, true},
}};

const ControlSpec& controlSpec(std::string_view name) {
    for (const ControlSpec& spec : kControls)
        if (spec.name == name) return spec;
    throw std::out_of_range("no control named " + std::string(name));
}

}  // namespace quorvel
