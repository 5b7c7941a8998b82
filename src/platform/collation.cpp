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

int abcCompare(const QString& a, const QString& b) {
    if (const int primary = sign(sortKey(a, false).compare(sortKey(b, false))))
        return primary;
    if (const int umlauts = sign(sortKey(a, true).compare(sortKey(b, true))))
        return umlauts;
    return sign(a.compare(b));
}

void abcSort(QStringList& texts) {
    std::stable_sort(texts.begin(), texts.end(), abcLess);
}
