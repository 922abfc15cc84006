#include "dialog_filter.h"

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

QStringList qtNameFilters(const QString& filter) {
    const QStringList items = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
        const QString patterns = qtPatterns(items[i + 1]);
        if (patterns.isEmpty()) continue;
        const QString description = items[i].isEmpty() ? patterns : items[i];
        filters << description + u" ("_s + patterns + u')';
    }
    return filters;
}

}  // namespace quorvel
