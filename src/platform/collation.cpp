#include "platform/collation.h"

#include <algorithm>

namespace {

// Lower case, ß spelt out, hyphens dropped; umlauts kept when keepUmlauts is set.
QString sortKey(const QString& text, bool keepUmlauts) {
    QString key;
    key.reserve(text.size() + 2);
    for (const QChar ch : text) {
        const QChar lower = ch.toLower();
        switch (lower.unicode()) {
        case u'-':
            break;
        case u'ß':
            key += QStringLiteral("ss");
            break;
        case u'ä':
            key += keepUmlauts ? lower : QChar(u'a');
            break;
        case u'ö':
            key += keepUmlauts ? lower : QChar(u'o');
            break;
        case u'ü':
            key += keepUmlauts ? lower : QChar(u'u');
            break;
        default:
            key += lower;
        }
    }
    return key;
}

int sign(int value) {
    return (value > 0) - (value < 0);
}

} // namespace

AbcKey abcKey(const QString& text) {
    return {sortKey(text, false), sortKey(text, true), text};
}

int abcCompare(const AbcKey& a, const AbcKey& b) {
    if (const int primary = sign(a.plain.compare(b.plain)))
        return primary;
    if (const int umlauts = sign(a.umlauts.compare(b.umlauts)))
        return umlauts;
    return sign(a.text.compare(b.text));
}

int abcCompare(const QString& a, const QString& b) {
    return abcCompare(abcKey(a), abcKey(b));
}

void abcSort(QStringList& texts) {
    std::stable_sort(texts.begin(), texts.end(), abcLess);
}
