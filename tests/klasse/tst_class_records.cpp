#include "klasse/class_list.h"
#include "klasse/password.h"
#include "klasse/pictures.h"
#include "klasse/record_book.h"
#include "platform/program_settings.h"
#include "read_only_view.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Append));
    file.write(bytes);
}

QStringList names(const ClassList& list) {
    QStringList result;
    for (const Child& child : list.children())
        result.append(child.name);
    return result;
}

TaskRecord task(const QString& time, const QString& word, bool right) {
    return {QDateTime::fromString(time, Qt::ISODate),
            "pc1",
            "ABC-Lücken",
            word,
            "F",
            right ? "F" : "E",
            right,
            right ? 1.0 : -1.0,
            4.5};
}
} // namespace

// The class list, the children's records and the teacher's password.
class ClassRecordsTest : public QObject {
    Q_OBJECT
private slots:
    void classListRules_data();
    void classListRules();
    void classListKeepsIdsInItsFile();
    void damagedClassList_data();
    void damagedClassList();
    void recordsOfComputersMerged();
    void unwritableRecordsFolderToldOnce();
    void passwordWaitsAfterFiveWrongTries();
    void administratorsKeys();
};

void ClassRecordsTest::classListRules_data() {
    QTest::addColumn<QStringList>("steps"); // "+name", "name>new name", "name:picture"
    QTest::addColumn<QString>("refusal");   // of the last step
    QTest::addColumn<QStringList>("names");
    auto taken = [](const QString& name) {
        return "„" + name +
               "“ gibt es in der Klasse schon.\rHaben zwei Kinder denselben "
               "Vornamen, bekommt jedes einen Buchstaben dazu, zum Beispiel „" +
               name + " S.“.\r";
    };
    QTest::newRow("sorted by ABC")
        << QStringList{"+Tim", "+Ömer", "+lena"} << QString() << QStringList{"lena", "Ömer", "Tim"};
    QTest::newRow("blanks cleaned")
        << QStringList{"+  Lena \t S. "} << QString() << QStringList{"Lena S."};
    QTest::newRow("no name") << QStringList{"+ \t "} << "Bitte einen Vornamen eingeben.\r"
                             << QStringList{};
    QTest::newRow("40 letters") << QStringList{"+" + QString(40, u'x')} << QString()
                                << QStringList{QString(40, u'x')};
    QTest::newRow("41 letters") << QStringList{"+" + QString(41, u'x')}
                                << "Ein Vorname hat höchstens 40 Zeichen.\r" << QStringList{};
    QTest::newRow("same name, other case")
        << QStringList{"+Lena", "+LENA"} << taken("LENA") << QStringList{"Lena"};
    QTest::newRow("with a letter")
        << QStringList{"+Lena", "+Lena S."} << QString() << QStringList{"Lena", "Lena S."};
    QTest::newRow("renamed onto another")
        << QStringList{"+Lena", "+Tim", "Tim>lena"} << taken("lena") << QStringList{"Lena", "Tim"};
    QTest::newRow("renamed to itself")
        << QStringList{"+Lena", "Lena>LENA"} << QString() << QStringList{"LENA"};
    QTest::newRow("picture taken")
        << QStringList{"+Lena", "+Tim", "Tim:apfel"} << "Das Bild „Apfel“ hat schon Lena.\r"
        << QStringList{"Lena", "Tim"};
    QStringList full;
    for (int i = 0; i <= childPictures().size(); ++i)
        full.append(QStringLiteral("+Kind %1").arg(i, 2, 10, QChar(u'0')));
    QStringList fullNames = full.mid(0, childPictures().size());
    fullNames.replaceInStrings("+", "");
    QTest::newRow("a picture each")
        << full
        << "Jedes der 32 Bilder hat schon ein Kind: Mehr Kinder passen nicht in die "
           "Klasse.\r"
        << fullNames;
}

void ClassRecordsTest::classListRules() {
    QFETCH(QStringList, steps);
    QFETCH(QString, refusal);
    QFETCH(QStringList, names);
    ClassList list;
    auto idOf = [&](const QString& name) {
        for (const Child& child : list.children())
            if (child.name == name)
                return child.id;
        return 0;
    };
    QString last;
    for (const QString& step : steps) {
        if (step.startsWith(u'+'))
            last = list.add(step.mid(1));
        else if (step.contains(u'>'))
            last = list.rename(idOf(step.section(u'>', 0, 0)), step.section(u'>', 1));
        else
            last = list.setPicture(idOf(step.section(u':', 0, 0)), step.section(u':', 1));
    }
    QCOMPARE(last, refusal);
    QCOMPARE(::names(list), names);
    QSet<QString> pictures;
    for (const Child& child : list.children())
        pictures.insert(child.picture);
    QCOMPARE(pictures.size(), list.children().size());
}

