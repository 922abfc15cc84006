#pragma once
// The text buffers of the Windows file dialogs, rebuilt from the files a dialog returned, so
// callers that read the raw buffer (multiple selection) see what they would see there.
#include <QString>
#include <QStringList>

namespace quorvel {

// The size of the file and title buffers, in characters.
inline constexpr qsizetype kFileBufferSize = 256;

// One file: its full path. Several files (a multiple selection): their folder, then each name,
// every item followed by a NUL. Padded with NULs to kFileBufferSize characters; a longer text
// is kept whole rather than cut.
QString composeFileBuffer(const QStringList& files);

// The text before the first NUL; a text without NUL stays whole.
QString cutAtFirstNul(const QString& text);

// The name of the first file without its folder; "" when there is none.
QString fileTitleOf(const QStringList& files);

}  // namespace quorvel
