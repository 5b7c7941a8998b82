#include "app/speech_switch.h"
#include "app/working_folder.h"
#include "editor/list_in_use_bar.h"
#include "editor/word_list_editor.h"
#include "editor/word_table_model.h"
#include "fixture.h"
#include "print/worksheet_window.h"
#include "read_only_view.h"

#include <QComboBox>
#include <QPushButton>

#include <sys/stat.h>

namespace {
struct NoPrinter : SystemPrinter {
    using SystemPrinter::SystemPrinter;
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
    void speechChoiceNotStored();
};

void ClassSetupTest::readOnlyClassFolder() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.INI"), " 30 \r\n");
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({{"Apfel", 12}, {"Baum", 15}}));
    fx.writeFile(QStringLiteral("MOXABC2.TXT"), wordListBytes({{"Zug", 3}}));
    const ReadOnlyView view(fx.path());
    QVERIFY2(view.ok, "a read-only bind mount needs the superuser");
    QVERIFY(WorkingFolder::enter({view.path(), WorkingFolder::Choice::Origin::Class, {}}, fx.path(),
                                 fx.dialogs));
    QCOMPARE(QDir::currentPath(), view.path());
    QDir::setCurrent(QDir::tempPath());
    fx.startIn(view.path());
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
    fx.dialogs.expectMessage("Die Liste „Wörterbuchliste“ wurde geändert.\rSollen die Änderungen "
                             "gespeichert werden?\r",
                             "Wörterlisten", MsgBox::YesNoCancelQuestion, MsgBox::No);
    fx.dialogs.expectMessage(readOnly + "Es wird keine neue Liste angelegt.\r", "Neue Liste",
                             MsgBox::OkOnly);
    Fixture::click(editor.newListButton);
    Fixture::key(editor.listChooser, Qt::Key_Down);
    fx.dialogs.expectMessage(readOnly +
                                 "Die Übungen benutzen weiter die Liste „Wörterbuchliste“.\r",
                             "Wörterlisten", MsgBox::OkOnly);
    Fixture::click(editor.listInUseBar->useButton);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.main().Bezeichnung3->text(), QStringLiteral(" 30"));
}

void ClassSetupTest::endInKioskUse_data() {
    QTest::addColumn<bool>("kiosk");
    QTest::newRow("off") << false;
    QTest::newRow("kiosk") << true;
}

// In kiosk use only the teacher ends the program, and its window cannot be minimised.
void ClassSetupTest::endInKioskUse() {
    QFETCH(bool, kiosk);
    Fixture fx;
    fx.writeProgramSettings("system", kiosk ? "[Klasse]\nKiosk=true\n" : "");
    fx.writeProgramSettings("user", "[Klasse]\nKiosk=false\n"); // a child's try, in vain
    fx.start();
    fx.setPoints(QStringLiteral("7"));
    const auto end = [&](QWidget* control, const QString& password, int answer) {
        if (kiosk)
            fx.dialogs.expectInput("Erst das Passwort eingeben:", "Passwort", QString(), password);
        if (answer != 0)
            fx.dialogs.expectMessage("Dieses Programm jetzt beenden?\r", "M O X - A B C",
                                     MsgBox::YesNoQuestion, answer);
        control ? Fixture::click(control) : void(fx.main().close());
        VERIFY_DIALOGS(fx);
    };
    if (kiosk)
        end(fx.main().Bezeichnung4, " 7", 0); // a wrong password: nothing more is asked
    end(fx.main().Bild2, "7", MsgBox::No);
    QVERIFY(!fx.app().hasEnded());
    QCOMPARE(bool(fx.main().windowFlags() & Qt::WindowMinimizeButtonHint), !kiosk);
    fx.main().showMinimized();
    QCOMPARE(fx.main().isMinimized(), !kiosk);
    end(nullptr, "7", MsgBox::Yes);
    QVERIFY(fx.app().hasEnded());
}

// "Vorlesen" with a FIFO in the place of the user's settings file: switched for this run only,
// with a word why, and nothing hangs.
void ClassSetupTest::speechChoiceNotStored() {
    Fixture fx;
    const QString file = fx.configPath() + "/user/moxabc/moxabc.conf";
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    fx.start();
    fx.dialogs.expectMessage("„Vorlesen“ bleibt nur bis zum Ende von MOX-ABC so, denn die Datei\r" +
                                 file +
                                 "\rlässt sich nicht schreiben.\rUnter ihrem Namen steht ein "
                                 "Ordner oder eine besondere Datei, und die lässt MOX-ABC, wie "
                                 "sie ist.\r",
                             "Vorlesen", MsgBox::OkOnly);
    Fixture::click(fx.main().speechSwitch()->button());
    VERIFY_DIALOGS(fx);
    QVERIFY(!fx.speech.isOn() && !QFileInfo(file).isFile());
}

QTEST_MAIN(ClassSetupTest)
#include "tst_class_setup.moc"
