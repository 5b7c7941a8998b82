#include "platform/collation.h"
#include "platform/controls.h"

#include <QTest>

class CollationTest : public QObject {
    Q_OBJECT
private slots:
    void sortsIntoAbcOrder_data();
    void sortsIntoAbcOrder();
    void comparesPairs_data();
    void comparesPairs();
    void sortedListBoxFilesItemsInPlace();
};

void CollationTest::sortsIntoAbcOrder_data() {
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("second letter, D")
        << QStringList{"Dackel", "dämlich", "Deich",     "Dienstag", "Doktor",
                       "dösen",  "Drachen", "Dschungel", "Durst",    "düsen"};
    QTest::newRow("second letter, F")
        << QStringList{"Fahrrad", "fällig",  "Felsen", "Finger", "Flagge",
                       "Folie",   "Förster", "Frisör", "Fuchs",  "Füße"};
    QTest::newRow("second letter, B") << QStringList{"Baby",  "Bär",  "Benzin", "Biene", "Blitz",
                                                     "Bohne", "böse", "Bremse", "Buch",  "bügeln"};
    QTest::newRow("fifth letter, Str")
        << QStringList{"Stradivari", "Strafe",   "Strahl", "Stralsund", "Strampelanzug",
                       "Strand",     "Strapaze", "Straße", "Strategie", "Strauch"};
    QTest::newRow("fifth letter, Vers")
        << QStringList{"Versand",     "Verschlag",  "Verse",       "Versetzung", "Versicherung",
                       "Versklavung", "Versorgung", "Versprechen", "Verstand",   "Versuch"};
    QTest::newRow("verbs with hyphen and blank") << QStringList{
        "umdrehen", "verlaufen", "wählen", "X-Beine machen", "Yoga machen", "zaubern"};
    QTest::newRow("word search pool") << QStringList{
        "alt",      "arbeiten", "Auto",     "doof",       "Dorf",    "dröhnen",        "mager",
        "Mensch",   "mögen",    "wählen",   "Wasser",     "wichtig", "X-Beine machen", "x-beliebig",
        "Xylophon", "Yen",      "y-förmig", "Yoga machen"};
}

void CollationTest::sortsIntoAbcOrder() {
    QFETCH(QStringList, sorted);
    QStringList shuffled = sorted;
    std::reverse(shuffled.begin(), shuffled.end());
    std::rotate(shuffled.begin(), shuffled.begin() + 3, shuffled.end());
    abcSort(shuffled);
    QCOMPARE(shuffled, sorted);
}

void CollationTest::comparesPairs_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("case is ignored") << "apfel"
                                     << "Birne";
    QTest::newRow("prefix first") << "Reif"
                                  << "Reifen";
    QTest::newRow("blank before letters") << "Yoga machen"
                                          << "Yogamatte";
    QTest::newRow("plain vowel before umlaut") << "Bar"
                                               << "Bär";
    QTest::newRow("umlaut as plain vowel") << "Bär"
                                           << "Bas";
    QTest::newRow("sharp s as ss") << "Strasse"
                                   << "Straße";
    QTest::newRow("hyphen ignored") << "x-beliebig"
                                    << "Xylophon";
}

void CollationTest::comparesPairs() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QVERIFY(abcLess(first, second));
    QVERIFY(!abcLess(second, first));
    QVERIFY(abcCompare(first, first) == 0);
}

void CollationTest::sortedListBoxFilesItemsInPlace() {
    AbcListBox list(nullptr);
    for (const char* word : {"zart", "Auto", "Yoga machen", "y-förmig", "Yen", "beten"})
        list.addSorted(QString::fromUtf8(word));
    QCOMPARE(list.texts(),
             (QStringList{"Auto", "beten", "Yen", "y-förmig", "Yoga machen", "zart"}));
}

QTEST_MAIN(CollationTest)
#include "tst_collation.moc"
