#pragma once
#include "dialog_backend.h"

namespace quorvel {

// The process-wide backend over Qt's own dialogs; the record's owner is a QWidget*.
DialogBackend& qtDialogBackend();

}  // namespace quorvel
