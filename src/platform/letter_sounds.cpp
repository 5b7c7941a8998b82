#include "platform/letter_sounds.h"

#include <array>
#include <utility>

namespace {

// Each sound is over before the letter's name would be, so that it stays a sound a child says
// along with. Vowels are short, as at the start of the word beside them (a long vowel is the
// letter's name itself); continuants are held by repeating them, which the voice runs together
// (a length mark does not lengthen its consonants); stops cannot be held, so each carries the
// shortest vowel the voice has, a murmured e ("@") cut off by a syllable end ("-"). A letter that
// borrows the sound of another (C, V, Y, Ä, ß) has a blank before the brackets close, which the
// voice does not hear: so what is said still tells the letter, and the teacher's recording of
// that letter's own sound is played for it.
constexpr std::array<std::pair<char16_t, const char*>, 30> kSounds{{
    {u'A', "[[a]]"}, // Affe
    {u'B', "[[b@-]]"},
    // Few first words begin with C, and those a child meets (Clown, Computer, Comic) begin
    // with k, so the sound tables show it as k.
    {u'C', "[[k@- ]]"},
    {u'D', "[[d@-]]"},
    {u'E', "[[E]]"}, // Ente
    {u'F', "[[f:]]"},
    {u'G', "[[g@-]]"},
    {u'H', "[[h@-]]"},
    {u'I', "[[I]]"}, // Insel
    {u'J', "[[jjj]]"},
    {u'K', "[[k@-]]"},
    {u'L', "[[llll]]"},
    {u'M', "[[mmm]]"},
    {u'N', "[[n:n:n:n:]]"},
    {u'O', "[[O]]"}, // Ostern
    {u'P', "[[p@-]]"},
    // Q comes only with u, and "Qu" (Qualle) is heard as kw: the sound tables teach both at once.
    {u'Q', "[[kv@-]]"},
    {u'R', "[[RR]]"},
    {u'S', "[[ss]]"},
    {u'T', "[[t@-]]"},
    {u'U', "[[U]]"}, // und
    // V begins its first words (Vogel, Vater) as an f, and the sound tables show it so.
    {u'V', "[[f: ]]"},
    {u'W', "[[vv]]"},
    // No German word begins with the sound of X; the sound tables show it inside a word
    // (Hexe, Taxi), as ks.
    {u'X', "[[ks]]"},
    // The first words with Y in the sound tables (Yak, Yoga) begin with the sound of j.
    {u'Y', "[[jjj ]]"},
    {u'Z', "[[tss]]"},
    {u'\u00C4', "[[E ]]"},  // Äpfel: a short ä sounds as a short e
    {u'\u00D6', "[[W]]"},   // öffnen
    {u'\u00DC', "[[y]]"},   // Küche
    {u'\u00DF', "[[ss ]]"}, // Straße
}};

} // namespace

QString LetterSounds::phonemes(QChar letter) {
    // ß has no capital of its own in the letters a child learns.
    const QChar capital = letter == QChar(u'\u00DF') ? letter : letter.toUpper();
    for (const auto& [key, sound] : kSounds) {
        if (capital == QChar(key))
            return QString::fromLatin1(sound);
    }
    return {};
}

QChar LetterSounds::letterOf(const QString& phonemes) {
    for (const auto& [key, sound] : kSounds) {
        if (phonemes == QLatin1String(sound))
            return QChar(key);
    }
    return {};
}

QString LetterSounds::letters() {
    QString all;
    for (const auto& entry : kSounds)
        all.append(QChar(entry.first));
    return all;
}
