#include "editor/word_table_model.h"
#include "row_rules.h"

#include <QApplication>
#include <QColor>
#include <QTest>

Q_DECLARE_METATYPE(QList<WordRow>)

namespace {
QList<WordRow> rowsOf(const QStringList& cells) {
    QList<WordRow> rows;
    for (qsizetype i = 0; i + 1 < cells.size(); i += 2)
        rows.append({cells[i], cells[i + 1]});
    return rows;
}
} // namespace

class WordTableModelTest : public QObject {
    Q_OBJECT
private slots:
    void marksRowsByTheRowRule_data() { rowRuleTable(); }
    void marksRowsByTheRowRule();
    void undoAndRedoEveryEdit();
    void sortsInAbcOrder();
    void pastedRows_data();
    void pastedRows();
};

void WordTableModelTest::marksRowsByTheRowRule() {
    QFETCH(QString, word);
    QFETCH(QString, page);
    QFETCH(RowFault, fault);
    QFETCH(QString, reason);
    WordTableModel model;
    model.setRows({{"Zug", "3"}, {}, {}});
    // Typed into the cells of an empty row, as the teacher does.
    QVERIFY(model.setData(model.index(2, WordTableModel::WordColumn), word, Qt::EditRole));
    QVERIFY(model.setData(model.index(2, WordTableModel::PageColumn), page, Qt::EditRole));
    const QModelIndex cell = model.index(2, WordTableModel::PageColumn);
    const bool marked = fault != RowFault::None;
    QCOMPARE(model.fault(2), fault);
    QCOMPARE(model.data(cell, Qt::ToolTipRole).toString(), reason);
    QCOMPARE(model.data(cell, Qt::AccessibleDescriptionRole).toString(), reason);
    QCOMPARE(model.data(cell, Qt::BackgroundRole).isValid(), marked);
    QCOMPARE(model.nextMarkedRow(), marked ? 2 : -1);
    QCOMPARE(model.markedCount(), marked ? 1 : 0);
    QCOMPARE(model.fault(1), RowFault::None); // a blank row is left out, not marked
}

void WordTableModelTest::undoAndRedoEveryEdit() {
    WordTableModel model;
    model.setRows(rowsOf({"Zug", "3", "Apfel", "12", "Hund", "", "Baum", "15"}));
    QVERIFY(!model.isModified());
    QList<QList<WordRow>> states{model.rows()};
    const auto edit = [&](auto change) {
        change();
        states.append(model.rows());
    };
    edit([&] { model.setData(model.index(2, 1), " 7 ", Qt::EditRole); });
    edit([&] { model.setData(model.index(0, 0), "Zug\tfahrt", Qt::EditRole); });
    edit([&] { model.insertRows(1, rowsOf({"Maus", "20", "Igel", "9"}), "Einfügen"); });
    edit([&] { model.removeRowsAt({5, 0, 2}); });
    edit([&] { model.sortAbc(); });
    QCOMPARE(states[1][2], (WordRow{"Hund", "7"}));
    QCOMPARE(states[2][0].word, QStringLiteral("Zug fahrt"));
    QCOMPARE(states[4], rowsOf({"Maus", "20", "Apfel", "12", "Hund", "7"}));
    QCOMPARE(states[5], rowsOf({"Apfel", "12", "Hund", "7", "Maus", "20"}));
    QVERIFY(model.isModified());
    for (qsizetype step = states.size() - 2; step >= 0; --step) {
        model.undoStack().undo();
        QCOMPARE(model.rows(), states[step]);
        QCOMPARE(model.rowCount(), states[step].size());
    }
    QVERIFY(!model.isModified());
    for (qsizetype step = 1; step < states.size(); ++step) {
        model.undoStack().redo();
        QCOMPARE(model.rows(), states[step]);
    }
    model.markSaved();
    QVERIFY(!model.isModified());
}

void WordTableModelTest::sortsInAbcOrder() {
    WordTableModel model;
    model.setRows(rowsOf({"Zug", "3", "Äpfel", "8", "apfel", "5", "Apfel", "2", "Straße", "30",
                          "Apfel", "1", "Strasse", "31", "Hund", "zwölf"}));
    model.sortAbc();
    QCOMPARE(model.rows(), rowsOf({"Apfel", "1", "Apfel", "2", "apfel", "5", "Äpfel", "8", "Hund",
                                   "zwölf", "Strasse", "31", "Straße", "30", "Zug", "3"}));
    model.sortAbc();
    QCOMPARE(model.undoStack().count(), 1); // sorted rows stay, and nothing is to undo
}

void WordTableModelTest::pastedRows_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<WordRow>>("rows");
    QTest::newRow("spreadsheet cells") << "Apfel\t12\r\nBaum\t15\r\n"
                                       << rowsOf({"Apfel", "12", "Baum", "15"});
    QTest::newRow("further cells ignored, blanks trimmed") << "Apfel \t 12\tObst\n\nBaum\t\n"
                                                           << rowsOf({"Apfel", "12", "Baum", ""});
    QTest::newRow("quoted cell") << "\"Bank, \"\"die\"\"\"\t17\n"
                                 << rowsOf({"Bank, \"die\"", "17"});
    QTest::newRow("one word per line") << "Apfel\nBaum\n" << rowsOf({"Apfel", "", "Baum", ""});
    QTest::newRow("lines of a word-list file")
        << QString::fromUtf8("Apfel\r\n12\r\nHund\r\nzwölf\r\nBaum\r\n15\r\n")
        << rowsOf({"Apfel", "12", "Hund", "zwölf", "Baum", "15"});
    QTest::newRow("nothing") << "\n \n" << QList<WordRow>{};
}

void WordTableModelTest::pastedRows() {
    QFETCH(QString, text);
    QFETCH(QList<WordRow>, rows);
    QCOMPARE(rowsFromPastedText(text), rows);
}

QTEST_MAIN(WordTableModelTest)
#include "tst_word_table_model.moc"
