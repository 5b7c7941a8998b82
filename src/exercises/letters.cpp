#include "exercises/letters.h"

namespace {
constexpr QChar kBlank = u'_';
} // namespace

QChar Letters::capital(QChar ch) {
    if (ch >= u'a' && ch <= u'z')
        return QChar(ch.unicode() - u'a' + u'A');
    switch (ch.unicode()) {
    case u'ä':
        return u'Ä';
    case u'ö':
        return u'Ö';
    case u'ü':
        return u'Ü';
    default:
        return ch;
    }
}

QString Letters::blankMask(const QString& word) {
    return QStringLiteral(" _").repeated(word.size());
}

bool Letters::reveal(const QString& word, QString& mask, QChar letter) {
    bool found = false;
    for (qsizetype i = 0; i < word.size() && 2 * i + 1 < mask.size(); ++i) {
        if (sameLetter(word.at(i), letter)) {
            mask[2 * i + 1] = word.at(i);
            found = true;
        }
    }
    return found;
}

bool Letters::isSolved(const QString& mask) {
    return !mask.contains(kBlank);
}