// A renamed child keeps their id, and a removed child's id is never given again.
void ClassRecordsTest::classListKeepsIdsInItsFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(ClassList::fileName());
    QCOMPARE(readClassList(path).status, ClassListRead::Status::Missing);
    ClassList list;
    int lena = 0;
    int tim = 0;
    QCOMPARE(list.add("Lena", &lena), QString());
    QCOMPARE(list.add("Tim", &tim), QString());
    QCOMPARE(list.rename(lena, "Lena S."), QString());
    QCOMPARE(list.setPicture(lena, "zug"), QString());
    list.remove(tim);
    list.setPasswordHash("$argon2id$v=19$m=65536,t=2,p=1$abc$def");
    QVERIFY(writeClassList(path, list));
    const ClassListRead read = readClassList(path);
    QCOMPARE(read.status, ClassListRead::Status::Read);
    QCOMPARE(read.list.children(), (QList<Child>{{lena, "Lena S.", "zug"}}));
    QCOMPARE(read.list.passwordHash(), list.passwordHash());
    ClassList again = read.list;
    int next = 0;
    QCOMPARE(again.add("Tim", &next), QString());
    QCOMPARE(next, tim + 1);
}

void ClassRecordsTest::damagedClassList_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("problems");
    const QByteArray head = "MOX-ABC Klasse\nNummer=9\n";
    QTest::newRow("some other file")
        << QByteArray("Apfel,12\r\n") << QStringList{} << QStringList{"keine Klassenliste"};
    QTest::newRow("not utf-8") << head + "Kind=1;hund;J\xf6rg\n"
                               << QStringList{} << QStringList{"keine Klassenliste"};
    QTest::newRow("far too large")
        << head + QByteArray(70 * 1024, '\n') << QStringList{} << QStringList{"größer als 64 KiB"};
    QTest::newRow("bad lines left out")
        << head + "Kind=1;hund;Lena\nKind=2;katze\nKind=3;hund;Tim\nKind=1;maus;Ali\n"
                  "Kind=4;drache;Ben\nKind=5;maus;lena\nFarbe=rot\nKind=6;maus;Ela\nVorlesen=aus\n"
        << QStringList{"Ela", "Lena"}
        << QStringList{"Zeile 4 (Kind=2;katze): erwartet Nummer;Bild;Name",
                       "Zeile 5 (Kind=3;hund;Tim): Das Bild „Hund“ hat schon Lena.",
                       "Zeile 6 (Kind=1;maus;Ali): die Nummer 1 gibt es schon",
                       "Zeile 7 (Kind=4;drache;Ben): Das Bild „drache“ gibt es nicht.",
                       "Zeile 8 (Kind=5;maus;lena): „lena“ gibt es in der Klasse schon. Haben "
                       "zwei Kinder denselben Vornamen, bekommt jedes einen Buchstaben dazu, "
                       "zum Beispiel „lena S.“.",
                       "Zeile 9 (Farbe=rot): unbekannt",
                       "Zeile 11 (Vorlesen=aus): erwartet ja oder nein"};
}

void ClassRecordsTest::damagedClassList() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, names);
    QFETCH(QStringList, problems);
    QTemporaryDir dir;
    const QString path = dir.filePath(ClassList::fileName());
    writeBytes(path, bytes);
    const ClassListRead read = readClassList(path);
    QCOMPARE(read.status, ClassListRead::Status::Damaged);
    QCOMPARE(::names(read.list), names);
    QCOMPARE(read.problems, problems);
    // Ids of lines left out are never given again.
    int id = 0;
    QCOMPARE(ClassList(read.list).add("Neu", &id), QString());
    QVERIFY(id >= (names.isEmpty() ? 1 : 9));
}

// Each computer writes its own file; a torn or garbled line is left out and counted.
void ClassRecordsTest::recordsOfComputersMerged() {
    QTemporaryDir dir;
    const QString folder = dir.filePath("Lernstand");
    RecordBook first(folder, "pc 1/raum");
    RecordBook second(folder, "pc2");
    TaskRecord odd = task("2026-12-08T09:30:00+01:00", "D\tE _\nG", false);
    QVERIFY(first.record(7, odd));
    QVERIFY(second.record(7, task("2026-12-08T08:00:00Z", "Baum", true)));
    QVERIFY(first.record(8, task("2026-12-08T07:00:00Z", "Haus", true)));
    QCOMPARE(QDir(folder).entryList(QDir::Files),
             (QStringList{"kind7@pc2.txt", "kind7@pc_1_raum.txt", "kind8@pc_1_raum.txt"}));
    const QString secondFile = folder + "/kind7@pc2.txt";
    const QByteArray garbled = fileBytes(secondFile).replace("Baum", "Bohm");
    // A line as the first version of the program summed it up.
    QByteArray earlier = "2026-12-08T09:00:00Z\tpc2\tABC-Lücken\tÄpfel\tF\tF\trichtig\t1\t4.5";
    earlier += '\t' + QByteArray::number(qChecksum(earlier), 16).rightJustified(4, '0') + '\n';
    writeBytes(secondFile, garbled + earlier + "2026-12-08T10:00:00Z\tpc2\tAB");
    QVERIFY(second.record(7, task("2026-12-08T11:00:00Z", "Zug", false)));
    const RecordBook::ChildTasks read = RecordBook(folder, "pc3").read(7);
    QCOMPARE(read.skippedLines, 2);
    odd.task = "D E _ G";
    TaskRecord earlierTask = task("2026-12-08T09:00:00Z", "Äpfel", true);
    earlierTask.computer = "pc2";
    QCOMPARE(read.tasks,
             (QList<TaskRecord>{task("2026-12-08T08:00:00Z", "Baum", true), odd, earlierTask,
                                task("2026-12-08T11:00:00Z", "Zug", false)}));
    QVERIFY(first.remove(7));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"kind8@pc_1_raum.txt"});
}

