#pragma once

#include "exercises/word_list.h"

#include <QTest>

Q_DECLARE_METATYPE(RowFault)

// The row rule as a data table (columns word, page, fault, reason), shared by the reader's
// tests and the editor's. The reader never sees a blank word line: it skips blank lines.
inline void rowRuleTable(bool withBlankWord = true) {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("page");
    QTest::addColumn<RowFault>("fault");
    QTest::addColumn<QString>("reason");
    const auto row = [](const char* name, const QString& word, const QString& page, RowFault fault,
                        const char* reason) {
        QTest::newRow(name) << word << page << fault << QString::fromUtf8(reason);
    };
    row("a good pair", "Apfel", "12", RowFault::None, "");
    row("page at the limits", "Bank, die", "9999", RowFault::None, "");
    row("page with a remark after a comma", "Zug", "3, oben", RowFault::None, "");
    row("tab in a word", "Apfel\tsaft", "12", RowFault::None, "");
    row("word of 100 characters", QString(100, u'a'), "1", RowFault::None, "");
    if (withBlankWord)
        row("blank word", "  ", "12", RowFault::WordMissing, "Das Wort fehlt.");
    row("word over 100 characters", QString(101, u'a'), "12", RowFault::WordTooLong,
        "Das Wort ist länger als 100 Zeichen.");
    row("control character",
        QStringLiteral("Ap\x01"
                       "fel"),
        "12", RowFault::WordUnreadable, "Im Wort steht ein unlesbares Zeichen.");
    row("page missing", "Hund", "", RowFault::PageMissing, "Die Seitenzahl fehlt.");
    row("page in words", "Hund", QString::fromUtf8("zwölf"), RowFault::PageNotNumber,
        "Die Seitenzahl muss in Ziffern geschrieben sein, zum Beispiel 12.");
    row("page not whole", "Hund", "12.5", RowFault::PageNotWhole,
        "Die Seitenzahl muss eine ganze Zahl sein.");
    row("page zero", "Hund", "0", RowFault::PageOutOfRange,
        "Die Seitenzahl muss zwischen 1 und 9999 liegen.");
    row("bad word named before bad page", QString(101, u'a'), "zwölf", RowFault::WordTooLong,
        "Das Wort ist länger als 100 Zeichen.");
}
