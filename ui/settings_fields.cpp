#include "settings_fields.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace quorvel {
namespace {

QString unquoted(const QString& field) {
    const qsizetype close = field.indexOf(u'"', 1);
    return close < 0 ? field.mid(1) : field.mid(1, close - 1);
}

QString withoutLeadingZeros(QString digits) {
    while (digits.size() > 1 && digits.front() == u'0') digits.remove(0, 1);
    return digits.isEmpty() ? u"0"_s : digits;
}

QString withoutTrailingZeros(QString digits) {
    while (!digits.isEmpty() && digits.back() == u'0') digits.chop(1);
    return digits;
}

}  // namespace

QString shortestNumber(const QString& text) {
    static const QRegularExpression plainNumber(u"^([+-]?)(\\d*)(?:\\.(\\d*))?$"_s);
    const auto match = plainNumber.match(text);
    if (!match.hasMatch() || (match.capturedLength(2) == 0 && match.capturedLength(3) == 0))
        return {};
    const QString whole = withoutLeadingZeros(match.captured(2));
    const QString fraction = withoutTrailingZeros(match.captured(3));
    QString number = fraction.isEmpty() ? whole : whole + u'.' + fraction;
    if (match.captured(1) == u"-"_s && number != u"0"_s) number.prepend(u'-');
    return number;
}

QString settingsValue(const QString& line) {
    qsizetype start = 0;
    while (start < line.size() && line[start] == u' ') ++start;
    const QString field = line.mid(start);
    if (field.startsWith(u'"')) return unquoted(field);
    const QString number = shortestNumber(field);
    return number.isEmpty() ? field : number;
}

}  // namespace quorvel
