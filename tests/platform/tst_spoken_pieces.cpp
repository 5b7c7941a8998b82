#include "platform/speech.h"
#include "platform/spoken_pieces.h"

#include <QTest>

// Which clauses of what is said are played from the teacher's recordings: exactly a letter, a
// letter's sound or a recorded word, never a word inside a longer clause.
class SpokenPiecesTest : public QObject {
    Q_OBJECT
private slots:
    void recordedClausesPlayed_data();
    void recordedClausesPlayed();
};

void SpokenPiecesTest::recordedClausesPlayed_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("recorded");
    // The pieces, " | " between them, a recording's file after "=".
    QTest::addColumn<QString>("pieces");
    const auto sounds = [](const char* row) {
        return Spoken::letterRow(QString::fromUtf8(row), Spoken::Letters::Sounds);
    };
    QTest::newRow("a letter's name")
        << "D" << QStringList{"Buchstabe-D", "Laut-D"} << "D=Buchstabe-D";
    QTest::newRow("a letter's sound")
        << sounds("D") << QStringList{"Buchstabe-D", "Laut-D"} << "[[d@-]]=Laut-D";
    QTest::newRow("a name, only the sound recorded") << "D" << QStringList{"Laut-D"} << "D";
    QTest::newRow("letters that share a sound")
        << sounds(" C  K  Ä  E  ß ")
        << QStringList{"Laut-C", "Laut-K", "Laut-Ä", "Laut-E", "Laut-ß"}
        << "[[k@- ]],=Laut-C | [[k@-]],=Laut-K | [[E ]],=Laut-Ä | [[E]],=Laut-E | [[ss ]]=Laut-ß";
    QTest::newRow("small letters")
        << "d, ä, ß" << QStringList{"Buchstabe-D", "Buchstabe-Ä", "Buchstabe-ß"}
        << "d,=Buchstabe-D | ä,=Buchstabe-Ä | ß=Buchstabe-ß";
    QTest::newRow("a word") << "Kuchen" << QStringList{"Wort-Kuchen"} << "Kuchen=Wort-Kuchen";
    QTest::newRow("a word as written")
        << "kuchen!" << QStringList{"Wort-kuchen"} << "kuchen!=Wort-kuchen";
    QTest::newRow("a word inside a sentence")
        << "Ich esse Kuchen." << QStringList{"Wort-Kuchen"} << "Ich esse Kuchen.";
    QTest::newRow("a word and its syllables")
        << "Kuchen. Ku, chen." << QStringList{"Wort-Kuchen"} << "Kuchen.=Wort-Kuchen | Ku, chen.";
    QTest::newRow("a row with a gap")
        << Spoken::letterRow("  D  E  _  G  H  ")
        << QStringList{"Buchstabe-D", "Buchstabe-E", "Buchstabe-H"}
        << "D,=Buchstabe-D | E,=Buchstabe-E | Lücke, G, | H=Buchstabe-H";
    QTest::newRow("lines") << "Richtig!\nApfel\r\nDas ist\rein Baum. Toll"
                           << QStringList{"Wort-Apfel"}
                           << "Richtig! | Apfel=Wort-Apfel | Das ist\rein Baum. Toll";
    QTest::newRow("marks inside a word")
        << "z.B. 1,5" << QStringList{"Buchstabe-Z", "Wort-1"} << "z.B. 1,5";
    QTest::newRow("nothing recorded") << "A, B.\n" << QStringList() << "A, B.";
}

void SpokenPiecesTest::recordedClausesPlayed() {
    QFETCH(QString, text);
    QFETCH(QStringList, recorded);
    QFETCH(QString, pieces);
    const auto find = [&](Recordings::Kind kind, const QString& key) {
        static const QMap<Recordings::Kind, QString> names{
            {Recordings::Kind::Word, "Wort-"},
            {Recordings::Kind::LetterName, "Buchstabe-"},
            {Recordings::Kind::LetterSound, "Laut-"}};
        const QString name = names.value(kind) + key;
        return recorded.contains(name) ? name : QString();
    };
    QStringList split;
    for (const VoicePiece& piece : SpokenPieces::split(text, find))
        split.append(piece.recording.isEmpty() ? piece.text : piece.text + "=" + piece.recording);
    QCOMPARE(split.join(" | "), pieces);
}

QTEST_GUILESS_MAIN(SpokenPiecesTest)
#include "tst_spoken_pieces.moc"
