#include "app/speech_switch.h"

#include "app/mox_app.h"
#include "klasse/class_room.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/palette.h"
#include "platform/speech.h"
#include "platform/twips.h"

#include <QDir>

namespace {
const QString kName = QStringLiteral("Vorlesen");
const QString kOnIcon = QStringLiteral(":/icons/vorlesen.svg");
const QString kOffIcon = QStringLiteral(":/icons/vorlesen_aus.svg");
constexpr int kSide = 495;
} // namespace

SpeechSwitch::SpeechSwitch(MoxApp& app, QWidget* mainWindow, int left, int top)
    : QObject(mainWindow)
    , app_(app) {
    button_ = new PictureButton(kOnIcon, kName, Colors::LightGrey, mainWindow);
    button_->setCheckable(true);
    button_->setAccessibleDescription(QStringLiteral("Schalter"));
    place(button_, left, top, kSide, kSide);
    caption_ = new ClickLabel(QStringLiteral(" ") + kName, mainWindow);
    caption_->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 9.75, true));
    caption_->setCursor(Qt::PointingHandCursor);
    place(caption_, left + kSide + 45, top + 120, 1200, 255);

    classUse_ = app_.classRoom().exists();
    if (classUse_) {
        button_->hide();
        caption_->hide();
    }
    const bool on = classUse_ ? app_.classRoom().speechOn() : app_.settings().speechOn();
    app_.speech().setOn(on);
    show(on);
    connect(button_, &PictureButton::toggled, this, &SpeechSwitch::chosen);
    connect(caption_, &ClickLabel::clicked, button_, &PictureButton::click);
    connect(&app_.speech(), &Speech::switchedOn, this, &SpeechSwitch::show);
    // Asked once the main window is up: the bus may take its time to answer.
    QMetaObject::invokeMethod(
        this,
        [this] {
            app_.screenReader().ask(this, [this](bool running) { screenReaderAnswered(running); });
        },
        Qt::QueuedConnection);
}

void SpeechSwitch::setClassUse(bool classUse) {
    if (classUse == classUse_)
        return;
    classUse_ = classUse;
    button_->setVisible(!classUse);
    caption_->setVisible(!classUse);
    app_.speech().setOn(classUse ? app_.classRoom().speechOn() : app_.settings().speechOn());
}

void SpeechSwitch::show(bool on) {
    const QSignalBlocker quiet(button_);
    button_->setChecked(on);
    button_->setIconPath(on ? kOnIcon : kOffIcon);
    button_->setToolTip(on ? kName : kName + QStringLiteral(" (aus)"));
}

void SpeechSwitch::chosen(bool on) {
    userChose_ = true;
    const WriteResult written = app_.settings().setSpeechOn(on);
    app_.speech().setOn(on);
    show(on);
    if (on)
        app_.speech().say(QStringLiteral("Vorlesen an"));
    if (!written) {
        const QString why = SafeFile::reason(written);
        app_.dialogs().msgBox(
            QStringLiteral("„Vorlesen“ bleibt nur bis zum Ende von MOX-ABC so, denn die "
                           "Datei\r%1\rlässt sich nicht schreiben.\r")
                    .arg(QDir::toNativeSeparators(app_.settings().userFile())) +
                (why.isEmpty() ? QString() : why + u'\r'),
            MsgBox::OkOnly, kName);
    }
}

void SpeechSwitch::screenReaderAnswered(bool running) {
    if (running && !userChose_)
        app_.speech().setOn(false);
}
