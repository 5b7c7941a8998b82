#include "editor/word_list_editor.h"
#include "editor/word_table.h"
#include "editor/word_table_model.h"
#include "exercises/woerterbuch.h"
#include "fixture.h"
#include "games/galgen.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString kTitle = QStringLiteral("Wörterlisten");
const QString kPassword = QStringLiteral("Erst das Passwort eingeben:");
const QString kList = QStringLiteral("MOXABC.TXT");

WordListEditor& openEditor(Fixture& fx) {
    fx.dialogs.expectInput(kPassword, QStringLiteral("Passwort"), QString(), fx.points());
    Fixture::key(&fx.main(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    return fx.window<WordListEditor>();
}

// Types into the open cell, then leaves it with the key given.
void typeInCell(const QString& text, Qt::Key leave) {
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(field);
    QTest::keyClicks(field, text);
    Fixture::key(field, leave); // the cell takes the text once the key is handled
}

// Types into a cell as a teacher does: the first key opens the cell, Enter closes it.
void typeInto(WordListEditor& editor, int row, int column, const QString& text) {
    editor.table->goTo(row, column);
    QTest::keyClick(editor.table, text.at(0).toLatin1());
    typeInCell(text.mid(1), Qt::Key_Return);
}

QStringList wordsOf(const WordTableModel& model) {
    QStringList words;
    for (const WordRow& row : model.rows())
        words.append(row.word);
    return words;
}

} // namespace

class WordListEditorTest : public QObject {
    Q_OBJECT
private slots:
    void opensBehindThePassword_data();
    void opensBehindThePassword();
    void damagedListIsMarkedMendedAndSaved();
    void typedAndPastedListPlaysAtOnce();
    void newListJoinsTheDictionaryList();
    void leavingWithUnsavedEditsAsks_data();
    void leavingWithUnsavedEditsAsks();
    void changeOnDiskIsNotOverwrittenUnasked();
    void unwritableFolderKeepsTheEdits();
};

void WordListEditorTest::opensBehindThePassword_data() {
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("typed");
    QTest::newRow("picture, right password") << false << "0";
    QTest::newRow("keys, right password") << true << "0";
    QTest::newRow("picture, wrong password") << false << " 0";
    QTest::newRow("keys, cancelled") << true << "";
}

void WordListEditorTest::opensBehindThePassword() {
    QFETCH(bool, byKey);
    QFETCH(QString, typed);
    Fixture fx;
    fx.writeFile(kList, "Apfel\r\n12\r\nBaum\r\n15\r\n");
    fx.writeFile(QStringLiteral("MOXABC-2a.TXT"), "Zug\r\n3\r\n");
    fx.start();
    fx.dialogs.expectInput(kPassword, QStringLiteral("Passwort"), QString(), typed);
    if (byKey)
        Fixture::key(&fx.main(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    else
        Fixture::click(fx.main().Bild19);
    VERIFY_DIALOGS(fx);
    const bool opens = typed == fx.points();
    QCOMPARE(fx.main().isVisible(), !opens);
    if (!opens)
        return;
    WordListEditor& editor = fx.window<WordListEditor>();
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.windowTitle(), kTitle);
    // The files the dictionary lists, the one in use shown.
    FileList* files = fx.window<Form3>().Datei1;
    QCOMPARE(editor.listChooser->count(), files->count());
    QCOMPARE(editor.listChooser->currentText(), files->currentItem()->text());
    QCOMPARE(wordsOf(editor.model()), (QStringList{"Zug"}));
    QCOMPARE(editor.notice->text(), QStringLiteral("1 Zeile."));
    QCOMPARE(QApplication::focusWidget(), editor.table);
}

void WordListEditorTest::damagedListIsMarkedMendedAndSaved() {
    Fixture fx;
    fx.writeFile(kList, "Apfel\r\n12\r\nHund\r\nzw\xf6lf\r\nBaum\r\n15\r\nKatze\r\n");
    fx.start();
    WordListEditor& editor = openEditor(fx);
    WordTableModel& model = editor.model();
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.markedCount(), 2);
    QCOMPARE(editor.table->currentIndex().row(), 1); // the first marked row
    QCOMPARE(editor.notice->text(),
             QStringLiteral("4 Zeilen, davon 2 markiert. Zeile 2: Die Seitenzahl muss in Ziffern "
                            "geschrieben sein, zum Beispiel 12."));

    typeInto(editor, 1, WordTableModel::PageColumn, QStringLiteral("21"));
    fx.dialogs.expectMessage(QStringLiteral("Zeile 4 ist markiert: Die Seitenzahl fehlt.\rDie "
                                            "Liste wird erst gespeichert, wenn keine Zeile mehr "
                                            "markiert ist.\r"),
                             kTitle, MsgBox::OkOnly);
    Fixture::click(editor.saveButton);
    VERIFY_DIALOGS(fx);
    QCOMPARE(editor.table->currentIndex(), model.index(3, WordTableModel::PageColumn));
    QCOMPARE(QApplication::focusWidget(), editor.table);
    QCOMPARE(fx.readFile(kList).left(11), QByteArray("Apfel\r\n12\r\n")); // not written

    typeInto(editor, 3, WordTableModel::PageColumn, QStringLiteral("30"));
    QTest::keyClick(&editor, Qt::Key_S, Qt::ControlModifier);
    VERIFY_DIALOGS(fx);
    // Still Windows-1252, as it was.
    QCOMPARE(fx.readFile(kList),
             QByteArray("Apfel\r\n12\r\nHund\r\n21\r\nBaum\r\n15\r\nKatze\r\n30\r\n"));
    QVERIFY(!model.isModified());
    QCOMPARE(editor.notice->text(), QStringLiteral("4 Zeilen."));
}

void WordListEditorTest::typedAndPastedListPlaysAtOnce() {
    Fixture fx;
    fx.writeFile(kList, "Apfel\r\n1\r\nBaum\r\n2\r\nKatze\r\n3\r\n");
    fx.start();
    // A game drawn from the old list leaves two of its words in the pool.
    Fixture::click(fx.main().Bild16);
    Fixture::click(fx.window<galgen>().Bild1);
    QCOMPARE(fx.window<galgen>().Liste2->count(), 2);

    WordListEditor& editor = openEditor(fx);
    editor.table->selectAll();
    Fixture::click(editor.deleteRowsButton);
    QCOMPARE(editor.model().rowCount(), 0);
    QString cells;
    for (int i = 1; i <= 19; ++i)
        cells += QStringLiteral("Wort%1\t%1\r\n").arg(i);
    QGuiApplication::clipboard()->setText(cells);
    Fixture::key(editor.table, Qt::Key_V, Qt::ControlModifier);
    Fixture::key(editor.table, Qt::Key_End, Qt::ControlModifier);
    Fixture::click(editor.newRowButton);
    typeInCell(QStringLiteral("Zebra"), Qt::Key_Tab);
    typeInCell(QStringLiteral("20"), Qt::Key_Return);
    QCOMPARE(editor.model().rowCount(), 20);
    QCOMPARE(editor.model().rows().last(), (WordRow{"Zebra", "20"}));
    Fixture::click(editor.saveButton);
    Fixture::click(editor.backButton);
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.main().isVisible());

    QStringList drawn;
    for (int game = 0; game < 20; ++game) {
        Fixture::click(fx.main().Bild16);
        drawn.append(fx.app().shared().wordText);
        Fixture::click(fx.window<galgen>().Bild1);
    }
    drawn.sort();
    QStringList expected = wordsOf(editor.model());
    expected.sort();
    QCOMPARE(drawn, expected);

    Fixture::click(fx.main().Bild9);
    QVERIFY(expected.contains(fx.window<Form3>().Bezeichnung4->text()));
    QCOMPARE(fx.window<Form3>().HBildlauf1->maximum(), 20);
    VERIFY_DIALOGS(fx);
}

