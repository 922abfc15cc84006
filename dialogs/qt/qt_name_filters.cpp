#include "qt_name_filters.h"

#include <vector>

#include "file_dialog_buffers.h"
#include "qt_utf16.h"

using namespace Qt::StringLiterals;

namespace quorvel {
namespace {

QString qtPatterns(const QString& windowsPatterns) {
    QStringList patterns;
    for (const QString& pattern : windowsPatterns.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (!trimmed.isEmpty()) patterns << (trimmed == u"*.*"_s ? u"*"_s : trimmed);
    }
    return patterns.join(u' ');
}

}  // namespace

QStringList qtNameFilters(std::u16string_view filterBuffer) {
    const std::vector<std::u16string_view> items = filterItems(filterBuffer);
    QStringList filters;
    for (std::size_t i = 0; i + 1 < items.size(); i += 2) {
        const QString patterns = qtPatterns(qStringOf(items[i + 1]));
        if (patterns.isEmpty()) continue;
        filters << qStringOf(items[i]) + u" ("_s + patterns + u')';
    }
    return filters;
}

}  // namespace quorvel
