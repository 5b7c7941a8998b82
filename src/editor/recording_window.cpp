#include "editor/recording_window.h"

#include "app/mox_app.h"
#include "platform/dialogs.h"
#include "platform/focus_ring.h"
#include "platform/microphone.h"
#include "platform/sound_cleanup.h"
#include "platform/speech.h"
#include "platform/twips.h"
#include "platform/wave_file.h"
#include "platform/write_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kTitle = QStringLiteral("Aufnahme");
const QString kRecord = QStringLiteral("Aufnehmen");
const QString kStop = QStringLiteral("Stopp");
const QString kFont = QStringLiteral("MS Sans Serif");
// A recording file that was damaged meanwhile is read no further than this.
constexpr double kLongestFileSeconds = 10.0;
} // namespace

RecordingWindow::RecordingWindow(MoxApp& app, QWidget* opener)
    : QDialog(opener)
    , app_(app) {
    setWindowTitle(kTitle);
    setModal(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 250, 235));
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(Twips::font(kFont, 9.75));
    new FocusRing(this);
    createControls();
    longestTake.setSingleShot(true);
    longestTake.setInterval(kLongestTakeMs);
    connect(&longestTake, &QTimer::timeout, this, &RecordingWindow::stopRecording);
}

void RecordingWindow::createControls() {
    textLabel = new QLabel(this);
    textLabel->setFont(Twips::font(kFont, 36, true));
    textLabel->setTextFormat(Qt::PlainText);
    textLabel->setAlignment(Qt::AlignCenter);
    // A long entry of a list breaks into lines rather than widening the window past the screen.
    textLabel->setWordWrap(true);
    kindLabel = new QLabel(this);
    kindLabel->setAlignment(Qt::AlignCenter);
    status = new QLabel(this);
    status->setAlignment(Qt::AlignCenter);
    status->setTextFormat(Qt::PlainText);
    status->setAccessibleDescription(QStringLiteral("Stand der Aufnahme"));

    auto button = [this](const QString& text, auto click) {
        auto* created = new QPushButton(text, this);
        connect(created, &QPushButton::clicked, this, click);
        return created;
    };
    recordButton = button(kRecord, &RecordingWindow::recordOrStop);
    listenButton = button(QStringLiteral("Anhören"), &RecordingWindow::listen);
    deleteButton = button(QStringLiteral("Löschen"), &RecordingWindow::remove);
    closeButton = button(QStringLiteral("Schließen"), &RecordingWindow::reject);
    // "Stopp" is shorter than "Aufnehmen": the button keeps its width, so that the row does not
    // move under the teacher's second click.
    recordButton->setMinimumWidth(recordButton->sizeHint().width());

    auto* buttons = new QHBoxLayout;
    for (QPushButton* each : {recordButton, listenButton, deleteButton})
        buttons->addWidget(each);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    const int margin = Twips::toPixels(240);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(Twips::toPixels(120));
    layout->addWidget(textLabel, 1);
    layout->addWidget(kindLabel);
    layout->addWidget(status);
    layout->addLayout(buttons);
    setMinimumSize(Twips::toPixels(6000), Twips::toPixels(3600));
    setMaximumWidth(Twips::toPixels(12000));
}

void RecordingWindow::open(Recordings::Kind kind, const QString& key) {
    dropTake();
    kind_ = kind;
    key_ = key;
    note_.clear();
    textLabel->setText(key);
    textLabel->setAccessibleName(key);
    switch (kind) {
    case Recordings::Kind::Word:
        kindLabel->setText(QStringLiteral("Wort"));
        break;
    case Recordings::Kind::LetterName:
        kindLabel->setText(QStringLiteral("Name des Buchstabens"));
        break;
    case Recordings::Kind::LetterSound:
        kindLabel->setText(QStringLiteral("Laut des Buchstabens"));
        break;
    }
    readLength();
    showState();
    adjustSize();
    show();
    raise();
    activateWindow();
    recordButton->setFocus();
}

void RecordingWindow::recordOrStop() {
    if (isRecording())
        stopRecording();
    else
        startRecording();
}

void RecordingWindow::startRecording() {
    if (!writable(QStringLiteral("Es wird nichts aufgenommen.\r")))
        return;
    // The program's own voice is not to be heard in the recording.
    app_.speech().stop();
    note_.clear();
    microphone_ = &app_.microphone();
    connect(microphone_, &Microphone::opened, this, [this] { longestTake.start(); });
    connect(microphone_, &Microphone::missing, this, &RecordingWindow::microphoneMissing);
    showState();
    microphone_->start();
}

void RecordingWindow::microphoneMissing() {
    if (!dropTake())
        return;
    showState();
    app_.dialogs().msgBox(QStringLiteral("Es wurde kein Mikrofon gefunden.\rEs wird nichts "
                                         "aufgenommen.\r"),
                          MsgBox::OkOnly, kTitle);
}