void WordListEditorTest::newListJoinsTheDictionaryList() {
    Fixture fx;
    fx.writeFile(kList, "Apfel\r\n12\r\n");
    fx.start();
    WordListEditor& editor = openEditor(fx);
    const QString prompt = QStringLiteral("Name der neuen Liste, zum Beispiel Klasse 2a:");
    const QString title = QStringLiteral("Neue Liste");
    fx.dialogs.expectInput(prompt, title, QString(), QStringLiteral("2a/2b"));
    fx.dialogs.expectMessage(
        QStringLiteral("Im Namen darf keines dieser Zeichen stehen:\r\\ / : * ? \" < > |\r"), title,
        MsgBox::OkOnly);
    fx.dialogs.expectInput(prompt, title, QStringLiteral("2a/2b"), QStringLiteral(" Klasse 2a "));
    Fixture::click(editor.newListButton);
    VERIFY_DIALOGS(fx);
    QCOMPARE(editor.listChooser->currentText(), QStringLiteral("MOXABC-Klasse 2a.TXT"));
    QCOMPARE(editor.model().rowCount(), 1);
    QVERIFY(!fx.fileExists(QStringLiteral("MOXABC-Klasse 2a.TXT"))); // not before it is saved

    QGuiApplication::clipboard()->setText(QString::fromUtf8("Löwe\t154\nStraße\t243\n"));
    Fixture::key(editor.table, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editor.model().rows().first(), (WordRow{QString::fromUtf8("Löwe"), "154"}));
    Fixture::click(editor.saveButton);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.readFile(QStringLiteral("MOXABC-Klasse 2a.TXT")),
             QByteArray("L\xf6we\r\n154\r\nStra\xdf"
                        "e\r\n243\r\n"));
    FileList* files = fx.window<Form3>().Datei1;
    QCOMPARE(files->count(), 2);
    QCOMPARE(files->currentItem()->text(), kList); // the list in use stays in use
}

