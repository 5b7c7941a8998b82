#include "klasse/klasse_window.h"

#include "app/mox_app.h"
#include "klasse/class_room.h"
#include "klasse/pictures.h"
#include "klasse/practice.h"
#include "lernstand/lernstand_actions.h"
#include "lernstand/lernstand_window.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/palette.h"
#include "platform/safe_file.h"
#include "platform/twips.h"
#include "platform/write_access.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QIcon>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {
const QString kTitle = QStringLiteral("Klasse");

QString picturePath(const QString& key) {
    return QStringLiteral(":/kinder/%1.svg").arg(key);
}
} // namespace

KlasseWindow::KlasseWindow(MoxApp& app)
    : app_(app) {
    setWindowTitle(kTitle);
    createControls();
}

void KlasseWindow::createControls() {
    setClientSize(8520, 6135);
    Liste1 = new QListWidget(this);
    Liste1->setAccessibleName(QStringLiteral("Kinder"));
    Liste1->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 12, false));
    Liste1->setIconSize(QSize(Twips::toPixels(480), Twips::toPixels(480)));
    place(Liste1, 120, 120, 3480, 5400);
    connect(Liste1, &QListWidget::currentRowChanged, this, &KlasseWindow::updateEnabled);
    auto button = [this](const QString& text, int top, auto slot) {
        auto* control = new QPushButton(text, this);
        place(control, 3720, top, 1680, 495);
        connect(control, &QPushButton::clicked, this, slot);
        return control;
    };
    newChildButton = button(QStringLiteral("Neues Kind"), 120, &KlasseWindow::newChild);
    renameButton = button(QStringLiteral("Umbenennen"), 735, &KlasseWindow::renameChild);
    pictureButton = button(QStringLiteral("Bild"), 1350, &KlasseWindow::choosePicture);
    removeButton = button(QStringLiteral("Entfernen"), 1965, &KlasseWindow::removeChild);
    overviewButton = button(QStringLiteral("Lernstand"), 2700, &KlasseWindow::showOverview);
    reportButton = button(QStringLiteral("Bericht"), 3255, [this] {
        LernstandActions::showReports(app_, this, selectedId(),
                                      LearningFigures::Period::SchoolYear);
    });
    exportButton = button(QStringLiteral("Exportieren"), 3810,
                          [this] { LernstandActions::exportRecords(app_); });
    schoolYearButton = button(QStringLiteral("Neues Schuljahr"), 4365,
                              [this] { LernstandActions::startSchoolYear(app_); });
    backButton = button(QStringLiteral("Zurück"), 5025, &KlasseWindow::back);
    practiseBox = new QCheckBox(QStringLiteral("Üben, was schwerfällt"), this);
    place(practiseBox, 120, 5640, 3480, 375);
    connect(practiseBox, &QCheckBox::toggled, this, &KlasseWindow::setPractising);
    speechBox = new QCheckBox(QStringLiteral("Vorlesen"), this);
    place(speechBox, 3720, 5640, 1680, 375);
    connect(speechBox, &QCheckBox::toggled, this, &KlasseWindow::speechChosen);

    pictureChoice = new QWidget(this);
    place(pictureChoice, 5520, 120, 2880, 5160);
    const QList<ChildPicture>& all = childPictures();
    for (qsizetype i = 0; i < all.size(); ++i) {
        auto* picture =
            new PictureButton(picturePath(all[i].key), all[i].name, Qt::white, pictureChoice);
        place(picture, static_cast<int>(i % 4) * 720, static_cast<int>(i / 4) * 645, 600, 600);
        connect(picture, &PictureButton::clicked, this,
                [this, key = all[i].key] { takePicture(key); });
        pictures.append(picture);
    }
    pictureChoice->hide();
}

void KlasseWindow::Form_Load() {
    placeOnScreen(Placement::Centred);
    showClass();
}

void KlasseWindow::showClass() {
    practised_.clear();
    fillList();
}

void KlasseWindow::fillList() {
    const int selected = selectedId();
    Liste1->clear();
    for (const Child& child : app_.classRoom().list().children()) {
        auto found = practised_.constFind(child.id);
        if (found == practised_.constEnd())
            found = practised_.insert(child.id, practisedText(app_.classRoom(), child.id));
        const QString& practised = *found;
        auto* item = new QListWidgetItem(
            QIcon(picturePath(child.picture)),
            practised.isEmpty() ? child.name : child.name + u'\n' + practised, Liste1);
        item->setData(Qt::UserRole, child.id);
    }
    select(selected);
    const QSignalBlocker quietPractise(practiseBox);
    practiseBox->setChecked(app_.classRoom().list().practiseWeak());
    pictureChoice->hide();
    updateEnabled();
    const ClassRoom& room = app_.classRoom();
    const QSignalBlocker quiet(speechBox);
    speechBox->setChecked(room.speechOn());
    speechBox->setEnabled(!room.speechSetByAdministrator());
    speechBox->setToolTip(room.speechSetByAdministrator()
                              ? QStringLiteral("Vorlesen: vom Administrator festgelegt")
                              : QStringLiteral("Vorlesen für alle Kinder der Klasse"));
}

