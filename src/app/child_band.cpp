#include "app/child_band.h"

#include "app/mox_app.h"
#include "app/speech_switch.h"
#include "klasse/class_room.h"
#include "klasse/class_session.h"
#include "klasse/who_are_you_window.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/palette.h"
#include "platform/picture_cache.h"
#include "platform/twips.h"

#include <QEvent>
#include <QLabel>

ChildBand::ChildBand(MoxApp& app, QWidget* mainWindow, SpeechSwitch& speech)
    : QObject(mainWindow)
    , app_(app)
    , mainWindow_(mainWindow)
    , speech_(speech) {
    mainWindow->installEventFilter(this);
}

void ChildBand::build() {
    picture_ = new QLabel(mainWindow_);
    picture_->setAlignment(Qt::AlignCenter);
    Accessibility::markDecorative(picture_);
    place(picture_, 1680, 120, 495, 495);
    name_ = new FittingLabel(Twips::font(QStringLiteral("Comic Sans MS"), 12, true), Colors::Blue,
                             Qt::transparent, mainWindow_);
    name_->setAutoFillBackground(false);
    name_->setAccessibleDescription(QStringLiteral("Kind"));
    place(name_, 2220, 180, 1380, 375);
    handOver_ = new PictureButton(QStringLiteral(":/icons/anderes_kind.svg"),
                                  QStringLiteral("Anderes Kind"), Colors::LightGrey, mainWindow_);
    handOver_->setToolTip(QStringLiteral("Anderes Kind: Wer bist du?"));
    place(handOver_, 3660, 120, 495, 495);
    // Reached by Tab where the switch is otherwise.
    QWidget::setTabOrder(speech_.button(), handOver_);
    connect(handOver_, &PictureButton::clicked, this, &ChildBand::handOver);
    connect(&app_.session(), &ClassSession::childChanged, this, &ChildBand::showChild);
}

bool ChildBand::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainWindow_ && event->type() == QEvent::Show)
        refresh();
    return QObject::eventFilter(watched, event);
}

void ChildBand::refresh() {
    const bool classUse = app_.classRoom().exists();
    speech_.setClassUse(classUse);
    if (classUse && !handOver_)
        build();
    if (!handOver_)
        return;
    for (QWidget* part : {static_cast<QWidget*>(picture_), static_cast<QWidget*>(name_),
                          static_cast<QWidget*>(handOver_)})
        part->setVisible(classUse);
    if (classUse)
        showChild();
}

void ChildBand::showChild() {
    const Child* child = app_.session().child();
    const QString name = child ? child->name : QString();
    name_->setText(name);
    name_->setAccessibleName(name);
    if (!child) {
        picture_->clear();
        return;
    }
    const qreal ratio = picture_->devicePixelRatioF();
    picture_->setPixmap(PictureCache::picture(QStringLiteral(":/kinder/%1.svg").arg(child->picture),
                                              picture_->size() * ratio, ratio,
                                              PictureCache::Fit::KeepAspect));
}

void ChildBand::handOver() {
    app_.session().handOver();
    app_.setPointsTotal(0);
    app_.window<WhoAreYouWindow>().ask();
}
