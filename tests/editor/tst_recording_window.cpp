#include "editor/letter_recordings.h"
#include "editor/recording_window.h"
#include "editor/word_list_editor.h"
#include "editor/word_table.h"
#include "editor/word_table_model.h"
#include "fixture.h"
#include "platform/sound_cleanup.h"
#include "platform/wave_file.h"
#include "read_only_view.h"
#include "scripted_microphone.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace {
const QString kTitle = QStringLiteral("Aufnahme");
using Kind = Recordings::Kind;

// A word as a microphone hears it: silence, a tone of the given peak for a second, silence.
Sound spoken(int peak, double seconds = 1.0) {
    Sound sound{{}, Microphone::kSampleRate};
    sound.samples.fill(0, Microphone::kSampleRate / 5);
    for (int i = 0; i < int(seconds * Microphone::kSampleRate); ++i)
        sound.samples.append(
            qint16(std::lround(peak * std::sin(2.0 * M_PI * 300.0 * i / Microphone::kSampleRate))));
    sound.samples.append(QList<qint16>(Microphone::kSampleRate / 5, 0));
    return sound;
}

// The record button of the word in the first row (Enter on its cell, as from the keyboard), or
// of the letter B on the letters' page; this one is returned.
QPushButton* openRecording(Fixture& fx, Kind kind) {
    fx.dialogs.expectInput("Erst das Passwort eingeben:", "Passwort", QString(), fx.points());
    Fixture::key(&fx.main(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    WordListEditor& editor = fx.window<WordListEditor>();
    if (kind == Kind::Word) {
        editor.table->goTo(0, WordTableModel::RecordColumn);
        Fixture::key(editor.table, Qt::Key_Return);
        return nullptr;
    }
    Fixture::click(editor.lettersButton);
    LetterRecordings& letters = fx.window<LetterRecordings>();
    QPushButton* button =
        (kind == Kind::LetterName ? letters.nameButtons : letters.soundButtons).at(1);
    Fixture::click(button);
    return button;
}

// The record button's name, in the table or on the letters' page.
QString markName(Fixture& fx, QPushButton* letterButton) {
    const WordTableModel& model = fx.window<WordListEditor>().model();
    return letterButton ? letterButton->accessibleName()
                        : model.index(0, WordTableModel::RecordColumn)
                              .data(Qt::AccessibleTextRole)
                              .toString();
}

std::optional<Sound> kept(Fixture& fx, Kind kind, const QString& key) {
    QFile file(fx.app().recordings().path(kind, key));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return WaveFile::decode(file.readAll());
}
} // namespace

class RecordingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void recordListenDelete_data();
    void recordListenDelete();
    void nothingKept_data();
    void nothingKept();
};

void RecordingWindowTest::recordListenDelete_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("unrecorded");
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<QString>("heard");
    QTest::newRow("word") << Kind::Word << "Kuchen"
                          << "Kuchen aufnehmen"
                          << "Aufnahme von Kuchen"
                          << "Kuchen";
    QTest::newRow("letter name") << Kind::LetterName << "B"
                                 << "Namen von B aufnehmen"
                                 << "Aufnahme des Namens von B" << Spoken::letter("B");
    QTest::newRow("letter sound") << Kind::LetterSound << "B"
                                  << "Laut von B aufnehmen"
                                  << "Aufnahme des Lauts von B"
                                  << Spoken::letter("B", Spoken::Letters::Sounds);
}

