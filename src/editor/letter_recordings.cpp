#include "editor/letter_recordings.h"

#include "app/mox_app.h"
#include "editor/recording_marks.h"
#include "editor/recording_window.h"
#include "platform/letter_sounds.h"
#include "platform/twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kFont = QStringLiteral("MS Sans Serif");
// The letters stand in columns of this many, A to J in the first.
constexpr int kRowsPerColumn = 10;
} // namespace

LetterRecordings::LetterRecordings(MoxApp& app)
    : letters(LetterSounds::letters())
    , app_(app) {
    setWindowTitle(QStringLiteral("Buchstaben aufnehmen"));
    setBackgroundColor(QColor(255, 250, 235));
    setFont(Twips::font(kFont, 9.75));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Twips::toPixels(90));
    grid->setVerticalSpacing(Twips::toPixels(45));
    const int iconSide = fontMetrics().height();
    for (int i = 0; i < letters.size(); ++i) {
        const QString letter = letters.at(i);
        auto* label = new QLabel(letter, this);
        label->setFont(Twips::font(kFont, 14, true));
        label->setAlignment(Qt::AlignCenter);
        auto button = [&](const QString& text, Recordings::Kind kind) {
            auto* created = new QPushButton(text, this);
            created->setIconSize(QSize(iconSide, iconSide));
            connect(created, &QPushButton::clicked, this, [this, kind, i] { record(kind, i); });
            return created;
        };
        nameButtons.append(button(QStringLiteral("Name"), Recordings::Kind::LetterName));
        soundButtons.append(button(QStringLiteral("Laut"), Recordings::Kind::LetterSound));
        const int row = i % kRowsPerColumn;
        const int column = i / kRowsPerColumn * 4;
        grid->addWidget(label, row, column);
        grid->addWidget(nameButtons.last(), row, column + 1);
        grid->addWidget(soundButtons.last(), row, column + 2);
        // A gap between the columns of letters, so that each letter's buttons stay its own.
        if (column > 0)
            grid->setColumnMinimumWidth(column - 1, Twips::toPixels(360));
    }
    backButton = new QPushButton(QStringLiteral("Zurück"), this);
    connect(backButton, &QPushButton::clicked, this, &LetterRecordings::back);
    recording = new RecordingWindow(app_, this);
    connect(recording, &RecordingWindow::changed, this, &LetterRecordings::showMarks);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Jeder Buchstabe kann als Name (Be) und als "
                                                "Laut (b) aufgenommen werden."),
                                 this),
                      1);
    bottom->addWidget(backButton);
    auto* layout = new QVBoxLayout(this);
    const int margin = Twips::toPixels(240);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(Twips::toPixels(180));
    layout->addLayout(grid);
    layout->addLayout(bottom);
}

void LetterRecordings::Form_Load() {
    adjustSize();
    placeOnScreen(Placement::Centred);
}

void LetterRecordings::Form_Activate() {
    nameButtons.first()->setFocus();
}

void LetterRecordings::open(MoxWindow& opener) {
    opener_ = &opener;
    for (const QChar letter : letters) {
        showMarks(Recordings::Kind::LetterName, letter);
        showMarks(Recordings::Kind::LetterSound, letter);
    }
    opener.hide();
    showFromOpener();
}

void LetterRecordings::back() {
    hide();
    if (opener_)
        opener_->showFromOpener();
}

void LetterRecordings::record(Recordings::Kind kind, int letter) {
    recording->open(kind, letters.at(letter));
}

void LetterRecordings::showMarks(Recordings::Kind kind, const QString& key) {
    const qsizetype at = letters.indexOf(key);
    if (kind == Recordings::Kind::Word || key.size() != 1 || at < 0)
        return;
    RecordingMarks::show((kind == Recordings::Kind::LetterName ? nameButtons : soundButtons).at(at),
                         app_.recordings(), kind, key);
}