int KlasseWindow::selectedId() const {
    const QListWidgetItem* item = Liste1->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void KlasseWindow::select(int id) {
    for (int row = 0; row < Liste1->count(); ++row) {
        if (Liste1->item(row)->data(Qt::UserRole).toInt() == id)
            Liste1->setCurrentRow(row);
    }
    if (!Liste1->currentItem() && Liste1->count() > 0)
        Liste1->setCurrentRow(0);
}

void KlasseWindow::updateEnabled() {
    const bool chosen = selectedId() != 0;
    for (QPushButton* needsChild :
         {renameButton, pictureButton, removeButton, overviewButton, reportButton, exportButton})
        needsChild->setEnabled(chosen);
    if (!chosen)
        pictureChoice->hide();
}

bool KlasseWindow::mayWrite() {
    return WriteAccess::allowed(app_.dialogs(),
                                QFileInfo(app_.classRoom().listPath()).absolutePath(),
                                QStringLiteral("Die Klasse bleibt, wie sie war.\r"), kTitle);
}

bool KlasseWindow::keep(const QString& refusal) {
    ClassRoom& room = app_.classRoom();
    if (!refusal.isEmpty()) {
        app_.dialogs().msgBox(refusal, MsgBox::OkOnly, kTitle);
        return false;
    }
    if (const WriteResult written = room.save(); !written) {
        room.load();
        const QString why = SafeFile::reason(written);
        app_.dialogs().msgBox(
            QStringLiteral("Die Datei '%1' kann nicht gespeichert werden!\r%2Die "
                           "Klasse bleibt, wie sie war.\r")
                .arg(ClassList::fileName(), why.isEmpty() ? QString() : why + QLatin1Char('\r')),
            MsgBox::OkOnly, kTitle);
        fillList();
        return false;
    }
    return true;
}

void KlasseWindow::newChild() {
    if (!mayWrite())
        return;
    const QString name =
        app_.dialogs().inputBox(QStringLiteral("Vorname des neuen Kindes:"), kTitle);
    if (name.isEmpty())
        return;
    int id = 0;
    if (!keep(app_.classRoom().list().add(name, &id)))
        return;
    fillList();
    select(id);
}

void KlasseWindow::renameChild() {
    const Child* child = app_.classRoom().list().find(selectedId());
    if (!child || !mayWrite())
        return;
    const int id = child->id;
    const QString name = app_.dialogs().inputBox(
        QStringLiteral("Neuer Vorname für %1:").arg(child->name), kTitle, child->name);
    if (name.isEmpty())
        return;
    if (keep(app_.classRoom().list().rename(id, name)))
        fillList();
}

void KlasseWindow::choosePicture() {
    ClassList& list = app_.classRoom().list();
    const Child* child = list.find(selectedId());
    if (!child)
        return;
    const QList<ChildPicture>& all = childPictures();
    for (qsizetype i = 0; i < all.size(); ++i) {
        PictureButton* picture = pictures[i];
        const QString& key = all[i].key;
        const auto owner = std::ranges::find(list.children(), key, &Child::picture);
        const bool other = owner != list.children().end() && owner->id != child->id;
        picture->setEnabled(!other);
        picture->setToolTip(
            other ? QStringLiteral("%1 (hat %2)").arg(picture->accessibleName(), owner->name)
                  : picture->accessibleName());
        if (key == child->picture)
            picture->setFocus();
    }
    pictureChoice->show();
}

void KlasseWindow::takePicture(const QString& key) {
    const int id = selectedId();
    if (id == 0 || !mayWrite())
        return;
    if (keep(app_.classRoom().list().setPicture(id, key)))
        fillList();
}

void KlasseWindow::removeChild() {
    ClassRoom& room = app_.classRoom();
    const Child* child = room.list().find(selectedId());
    if (!child || !mayWrite())
        return;
    const int id = child->id;
    const int answer = app_.dialogs().msgBox(
        QStringLiteral("%1 aus der Klasse entfernen?\rAlles, was von %1 aufgeschrieben ist, wird "
                       "gelöscht.\r")
            .arg(child->name),
        MsgBox::YesNoQuestion, kTitle);
    if (answer != MsgBox::Yes)
        return;
    room.list().remove(id);
    if (!keep({}))
        return;
    if (!room.records().remove(id))
        app_.dialogs().msgBox(
            QStringLiteral("Im Ordner\r%1\rlässt sich nicht alles löschen, was aufgeschrieben "
                           "ist.\r")
                .arg(QDir::toNativeSeparators(room.records().folder())),
            MsgBox::OkOnly, kTitle);
    fillList();
}

void KlasseWindow::setPractising(bool on) {
    ClassList& list = app_.classRoom().list();
    if (mayWrite()) {
        list.setPractiseWeak(on);
        keep({});
    }
    showClass();
}

void KlasseWindow::speechChosen(bool on) {
    ClassRoom& room = app_.classRoom();
    if (!mayWrite()) {
        fillList();
        return;
    }
    room.list().setSpeechOn(on);
    if (!keep({}))
        return;
    if (room.exists())
        app_.speech().setOn(room.speechOn());
}

void KlasseWindow::showOverview() {
    LernstandWindow& overview = app_.window<LernstandWindow>();
    overview.showOverview();
    hide();
    overview.showFromOpener();
}

void KlasseWindow::back() {
    app_.backToMain(*this);
}