// The child plays on; the teacher hears once where and why.
void ClassRecordsTest::unwritableRecordsFolderToldOnce() {
    QTemporaryDir dir;
    const ReadOnlyView view(dir.path());
    if (!view.ok)
        QSKIP("a read-only bind mount needs the superuser");
    RecordBook book(view.path() + "/Lernstand", "pc1");
    QCOMPARE(book.takeNotice(), QString());
    QVERIFY(!book.record(1, task("2026-12-08T08:00:00Z", "Baum", true)));
    QVERIFY(!book.record(1, task("2026-12-08T08:01:00Z", "Haus", true)));
    QCOMPARE(book.takeNotice(), "In den Ordner für den Lernstand\r" + view.path() +
                                    "/Lernstand\rkann MOX-ABC nicht schreiben: Er fehlt und lässt "
                                    "sich nicht anlegen.\rDie Kinder können weiter üben, aber "
                                    "was sie tun, wird nicht aufgeschrieben.\r");
    QVERIFY(!book.record(1, task("2026-12-08T08:02:00Z", "Zug", true)));
    QCOMPARE(book.takeNotice(), QString());
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("kind1@pc1.txt")), 0600) == 0);
    RecordBook fifo(dir.path(), "pc1");
    QVERIFY(!fifo.record(1, task("2026-12-08T08:00:00Z", "Baum", true)));
    QVERIFY(fifo.takeNotice().contains("Eine der Dateien darin ist keine gewöhnliche Datei."));
}

void ClassRecordsTest::passwordWaitsAfterFiveWrongTries() {
    const QString hash = Password::hash("Grüne Eule 7");
    QVERIFY(hash.startsWith("$argon2id$"));
    QVERIFY(hash != Password::hash("Grüne Eule 7")); // salted
    QVERIFY(!Password::matches("Grüne Eule 7", "Grüne Eule 7"));
    QDateTime now = QDateTime::fromString("2026-12-08T08:00:00Z", Qt::ISODate);
    PasswordGate gate([&] { return now; });
    QCOMPARE(gate.check(hash, "grüne eule 7"), PasswordGate::Result::Wrong);
    QCOMPARE(gate.check(hash, "Grüne Eule 7"), PasswordGate::Result::Right);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(gate.check(hash, QString::number(i)), PasswordGate::Result::Wrong);
    QCOMPARE(gate.check(hash, "Grüne Eule 7"), PasswordGate::Result::Waiting);
    now = now.addSecs(59);
    QCOMPARE(gate.secondsToWait(), 1);
    QCOMPARE(gate.check(hash, "Grüne Eule 7"), PasswordGate::Result::Waiting);
    now = now.addSecs(1);
    QCOMPARE(gate.check(hash, "Grüne Eule 7"), PasswordGate::Result::Right);
}

void ClassRecordsTest::administratorsKeys() {
    QTemporaryDir dir;
    writeBytes(
        dir.filePath("system.conf"),
        "[Klasse]\nLernstand=/srv/lernstand\nPasswort=\"$argon2id$v=19$m=65536,t=2,p=1$a$b\"\n"
        "Vorlesen=nein\n");
    writeBytes(dir.filePath("user.conf"), "[Klasse]\nPasswort=\"$argon2id$kind\"\n");
    const ProgramSettings settings({dir.filePath("user.conf"), {dir.filePath("system.conf")}});
    QCOMPARE(settings.recordsFolder(), "/srv/lernstand");
    QCOMPARE(settings.passwordHash(), "$argon2id$v=19$m=65536,t=2,p=1$a$b");
    QCOMPARE(settings.classSpeech(), std::optional<bool>(false));
    QCOMPARE(settings.problems().size(), 1);
    QVERIFY(settings.problems().first().contains("[Klasse] Passwort"));
}

QTEST_GUILESS_MAIN(ClassRecordsTest)
#include "tst_class_records.moc"
