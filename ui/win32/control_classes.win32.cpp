#include "control_classes.h"

namespace quorvel::win32 {

ControlClass controlClass(const ControlSpec& spec) {
    switch (spec.kind) {
        case ControlKind::Timer:
            return {nullptr, 0, 0};
        case ControlKind::PictureBox:
            return {"STATIC", WS_CHILD | SS_BITMAP, 0};
        case ControlKind::TextBox:
            return {"EDIT", WS_CHILD | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Button:
            return {"BUTTON", WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::ListBox:
            // Kept in the order the entries come; never sorted.
            return {"LISTBOX", WS_CHILD | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
        case ControlKind::Label:
            // SS_NOTIFY: the label takes its own clicks and pointer moves, not the window.
            return {"STATIC", WS_CHILD | SS_OWNERDRAW | SS_NOTIFY, 0};
    }
    return {nullptr, 0, 0};
}

DWORD creationStyle(const ControlSpec& spec) {
    DWORD style = controlClass(spec).style;
    if (spec.look != ControlLook::Hidden) style |= WS_VISIBLE;
    if (!spec.enabled) style |= WS_DISABLED;
    return style;
}

UINT textAlignment(ControlLook look) {
    switch (look) {
        case ControlLook::Prompt:
            return DT_CENTER;
        case ControlLook::RightLink:
            return DT_RIGHT;
        default:
            return DT_LEFT;
    }
}

}  // namespace quorvel::win32
