#include "app/teacher_entries.h"

#include "app/mox_app.h"
#include "app/selected_word_list.h"
#include "app/settings.h"
#include "editor/list_names.h"
#include "editor/word_list_editor.h"
#include "klasse/class_room.h"
#include "klasse/klasse_window.h"
#include "klasse/teacher_password.h"
#include "lernstand/lernstand_actions.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/write_access.h"
#include "print/worksheet_window.h"

#include <QKeySequence>
#include <QLabel>
#include <QShortcut>

#include <cmath>

TeacherEntries::TeacherEntries(MoxApp& app, QWidget* mainWindow, QLabel* pointsLabel,
                               QLabel* thresholdLabel)
    : QObject(mainWindow)
    , app_(app)
    , points_(pointsLabel)
    , threshold_(thresholdLabel) {
    auto* print = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D), mainWindow);
    connect(print, &QShortcut::activated, this, &TeacherEntries::printWorksheets);
    auto* threshold = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), mainWindow);
    connect(threshold, &QShortcut::activated, this, &TeacherEntries::changeThreshold);
    auto* wordLists = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W), mainWindow);
    connect(wordLists, &QShortcut::activated, this, &TeacherEntries::editWordLists);
    auto* klasse = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), mainWindow);
    connect(klasse, &QShortcut::activated, this, &TeacherEntries::editClass);
}

bool TeacherEntries::passwordMatches(const QString& prompt) {
    ClassRoom& room = app_.classRoom();
    const bool matches = room.exists() && !room.passwordHash().isEmpty()
                             ? TeacherPassword::matches(app_.dialogs(), room, prompt)
                             : app_.dialogs().inputBox(prompt, QStringLiteral("Passwort"),
                                                       QString()) == points_->text();
    if (matches)
        LernstandActions::tellRecordsNotice(app_);
    return matches;
}

void TeacherEntries::printWorksheets() {
    if (!passwordMatches(QStringLiteral("Erst das Passwort eingeben:")))
        return;
    if (!wordListSelected(app_)) {
        app_.dialogs().msgBox(QStringLiteral("Erst ein Wörterbuch auswählen!\r"), MsgBox::OkOnly,
                              QStringLiteral("ABC drucken ..."));
        return;
    }
    const std::optional<WordList> wordList =
        readSelectedWordList(app_, QStringLiteral("ABC drucken ..."));
    if (!wordList)
        return;
    Form8& printing = app_.window<Form8>();
    printing.fillList(wordList->entries, listDisplayName(listInUse(app_)));
    app_.open(printing);
}

void TeacherEntries::editWordLists() {
    if (!passwordMatches(QStringLiteral("Erst das Passwort eingeben:")))
        return;
    WordListEditor& editor = app_.window<WordListEditor>();
    editor.openLists();
    app_.open(editor);
}

void TeacherEntries::changeThreshold() {
    if (!passwordMatches(QStringLiteral("Erst Passwort eingeben:")))
        return;
    const QString title = QStringLiteral("M O X A B C");
    // Asked before the new value, so that nobody types one that could not be kept.
    if (!WriteAccess::allowed(app_.dialogs(), app_.workDir().absolutePath(),
                              QStringLiteral("Die Punktzahl bleibt, wie sie war.\r"), title))
        return;
    double typed = 0;
    do {
        typed = textToNumber(app_.dialogs().inputBox(
            QStringLiteral("Notwendige Punktzahl für die Belohnung (10-100):"),
            QStringLiteral("Belohnung"), QStringLiteral("30")));
        if (typed == 0)
            return;
    } while (typed < 10 || typed > 100);
    // Points are whole numbers, so the threshold is too; rounded only once in range, so that
    // 9.5 or 100.4 are asked again.
    const double threshold = std::round(typed);
    if (const WriteResult written = Settings::writeThreshold(app_.workDir(), threshold); !written) {
        const QString why = SafeFile::reason(written);
        app_.dialogs().msgBox(
            QStringLiteral("Die Datei 'MOXABC.INI' kann nicht gespeichert werden!\r") +
                (why.isEmpty() ? QString() : why + u'\r') +
                QStringLiteral("Die Punktzahl bleibt, wie sie war.\r"),
            MsgBox::OkOnly, title);
        return;
    }
    threshold_->setText(bareText(threshold));
}

void TeacherEntries::editClass() {
    ClassRoom& room = app_.classRoom();
    const ClassListRead read = room.load();
    const QString title = QStringLiteral("Klasse");
    const QString where = QDir::toNativeSeparators(room.listPath());
    if (read.status == ClassListRead::Status::Damaged && read.list.isEmpty()) {
        // Left as it is, so that nothing the teacher may still need is written over.
        app_.dialogs().msgBox(QStringLiteral("Die Datei\r%1\rist keine Klassenliste, die MOX-ABC "
                                             "lesen kann (%2).\rSie bleibt, wie sie ist.\r")
                                  .arg(where, read.problems.join(QStringLiteral(", "))),
                              MsgBox::OkOnly, title);
        return;
    }
    const QString prompt = QStringLiteral("Erst das Passwort eingeben:");
    if (!room.passwordHash().isEmpty()) {
        if (!TeacherPassword::matches(app_.dialogs(), room, prompt))
            return;
    } else if (!passwordMatches(prompt) || !TeacherPassword::choose(app_.dialogs(), room)) {
        return;
    }
    if (!read.problems.isEmpty())
        app_.dialogs().msgBox(
            QStringLiteral("In der Klassenliste\r%1\rist nicht alles lesbar. Nicht "
                           "beachtet:\r%2\rBeim nächsten Speichern fällt es "
                           "weg.\r")
                .arg(where, read.problems.join(u'\r')),
            MsgBox::OkOnly, title);
    LernstandActions::tellRecordsNotice(app_);
    KlasseWindow& klasse = app_.window<KlasseWindow>();
    klasse.showClass();
    app_.open(klasse);
}