Sound RecordingWindow::endTake() {
    longestTake.stop();
    disconnect(microphone_, nullptr, this, nullptr);
    return std::exchange(microphone_, nullptr)->stop();
}

bool RecordingWindow::dropTake() {
    if (!microphone_)
        return false;
    endTake();
    return true;
}

void RecordingWindow::stopRecording() {
    if (!microphone_)
        return;
    const Sound cleaned = SoundCleanup::cleaned(endTake());
    if (cleaned.isEmpty())
        note_ = QStringLiteral("Es war nichts zu hören. Bitte noch einmal aufnehmen.");
    else
        keep(cleaned);
    showState();
}

void RecordingWindow::keep(const Sound& sound) {
    const WriteResult saved = app_.recordings().save(kind_, key_, sound);
    if (!saved) {
        app_.dialogs().msgBox(failureText(saved, QStringLiteral("schreiben"),
                                          QStringLiteral("Die Aufnahme wird nicht gespeichert.\r")),
                              MsgBox::OkOnly, kTitle);
        return;
    }
    recorded_ = true;
    seconds_ = sound.seconds();
    emit changed(kind_, key_);
}

void RecordingWindow::listen() {
    if (!app_.speech().isOn()) {
        setStatus(QStringLiteral("Zum Anhören erst „Vorlesen“ einschalten."));
        return;
    }
    app_.speech().say(spokenText());
}

QString RecordingWindow::spokenText() const {
    switch (kind_) {
    case Recordings::Kind::Word:
        return key_;
    case Recordings::Kind::LetterName:
        return Spoken::letter(key_, Spoken::Letters::Names);
    case Recordings::Kind::LetterSound:
        return Spoken::letter(key_, Spoken::Letters::Sounds);
    }
    return key_;
}

void RecordingWindow::remove() {
    if (!recorded_)
        return;
    const QString kept = QStringLiteral("Die Aufnahme wird nicht gelöscht.\r");
    if (app_.dialogs().msgBox(
            QStringLiteral("Soll die Aufnahme von „%1“ gelöscht werden?\r").arg(key_),
            MsgBox::YesNoQuestion, kTitle) != MsgBox::Yes ||
        !writable(kept))
        return;
    if (const WriteResult removed = app_.recordings().remove(kind_, key_); !removed) {
        app_.dialogs().msgBox(failureText(removed, QStringLiteral("löschen"), kept), MsgBox::OkOnly,
                              kTitle);
        return;
    }
    recorded_ = false;
    seconds_ = 0.0;
    note_.clear();
    showState();
    recordButton->setFocus();
    emit changed(kind_, key_);
}

void RecordingWindow::reject() {
    dropTake();
    app_.speech().stop();
    QDialog::reject();
}

bool RecordingWindow::writable(const QString& consequence) {
    const QString folder = app_.recordings().folder();
    return WriteAccess::allowed(app_.dialogs(),
                                QFileInfo(folder).isDir() ? folder : app_.workDir().absolutePath(),
                                consequence, kTitle);
}

QString RecordingWindow::failureText(WriteResult result, const QString& failed,
                                     const QString& consequence) const {
    const QFileInfo file(app_.recordings().path(kind_, key_));
    const QString folder = file.absolutePath();
    if (QFileInfo(folder).isDir() && !WriteAccess::folderWritable(folder))
        return WriteAccess::readOnlyMessage(folder, consequence);
    QString why = QStringLiteral("Die Datei %1 ließ sich im Ordner %2 nicht %3.")
                      .arg(file.fileName(), QDir::toNativeSeparators(folder), failed);
    if (const QString reason = SafeFile::reason(result); !reason.isEmpty())
        why += u' ' + reason;
    return why + u'\r' + consequence;
}

void RecordingWindow::readLength() {
    seconds_ = 0.0;
    const QString path = app_.recordings().find(kind_, key_);
    recorded_ = !path.isEmpty();
    QFile file;
    if (path.isEmpty() || !SafeFile::openForReading(file, path))
        return;
    if (const auto sound = WaveFile::decode(file.readAll(), kLongestFileSeconds))
        seconds_ = sound->seconds();
}

void RecordingWindow::showState() {
    const bool recording = isRecording();
    recordButton->setText(recording ? kStop : kRecord);
    listenButton->setEnabled(!recording);
    deleteButton->setEnabled(!recording && recorded_);
    if (recording)
        setStatus(QStringLiteral("Es wird aufgenommen …"));
    else if (!note_.isEmpty())
        setStatus(note_);
    else if (seconds_ > 0.0)
        setStatus(QStringLiteral("Aufnahme: %1 s")
                      .arg(QLocale(QLocale::German).toString(seconds_, 'f', 1)));
    else if (recorded_)
        setStatus(QStringLiteral("Die Aufnahme lässt sich nicht abspielen."));
    else
        setStatus(QStringLiteral("Noch keine Aufnahme"));
}

void RecordingWindow::setStatus(const QString& text) {
    status->setText(text);
    status->setAccessibleName(text);
}
