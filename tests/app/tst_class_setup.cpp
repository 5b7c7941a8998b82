#include "app/settings.h"
#include "exercises/woerterbuch.h"
#include "fixture.h"
#include "games/galgen.h"
#include "platform/printer.h"
#include "print/worksheet_window.h"
#include "read_only_view.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {
const QString kSettingsTitle = QStringLiteral("M O X A B C");
const QByteArray kThreshold(" 30 \r\n");

QString readOnly(const QString& folder, const QString& consequence) {
    return QStringLiteral("In den Ordner\r") + folder +
           QStringLiteral("\rdarf MOX-ABC nicht schreiben: Er ist schreibgeschützt.\r") +
           consequence;
}

// A printer service whose printer is missing, so that the sheet would become a file.
class NoPrinter : public SystemPrinter {
public:
    using SystemPrinter::SystemPrinter;

protected:
    bool hasDefaultPrinter() const override { return false; }
};

// Everything in the folder, name and content, to show that nothing changed.
QMap<QString, QByteArray> contents(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        QFile file(entry.filePath());
        files.insert(entry.fileName(),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : "(Ordner)");
    }
    return files;
}

// A class folder with the teacher's list and threshold, which the program sees read-only.
struct ReadOnlyClass {
    ReadOnlyClass() {
        fx.writeFile(Settings::FileName, kThreshold);
        fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({{"Apfel", 12}, {"Baum", 15}}));
        before = contents(fx.path());
    }
    bool start() {
        if (!view.error().isEmpty())
            return false;
        fx.startIn(view.path());
        return true;
    }

    Fixture fx;
    QMap<QString, QByteArray> before;
    ReadOnlyView view{fx.path()};
};
} // namespace

// One class folder for many accounts, set up once by an administrator.
class ClassSetupTest : public QObject {
    Q_OBJECT
private slots:
    void readOnlyFolderStartsAndPlays();
    void thresholdRefusedInReadOnlyFolder();
    void worksheetFileRefusedInReadOnlyFolder();
    void endInKioskUse_data();
    void endInKioskUse();
    void minimisingInKioskUse_data();
    void minimisingInKioskUse();
};

void ClassSetupTest::readOnlyFolderStartsAndPlays() {
    ReadOnlyClass room;
    QVERIFY2(room.start(), qPrintable(room.view.error()));
    Fixture& fx = room.fx;
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.main().Bezeichnung3->text(), QStringLiteral(" 30"));

    Fixture::click(fx.main().Bild9);
    Form3& dictionary = fx.window<Form3>();
    QVERIFY(dictionary.isVisible());
    dictionary.HBildlauf1->setValue(dictionary.Bezeichnung3->text().toInt());
    Fixture::click(dictionary.Befehl2);
    Fixture::click(dictionary.Picture1);
    QCOMPARE(fx.points(), QStringLiteral(" 1"));

    Fixture::click(fx.main().Bild16);
    QVERIFY(fx.window<galgen>().isVisible());
    QVERIFY(QStringList({"Apfel", "Baum"}).contains(fx.app().shared().wordText));
    VERIFY_DIALOGS(fx);
    QCOMPARE(contents(fx.path()), room.before);
}

void ClassSetupTest::thresholdRefusedInReadOnlyFolder() {
    ReadOnlyClass room;
    QVERIFY2(room.start(), qPrintable(room.view.error()));
    Fixture& fx = room.fx;
    fx.dialogs.expectInput(QStringLiteral("Erst Passwort eingeben:"), QStringLiteral("Passwort"),
                           QString(), QStringLiteral("0"));
    fx.dialogs.expectMessage(
        readOnly(room.view.path(), QStringLiteral("Die Punktzahl bleibt, wie sie war.\r")),
        kSettingsTitle, MsgBox::OkOnly);
    Fixture::click(fx.main().Bild14);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.main().Bezeichnung3->text(), QStringLiteral(" 30"));
    QCOMPARE(contents(fx.path()), room.before);
}

