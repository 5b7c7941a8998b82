// Any bytes as a word-list file: the reader never crashes, and whatever it gives is a list a
// child can work with, which reads back the same when written out again.
#include "check.h"
#include "exercises/word_list.h"

#include <cstdint>

namespace {

bool isUsableWord(const QString& word) {
    if (word.trimmed().isEmpty() || word.size() > kMaxWordLength || !word.isValidUtf16())
        return false;
    for (const QChar ch : word) {
        if (ch.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

// The list as a teacher's editor would save it, in UTF-8 with its mark.
QByteArray written(const WordList& list) {
    QByteArray bytes("\xef\xbb\xbf");
    for (const WordEntry& entry : list.entries)
        bytes += entry.word.toUtf8() + "\r\n" + QByteArray::number(entry.page) + "\r\n";
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const WordList list =
        wordListFromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (list.error == WordListError::TooLarge) {
        FUZZ_CHECK(list.entries.isEmpty());
        return 0;
    }
    FUZZ_CHECK(list.entries.size() <= kMaxWordListEntries);
    for (const WordEntry& entry : list.entries) {
        FUZZ_CHECK(isUsableWord(entry.word));
        FUZZ_CHECK(entry.page >= 1 && entry.page <= kMaxPage);
    }
    FUZZ_CHECK((list.maxPage() == 0) == list.entries.isEmpty());

    const WordList again = wordListFromBytes(written(list));
    FUZZ_CHECK(again.error == WordListError::None);
    FUZZ_CHECK(again.entries.size() == list.entries.size());
    for (qsizetype i = 0; i < list.entries.size(); ++i) {
        FUZZ_CHECK(again.entries[i].word == list.entries[i].word);
        FUZZ_CHECK(again.entries[i].page == list.entries[i].page);
    }
    return 0;
}