void RecordingWindowTest::recordListenDelete() {
    QFETCH(Kind, kind);
    QFETCH(QString, key);
    QFETCH(QString, unrecorded);
    QFETCH(QString, recorded);
    QFETCH(QString, heard);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({{"Kuchen", 3}, {"Mond", 4}}));
    fx.start();
    ScriptedMicrophone microphone;
    microphone.heard = spoken(2000);
    fx.app().setMicrophone(microphone);
    QPushButton* mark = openRecording(fx, kind);
    QCOMPARE(markName(fx, mark), unrecorded);
    auto* box = qobject_cast<RecordingWindow*>(QApplication::activeModalWidget());
    QVERIFY(box);
    RecordingWindow& window = *box;
    QCOMPARE(window.textLabel->text(), key);
    QCOMPARE(window.status->text(), QStringLiteral("Noch keine Aufnahme"));
    QCOMPARE(QApplication::focusWidget(), window.recordButton);
    QVERIFY(!window.deleteButton->isEnabled());

    Fixture::click(window.recordButton);
    QCOMPARE(window.recordButton->text(), QStringLiteral("Stopp"));
    QCOMPARE(window.status->accessibleName(), QStringLiteral("Es wird aufgenommen …"));
    Fixture::click(window.recordButton);
    QCOMPARE(kept(fx, kind, key), SoundCleanup::cleaned(microphone.heard));
    QCOMPARE(window.status->text(), QStringLiteral("Aufnahme: 1,1 s"));
    QCOMPARE(markName(fx, mark), recorded);

    // Recorded again, louder and longer; the take stops itself.
    microphone.heard = spoken(9000, 2.5);
    window.longestTake.setInterval(1);
    Fixture::click(window.recordButton);
    QTRY_VERIFY(!window.isRecording());
    QCOMPARE(kept(fx, kind, key), SoundCleanup::cleaned(microphone.heard));
    QCOMPARE(window.status->text(), QStringLiteral("Aufnahme: 2,6 s"));

    Fixture::click(window.listenButton);
    QCOMPARE(fx.speech.said.last(), heard);
    fx.speech.setOn(false);
    Fixture::click(window.listenButton);
    QCOMPARE(window.status->text(), QStringLiteral("Zum Anhören erst „Vorlesen“ einschalten."));

    const QString question = "Soll die Aufnahme von „" + key + "“ gelöscht werden?\r";
    fx.dialogs.expectMessage(question, kTitle, MsgBox::YesNoQuestion, MsgBox::Yes);
    Fixture::click(window.deleteButton);
    QVERIFY(!kept(fx, kind, key));
    QCOMPARE(window.status->text(), QStringLiteral("Noch keine Aufnahme"));
    QCOMPARE(markName(fx, mark), unrecorded);
    Fixture::key(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QCOMPARE(fx.window<WordListEditor>().notice->text(), QStringLiteral("2 Zeilen."));
    if (mark)
        Fixture::click(fx.window<LetterRecordings>().backButton);
    QVERIFY(fx.window<WordListEditor>().isVisible());
    VERIFY_DIALOGS(fx);
}

void RecordingWindowTest::nothingKept_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("peak");
    QTest::addColumn<QString>("message"); // %1 the working folder
    QTest::newRow("no microphone")
        << false << false << 2000
        << "Es wurde kein Mikrofon gefunden.\rEs wird nichts aufgenommen.\r";
    QTest::newRow("silence") << false << true << 0 << "";
    QTest::newRow("read-only folder")
        << true << true << 2000
        << "In den Ordner\r%1\rdarf MOX-ABC nicht schreiben: Er ist schreibgeschützt.\rEs wird "
           "nichts aufgenommen.\r";
}

void RecordingWindowTest::nothingKept() {
    QFETCH(bool, readOnly);
    QFETCH(bool, present);
    QFETCH(int, peak);
    QFETCH(QString, message);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({{"Kuchen", 3}}));
    fx.writeFile(QStringLiteral("MOXABC.INI"), " 10 \r\n");
    std::unique_ptr<ReadOnlyView> view;
    if (readOnly && !(view = std::make_unique<ReadOnlyView>(fx.path()))->ok)
        QSKIP("a read-only bind mount needs the superuser");
    fx.startIn(view ? view->path() : fx.path());
    ScriptedMicrophone microphone;
    microphone.present = present;
    microphone.heard = spoken(peak);
    fx.app().setMicrophone(microphone);
    openRecording(fx, Kind::Word);
    auto* box = qobject_cast<RecordingWindow*>(QApplication::activeModalWidget());
    QVERIFY(box);
    RecordingWindow& window = *box;
    if (!message.isEmpty())
        fx.dialogs.expectMessage(message.replace("%1", fx.app().workDir().path()), kTitle,
                                 MsgBox::OkOnly);
    Fixture::click(window.recordButton);
    if (window.isRecording())
        Fixture::click(window.recordButton);
    VERIFY_DIALOGS(fx);
    QCOMPARE(microphone.starts, readOnly ? 0 : 1);
    QCOMPARE(QDir(fx.path() + "/Aufnahmen").entryList(QDir::Files), QStringList());
    QCOMPARE(window.status->text(), peak == 0
                                        ? "Es war nichts zu hören. Bitte noch einmal aufnehmen."
                                        : "Noch keine Aufnahme");
}

QTEST_MAIN(RecordingWindowTest)
#include "tst_recording_window.moc"
