#include "exercises/word_sets.h"

#include <array>

namespace WordSets {

namespace {

using Groups = std::array<QStringList, kGroupCount>;

const std::array<Groups, 4>& allGroups() {
    static const std::array<Groups, 4> groups{{
        {{
            {"Biene", "Buch", "Benzin", "böse", "Bremse", "Baby", "Bohne", "Blitz", "Bär",
             "bügeln"},
            {"Doktor", "Deich", "düsen", "Drachen", "Dackel", "dösen", "Dschungel", "Dienstag",
             "Durst", "dämlich"},
            {"Förster", "Felsen", "Füße", "Frisör", "Flagge", "Fuchs", "Fahrrad", "Finger", "Folie",
             "fällig"},
        }},
        {{
            {"Hospital", "Hobel", "Honig", "Hofhund", "Holzfäller", "Horoskop", "Hochzeit",
             "Hoheit", "Hotel", "Hokuspokus"},
            {"Kaffee", "Kandidat", "Kaktus", "Kapelle", "Kamin", "Kahn", "Kalender", "Kater",
             "Kabine", "Kauz"},
            {"Meister", "Mehl", "Messer", "Medizin", "Metzger", "Meer", "Melodie", "Mechaniker",
             "Meuterei", "Menge"},
        }},
        {{
            {"Proviant", "Professor", "Projektor", "Probe", "Programm", "Prospekt", "Propeller",
             "Protest", "Prominenz", "Prozent"},
            {"Reifen", "Reise", "Reiz", "Reibeisen", "Reiher", "Reim", "Reich", "Reigen",
             "Reinfall", "Reiter"},
            {"Trichter", "Trinkgeld", "Tribüne", "Trikot", "Triumpf", "Trieb", "Trittbrett",
             "Trillerpfeife", "Triangel", "Trip"},
        }},
        {{
            {"Schiene", "Schild", "Schinken", "Schirm", "Schiff", "Schicht", "Schimpanse",
             "Schistock", "Schippe", "Schikane"},
            {"Strahl", "Straße", "Strapaze", "Strategie", "Strafe", "Strauch", "Strand",
             "Stralsund", "Stradivari", "Strampelanzug"},
            {"Versicherung", "Versand", "Versprechen", "Versuch", "Verschlag", "Versorgung",
             "Verstand", "Verse", "Versklavung", "Versetzung"},
        }},
    }};
    return groups;
}

} // namespace

const QStringList& nouns() {
    static const QStringList words{
        "Auto", "Bett",    "Clown", "Dorf",   "Eimer",  "Fenster",  "Gans",    "Himmel", "Indianer",
        "Jojo", "Koffer",  "Lampe", "Mensch", "Natur",  "Onkel",    "Pistole", "Quark",  "Rakete",
        "Sofa", "Telefon", "Ufer",  "Vater",  "Wasser", "Xylophon", "Yen",     "Zebra"};
    return words;
}

const QStringList& verbs() {
    static const QStringList words{
        "arbeiten",  "beten",   "campen",         "dröhnen",     "entern",    "feiern", "glauben",
        "hören",     "irren",   "jodeln",         "kippen",      "lesen",     "mögen",  "niesen",
        "ordnen",    "pfeifen", "qualmen",        "rechnen",     "schreiben", "tanzen", "umdrehen",
        "verlaufen", "wählen",  "X-Beine machen", "Yoga machen", "zaubern"};
    return words;
}

const QStringList& adjectives() {
    static const QStringList words{
        "alt",   "braun", "clever", "doof",  "echt",    "frei",       "glücklich", "hohl", "irre",
        "jung",  "kurz",  "lang",   "mager", "neu",     "oval",       "privat",    "quer", "reich",
        "sanft", "teuer", "ulkig",  "voll",  "wichtig", "x-beliebig", "y-förmig",  "zart"};
    return words;
}

const QStringList& sameStart(int decidingLetter, int group) {
    return allGroups().at(decidingLetter - 2).at(group);
}

} // namespace WordSets