void ClassSetupTest::worksheetFileRefusedInReadOnlyFolder() {
    ReadOnlyClass room;
    QVERIFY2(room.start(), qPrintable(room.view.error()));
    Fixture& fx = room.fx;
    NoPrinter printer(QDir(room.view.path()));
    fx.app().setPrinter(printer);
    fx.dialogs.expectInput(QStringLiteral("Erst das Passwort eingeben:"),
                           QStringLiteral("Passwort"), QString(), QStringLiteral("0"));
    Fixture::click(fx.main().Bild12);
    Form8& printing = fx.window<Form8>();
    Fixture::click(printing.Befehl4);
    fx.dialogs.expectMessage(QStringLiteral("ABC-Arbeitsblatt jetzt ausdrucken?\r"),
                             QStringLiteral("M O X - A B C"), MsgBox::YesNoQuestion, MsgBox::Yes);
    fx.dialogs.expectMessage(
        QStringLiteral("Es ist kein Drucker bereit.\r") +
            readOnly(room.view.path(),
                     QStringLiteral("Das Arbeitsblatt wird nicht gespeichert.\r")),
        QStringLiteral("D r u c k e n"), MsgBox::OkOnly);
    Fixture::click(printing.Befehl2);
    VERIFY_DIALOGS(fx);
    QVERIFY(printing.isVisible());
    QCOMPARE(contents(fx.path()), room.before);
}

enum class EndBy { Picture, Caption, WindowClose };

void ClassSetupTest::endInKioskUse_data() {
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<EndBy>("by");
    QTest::addColumn<QString>("password"); // a null text: no password prompt is due
    QTest::addColumn<int>("answer");       // 0: no question is due
    QTest::newRow("off: picture asks at once")
        << false << EndBy::Picture << QString() << int(MsgBox::Yes);
    QTest::newRow("off: closing asks at once")
        << false << EndBy::WindowClose << QString() << int(MsgBox::No);
    QTest::newRow("kiosk: password, then yes")
        << true << EndBy::Picture << QStringLiteral("7") << int(MsgBox::Yes);
    QTest::newRow("kiosk: password, then no")
        << true << EndBy::Caption << QStringLiteral("7") << int(MsgBox::No);
    QTest::newRow("kiosk: wrong password ends silently")
        << true << EndBy::Caption << QStringLiteral(" 7") << 0;
    QTest::newRow("kiosk: cancel ends silently")
        << true << EndBy::WindowClose << QStringLiteral("") << 0;
    QTest::newRow("kiosk: closing needs the password too")
        << true << EndBy::WindowClose << QStringLiteral("7") << int(MsgBox::Yes);
}

void ClassSetupTest::endInKioskUse() {
    QFETCH(bool, kiosk);
    QFETCH(EndBy, by);
    QFETCH(QString, password);
    QFETCH(int, answer);
    Fixture fx;
    fx.writeProgramSettings(QStringLiteral("system"),
                            kiosk ? "[Klasse]\nKiosk=true\n" : "[Klasse]\nKiosk=false\n");
    // A child's own file cannot switch it off.
    fx.writeProgramSettings(QStringLiteral("user"), "[Klasse]\nKiosk=false\n");
    fx.start();
    fx.setPoints(QStringLiteral("7"));
    if (!password.isNull())
        fx.dialogs.expectInput(QStringLiteral("Erst das Passwort eingeben:"),
                               QStringLiteral("Passwort"), QString(), password);
    if (answer != 0)
        fx.dialogs.expectMessage(QStringLiteral("Dieses Programm jetzt beenden?\r"),
                                 QStringLiteral("M O X - A B C"), MsgBox::YesNoQuestion, answer);
    switch (by) {
    case EndBy::Picture:
        Fixture::click(fx.main().Bild2);
        break;
    case EndBy::Caption:
        Fixture::click(fx.main().Bezeichnung4);
        break;
    case EndBy::WindowClose:
        fx.main().close();
        break;
    }
    VERIFY_DIALOGS(fx);
    const bool ended = answer == MsgBox::Yes;
    QCOMPARE(fx.app().hasEnded(), ended);
    QCOMPARE(fx.main().isVisible(), !ended);
    QCOMPARE(fx.points(), QStringLiteral("7"));
}

void ClassSetupTest::minimisingInKioskUse_data() {
    QTest::addColumn<bool>("kiosk");
    QTest::newRow("off") << false;
    QTest::newRow("kiosk") << true;
}

void ClassSetupTest::minimisingInKioskUse() {
    QFETCH(bool, kiosk);
    Fixture fx;
    if (kiosk)
        fx.writeProgramSettings(QStringLiteral("system"), "[Klasse]\nKiosk=true\n");
    fx.start();
    QCOMPARE(bool(fx.main().windowFlags() & Qt::WindowMinimizeButtonHint), !kiosk);
    fx.main().showMinimized();
    Fixture::settle();
    QCOMPARE(fx.main().isMinimized(), !kiosk);
    QVERIFY(fx.main().isVisible());
}

QTEST_MAIN(ClassSetupTest)
#include "tst_class_setup.moc"
