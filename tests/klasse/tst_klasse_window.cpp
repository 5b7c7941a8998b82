#include "editor/word_list_editor.h"
#include "fixture.h"
#include "klasse/class_room.h"
#include "klasse/klasse_window.h"

#include <QListWidget>
#include <QPushButton>

namespace {
const QString kChoose = "Die Daten der Kinder schützt ein Passwort, das nur Sie kennen.\rEin "
                        "Passwort für die Klasse wählen:";
const QString kAgain = "Das Passwort noch einmal:";
const QString kPassword = "Erst das Passwort eingeben:";

QStringList shownNames(const KlasseWindow& window) {
    QStringList names;
    for (int row = 0; row < window.Liste1->count(); ++row)
        names.append(window.Liste1->item(row)->text());
    return names;
}

void clickChild(KlasseWindow& window, const QString& name) {
    const QListWidgetItem* item = window.Liste1->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY(item);
    QTest::mouseClick(window.Liste1->viewport(), Qt::LeftButton, {},
                      window.Liste1->visualItemRect(item).center());
}

void openClass(Fixture& fx) {
    Fixture::key(&fx.main(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
}
} // namespace

// The teacher's window "Klasse" and the password that guards the children's data.
class KlasseWindowTest : public QObject {
    Q_OBJECT
private slots:
    void teacherKeepsTheClass();
    void teacherPasswordGuardsEveryEntry();
    void classNotOpened_data();
    void classNotOpened();
};

void KlasseWindowTest::teacherKeepsTheClass() {
    Fixture fx;
    fx.start();
    fx.dialogs.expectInput(kPassword, "Passwort", QString(), fx.points());
    fx.dialogs.expectInput(kChoose, "Klasse", QString(), "Eule 7");
    fx.dialogs.expectInput(kAgain, "Klasse", QString(), "Eule 7");
    openClass(fx);
    KlasseWindow& klasse = fx.window<KlasseWindow>();
    QVERIFY(klasse.isVisible());
    for (const char* name : {"Tim", "Lena", " lena "})
        fx.dialogs.expectInput("Vorname des neuen Kindes:", "Klasse", QString(), name);
    fx.dialogs.expectMessage("„lena“ gibt es in der Klasse schon.\rHaben zwei Kinder denselben "
                             "Vornamen, bekommt jedes einen Buchstaben dazu, zum Beispiel „lena "
                             "S.“.\r",
                             "Klasse", MsgBox::OkOnly);
    for (int i = 0; i < 3; ++i)
        Fixture::click(klasse.newChildButton);
    VERIFY_DIALOGS(fx);
    QCOMPARE(shownNames(klasse), (QStringList{"Lena", "Tim"}));
    clickChild(klasse, "Tim");
    fx.dialogs.expectInput("Neuer Vorname für Tim:", "Klasse", "Tim", "Ali");
    Fixture::click(klasse.renameButton);
    clickChild(klasse, "Lena");
    Fixture::click(klasse.pictureButton);
    QVERIFY(klasse.pictureChoice->isVisible());
    QVERIFY(!klasse.pictures[0]->isEnabled()); // Ali's apple
    QCOMPARE(klasse.pictures[0]->toolTip(), "Apfel (hat Ali)");
    Fixture::click(klasse.pictures[18]);
    QVERIFY(!klasse.pictureChoice->isVisible());
    const ClassListRead read = readClassList(fx.path() + "/KLASSE.TXT");
    QCOMPARE(read.list.children(), (QList<Child>{{1, "Ali", "apfel"}, {2, "Lena", "zug"}}));
    QVERIFY(Password::matches(read.list.passwordHash(), "Eule 7"));

    RecordBook& records = fx.app().classRoom().records();
    QVERIFY(records.record(
        2, {QDateTime::currentDateTimeUtc(), "pc", "ABC-Reihe", "D", "D", "D", true, 1, 2}));
    fx.dialogs.expectMessage("Lena aus der Klasse entfernen?\rAlles, was von Lena aufgeschrieben "
                             "ist, wird gelöscht.\r",
                             "Klasse", MsgBox::YesNoQuestion, MsgBox::Yes);
    Fixture::click(klasse.removeButton);
    VERIFY_DIALOGS(fx);
    QCOMPARE(shownNames(klasse), QStringList{"Ali"});
    QVERIFY(records.read(2).tasks.isEmpty());
    QCOMPARE(readClassList(fx.path() + "/KLASSE.TXT").list.children().size(), 1);
    Fixture::click(klasse.backButton);
    QVERIFY(fx.main().isVisible());
}

// Once the class has children, the points total opens nothing; five wrong tries wait a minute.
void KlasseWindowTest::teacherPasswordGuardsEveryEntry() {
    Fixture fx;
    ClassList list;
    list.add("Lena");
    list.setPasswordHash(Password::hash("Eule 7"));
    fx.writeFile("KLASSE.TXT", list.toBytes());
    fx.start();
    QDateTime now = QDateTime::fromString("2026-12-08T08:00:00Z", Qt::ISODate);
    fx.app().classRoom().setClock([&] { return now; });
    const auto editWords = [&](const QString& typed) {
        fx.dialogs.expectInput(kPassword, "Passwort", QString(), typed);
        Fixture::key(&fx.main(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    };
    for (const QString& wrong :
         {fx.points(), QString("eule 7"), QString("1"), QString("2"), QString("3")})
        editWords(wrong);
    QVERIFY(fx.main().isVisible());
    fx.dialogs.expectMessage("Fünfmal hintereinander ein falsches Passwort.\rBitte noch 60 "
                             "Sekunden warten.\r",
                             "Passwort", MsgBox::OkOnly);
    Fixture::key(&fx.main(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    now = now.addSecs(60);
    editWords("Eule 7");
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.window<WordListEditor>().isVisible());
}

void KlasseWindowTest::classNotOpened_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("no class list")
        << QByteArray("Apfel,12\r\n") << QStringList{}
        << "Die Datei\r%1/KLASSE.TXT\rist keine Klassenliste, die MOX-ABC lesen kann (keine "
           "Klassenliste).\rSie bleibt, wie sie ist.\r";
    QTest::newRow("passwords differ") << QByteArray() << QStringList{"Eule 7", "Eule 8"}
                                      << "Die beiden Passwörter sind verschieden.\rDie Klasse "
                                         "bleibt, wie sie war.\r";
}

void KlasseWindowTest::classNotOpened() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    Fixture fx;
    if (!file.isEmpty())
        fx.writeFile("KLASSE.TXT", file);
    fx.start();
    if (!typed.isEmpty()) {
        fx.dialogs.expectInput(kPassword, "Passwort", QString(), fx.points());
        fx.dialogs.expectInput(kChoose, "Klasse", QString(), typed[0]);
        fx.dialogs.expectInput(kAgain, "Klasse", QString(), typed[1]);
    }
    fx.dialogs.expectMessage(message.replace("%1", fx.path()), "Klasse", MsgBox::OkOnly);
    openClass(fx);
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.main().isVisible());
    QCOMPARE(fx.readFile("KLASSE.TXT"), file);
}

QTEST_MAIN(KlasseWindowTest)
#include "tst_klasse_window.moc"
