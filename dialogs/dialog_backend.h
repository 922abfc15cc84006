#pragma once
// What CommonDlgsW asks of a toolkit's dialogs. The Qt backend shows QFileDialog and
// QColorDialog, the Win32 backend the system's common dialogs; tests script one.
#include "dialog_records.h"

namespace quorvel {

class DialogBackend {
public:
    virtual ~DialogBackend() = default;
    // Modal to the record's owner; return only once the dialog has closed. True when the user
    // confirmed: the dialog has then written its answer into the record, as the system's
    // dialog writes it into the buffers its record points at. A cancel or a failure returns
    // false; the record's content is then of no meaning.
    virtual bool showOpen(FileDialogRecord& record) = 0;
    virtual bool showSave(FileDialogRecord& record) = 0;
    // On a confirm, the chosen colour is in record.color; the custom colours are edited in place.
    virtual bool showColor(ColorDialogRecord& record) = 0;
    // The current colour of a Windows system-colour index (COLOR_BTNFACE is 15); 0 when the
    // index names no colour.
    virtual ColorRef systemColor(int index) const = 0;
};

}  // namespace quorvel
