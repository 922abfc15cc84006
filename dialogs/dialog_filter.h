#pragma once
#include <QString>
#include <QStringList>

namespace quorvel {

// Turns a Windows filter list ("Description|*.a;*.b|Other|*.c", every item separated by "|")
// into Qt's name filters ("Description (*.a *.b)", "Other (*.c)"), one per pair. Qt takes the
// patterns from the last parenthesised group, so descriptions that show their own "(*.NEF)"
// keep it. "*.*" matches every file on Windows, names without a dot included, so it becomes
// "*". A pair without a pattern is left out.
QStringList qtNameFilters(const QString& filter);

}  // namespace quorvel