void WordListEditorTest::leavingWithUnsavedEditsAsks_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("left");
    QTest::newRow("save") << int(MsgBox::Yes) << true << true;
    QTest::newRow("discard") << int(MsgBox::No) << false << true;
    QTest::newRow("stay") << int(MsgBox::Cancel) << false << false;
}

void WordListEditorTest::leavingWithUnsavedEditsAsks() {
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QFETCH(bool, left);
    Fixture fx;
    fx.writeFile(kList, "Apfel\r\n12\r\n");
    fx.start();
    WordListEditor& editor = openEditor(fx);
    typeInto(editor, 0, WordTableModel::WordColumn, QStringLiteral("Birne"));
    fx.dialogs.expectMessage(QStringLiteral("Die Liste MOXABC.TXT wurde geändert.\rSollen die "
                                            "Änderungen gespeichert werden?\r"),
                             kTitle, MsgBox::YesNoCancelQuestion, answer);
    Fixture::key(&editor, Qt::Key_Escape);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.readFile(kList),
             saved ? QByteArray("Birne\r\n12\r\n") : QByteArray("Apfel\r\n12\r\n"));
    QCOMPARE(editor.isVisible(), !left);
    QCOMPARE(fx.main().isVisible(), left);
    if (!left)
        QCOMPARE(editor.model().rows().first().word, QStringLiteral("Birne"));
}

void WordListEditorTest::changeOnDiskIsNotOverwrittenUnasked() {
    Fixture fx;
    fx.writeFile(kList, "Apfel\r\n12\r\n");
    fx.start();
    WordListEditor& editor = openEditor(fx);
    typeInto(editor, 0, WordTableModel::PageColumn, QStringLiteral("13"));
    fx.writeFile(kList, "Apfel\r\n12\r\nBaum\r\n15\r\n");
    const QString question =
        QStringLiteral("Die Datei MOXABC.TXT wurde inzwischen außerhalb dieses Fensters "
                       "geändert.\rSoll sie trotzdem mit dieser Liste überschrieben werden?\r");
    fx.dialogs.expectMessage(question, kTitle, MsgBox::YesNoQuestion, MsgBox::No);
    Fixture::click(editor.saveButton);
    QCOMPARE(fx.readFile(kList), QByteArray("Apfel\r\n12\r\nBaum\r\n15\r\n"));
    QVERIFY(editor.model().isModified());
    fx.dialogs.expectMessage(question, kTitle, MsgBox::YesNoQuestion, MsgBox::Yes);
    Fixture::click(editor.saveButton);
    QCOMPARE(fx.readFile(kList), QByteArray("Apfel\r\n13\r\n"));
    Fixture::click(editor.saveButton); // as written, so nothing to ask
    VERIFY_DIALOGS(fx);
}

void WordListEditorTest::unwritableFolderKeepsTheEdits() {
    Fixture fx;
    fx.writeFile(kList, "Apfel\r\n12\r\n");
    fx.start();
    WordListEditor& editor = openEditor(fx);
    editor.setWriter([](const QString&, const QByteArray&) { return false; });
    editor.openLists();
    Fixture::click(editor.newRowButton);
    typeInCell(QStringLiteral("Baum"), Qt::Key_Tab);
    typeInCell(QStringLiteral("15"), Qt::Key_Return);
    fx.dialogs.expectMessage(
        QStringLiteral("Die Liste kann nicht gespeichert werden.\rDie Datei MOXABC.TXT ließ sich "
                       "im Ordner %1 nicht ganz schreiben. Ist das Laufwerk voll?\rDie Änderungen "
                       "bleiben in diesem Fenster.\r")
            .arg(fx.path()),
        kTitle, MsgBox::OkOnly);
    Fixture::click(editor.saveButton);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.readFile(kList), QByteArray("Apfel\r\n12\r\n"));
    QCOMPARE(wordsOf(editor.model()), (QStringList{"Apfel", "Baum"}));
    QVERIFY(editor.model().isModified());
    // Ctrl+Z takes the edits back one by one, Ctrl+Y brings them again.
    for (const QStringList& words : {QStringList{"Apfel", "Baum"}, QStringList{"Apfel", ""}}) {
        Fixture::key(&editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.model().rows().last().word, words.last());
    }
    Fixture::key(&editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(wordsOf(editor.model()), (QStringList{"Apfel"}));
    Fixture::key(&editor, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(editor.model().rowCount(), 2);
}

QTEST_MAIN(WordListEditorTest)
#include "tst_word_list_editor.moc"
