#include "app/working_folder.h"
#include "editor/word_list_editor.h"
#include "editor/word_table_model.h"
#include "exercises/woerterbuch.h"
#include "fixture.h"
#include "print/worksheet_window.h"
#include "read_only_view.h"

#include <QPushButton>
#include <QScrollBar>

namespace {
class NoPrinter : public SystemPrinter {
public:
    using SystemPrinter::SystemPrinter;

protected:
    bool hasDefaultPrinter() const override { return false; }
};

} // namespace

// One class folder for many accounts, set up once by an administrator.
class ClassSetupTest : public QObject {
    Q_OBJECT
private slots:
    void readOnlyClassFolder();
    void endInKioskUse_data();
    void endInKioskUse();
};

void ClassSetupTest::readOnlyClassFolder() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.INI"), " 30 \r\n");
    const QByteArray words = wordListBytes({{"Apfel", 12}, {"Baum", 15}});
    fx.writeFile(QStringLiteral("MOXABC.TXT"), words);
    const ReadOnlyView view(fx.path());
    QVERIFY2(view.ok, "a read-only bind mount needs the superuser");
    QVERIFY(WorkingFolder::enter({view.path(), WorkingFolder::Choice::Origin::Class, {}}, fx.path(),
                                 fx.dialogs));
    QCOMPARE(QDir::currentPath(), view.path());
    QDir::setCurrent(QDir::tempPath());
    fx.startIn(view.path());
    QCOMPARE(fx.main().Bezeichnung3->text(), QStringLiteral(" 30"));
    Fixture::click(fx.main().Bild9);
    Form3& dictionary = fx.window<Form3>();
    dictionary.HBildlauf1->setValue(dictionary.Bezeichnung3->text().toInt());
    Fixture::click(dictionary.Befehl2);
    Fixture::click(dictionary.Picture1);
    QCOMPARE(fx.points(), QStringLiteral(" 1"));

    const QString readOnly = "In den Ordner\r" + view.path() +
                             "\rdarf MOX-ABC nicht schreiben: Er ist schreibgeschützt.\r";
    fx.dialogs.expectInput("Erst Passwort eingeben:", "Passwort", QString(), fx.points());
    fx.dialogs.expectMessage(readOnly + "Die Punktzahl bleibt, wie sie war.\r", "M O X A B C",
                             MsgBox::OkOnly);
    Fixture::click(fx.main().Bild14);
    NoPrinter printer{QDir(view.path())};
    fx.app().setPrinter(printer);
    fx.dialogs.expectInput("Erst das Passwort eingeben:", "Passwort", QString(), fx.points());
    Fixture::click(fx.main().Bild12);
    Fixture::click(fx.window<Form8>().Befehl4);
    fx.dialogs.expectMessage("ABC-Arbeitsblatt jetzt ausdrucken?\r", "M O X - A B C",
                             MsgBox::YesNoQuestion, MsgBox::Yes);
    fx.dialogs.expectMessage("Es ist kein Drucker bereit.\r" + readOnly +
                                 "Das Arbeitsblatt wird nicht gespeichert.\r",
                             "D r u c k e n", MsgBox::OkOnly);
    Fixture::click(fx.window<Form8>().Befehl2);
    Fixture::click(fx.window<Form8>().Befehl1);
    fx.dialogs.expectInput("Erst das Passwort eingeben:", "Passwort", QString(), fx.points());
    Fixture::key(&fx.main(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    WordListEditor& editor = fx.window<WordListEditor>();
    QVERIFY(editor.model().setData(editor.model().index(0, 0), "Birne", Qt::EditRole));
    fx.dialogs.expectMessage(readOnly + "Die Liste wird nicht gespeichert. Die Änderungen bleiben "
                                        "in diesem Fenster.\r",
                             "Wörterlisten", MsgBox::OkOnly);
    Fixture::click(editor.saveButton);
    VERIFY_DIALOGS(fx);
    QCOMPARE(editor.model().rows(), (QList<WordRow>{{"Birne", "12"}, {"Baum", "15"}}));
    QCOMPARE(fx.main().Bezeichnung3->text(), QStringLiteral(" 30"));
    QCOMPARE(QDir(fx.path()).entryList(QDir::Files), QStringList({"MOXABC.INI", "MOXABC.TXT"}));
    QCOMPARE(fx.readFile(QStringLiteral("MOXABC.INI")), QByteArray(" 30 \r\n"));
    QCOMPARE(fx.readFile(QStringLiteral("MOXABC.TXT")), words);
}

enum class EndBy { Picture, Caption, WindowClose };

void ClassSetupTest::endInKioskUse_data() {
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<EndBy>("by");
    QTest::addColumn<QString>("password"); // a null text: no password prompt is due
    QTest::addColumn<int>("answer");       // 0: no question is due
    QTest::newRow("off: closing") << false << EndBy::WindowClose << QString() << int(MsgBox::No);
    QTest::newRow("kiosk: password, no") << true << EndBy::Picture << "7" << int(MsgBox::No);
    QTest::newRow("kiosk: wrong password") << true << EndBy::Caption << " 7" << 0;
    QTest::newRow("kiosk: closing") << true << EndBy::WindowClose << "7" << int(MsgBox::Yes);
}

void ClassSetupTest::endInKioskUse() {
    QFETCH(bool, kiosk);
    QFETCH(EndBy, by);
    QFETCH(QString, password);
    QFETCH(int, answer);
    Fixture fx;
    fx.writeProgramSettings("system", kiosk ? "[Klasse]\nKiosk=true\n" : "");
    fx.writeProgramSettings("user", "[Klasse]\nKiosk=false\n"); // a child's try, in vain
    fx.start();
    fx.setPoints(QStringLiteral("7"));
    if (!password.isNull())
        fx.dialogs.expectInput("Erst das Passwort eingeben:", "Passwort", QString(), password);
    if (answer != 0)
        fx.dialogs.expectMessage("Dieses Programm jetzt beenden?\r", "M O X - A B C",
                                 MsgBox::YesNoQuestion, answer);
    if (by == EndBy::WindowClose)
        fx.main().close();
    else
        Fixture::click(by == EndBy::Picture ? static_cast<QWidget*>(fx.main().Bild2)
                                            : fx.main().Bezeichnung4);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.app().hasEnded(), answer == MsgBox::Yes);
    if (fx.app().hasEnded())
        return;
    QCOMPARE(bool(fx.main().windowFlags() & Qt::WindowMinimizeButtonHint), !kiosk);
    fx.main().showMinimized();
    QCOMPARE(fx.main().isMinimized(), !kiosk);
}

QTEST_MAIN(ClassSetupTest)
#include "tst_class_setup.moc"
