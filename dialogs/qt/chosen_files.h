#pragma once
// The answer of a Qt file dialog written into the record the way the system's dialog writes it
// into the buffers its record points at, so callers that read the raw buffer (a multiple
// selection) see what they would see there.
#include <QStringList>

#include "dialog_records.h"

namespace quorvel {

// One file: its full path in the file buffer and its name in the title buffer. Several files
// (a multiple selection): their folder, then each name, every item followed by a NUL, and one
// more NUL; the title buffer gets the first name. Each text is written over the start of its
// buffer with a NUL after it; what follows keeps what was there. A text longer than its buffer
// grows the buffer rather than being cut, so a long path still comes back whole.
void writeChosenFiles(FileDialogRecord& record, const QStringList& files);

}  // namespace quorvel
