#include "app/mox_app.h"

#include "app/form0.h"
#include "klasse/class_room.h"
#include "klasse/class_session.h"
#include "klasse/who_are_you_window.h"
#include "platform/numbers.h"
#include "platform/printer.h"
#include "platform/recordings.h"
#include "syllables/reading_help.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSysInfo>

MoxApp::MoxApp(Dialogs& dialogs, RandomSource& random, const QDir& workDir,
               ProgramSettings& settings)
    : spokenDialogs_(dialogs, silentSpeech_)
    , random_(random)
    , workDir_(workDir)
    , settings_(settings)
    , readingHelp_(std::make_unique<ReadingHelp>(settings, workDir))
    , systemPrinter_(std::make_unique<SystemPrinter>(workDir))
    , printer_(systemPrinter_.get())
    , clock_([] { return QDateTime::currentDateTime(); }) {}

MoxApp::~MoxApp() {
    speech_->stop();
    windows_.clear();
    main_.reset();
    MoxWindow::setProgramEnding(false);
}

void MoxApp::setSpeech(Speech& speech) {
    speech_ = &speech;
    spokenDialogs_.setSpeech(speech);
}

void MoxApp::start() {
    const auto makeMainWindow = [this] {
        main_ = std::make_unique<Form0>(*this);
        main_->load();
    };
    // A child of the class first says who they are, and their pictures come on screen before
    // the main window is made; it is there long before a child can choose.
    if (classRoom().exists()) {
        window<WhoAreYouWindow>().ask();
        QMetaObject::invokeMethod(this, makeMainWindow, Qt::QueuedConnection);
    } else {
        makeMainWindow();
        main_->show();
    }
    QMetaObject::invokeMethod(
        this, [this] { speech_->prepare(); }, Qt::QueuedConnection);
}

void MoxApp::open(MoxWindow& target) {
    if (main_)
        main_->hide();
    target.showFromOpener();
}

void MoxApp::backToMain(MoxWindow& from) {
    from.hide();
    main_->show();
    main_->raise();
    main_->activateWindow();
}

ClassRoom& MoxApp::classRoom() {
    if (!classRoom_)
        classRoom_ = std::make_unique<ClassRoom>(workDir_, settings_, QSysInfo::machineHostName());
    return *classRoom_;
}

Recordings& MoxApp::recordings() {
    if (!recordings_)
        recordings_ = std::make_unique<Recordings>(workDir_.filePath(QStringLiteral("Aufnahmen")));
    return *recordings_;
}

ClassSession& MoxApp::session() {
    if (!session_)
        session_ = std::make_unique<ClassSession>(classRoom(), clock_);
    return *session_;
}

void MoxApp::taskBegun() {
    if (session_)
        session_->taskBegun();
}

void MoxApp::recordTask(const TaskRecord& task) {
    if (session_)
        session_->record(task);
}

namespace {
// The total as a child hears it: "1 Punkt", "12 Punkte".
QString spokenPoints(const QString& caption) {
    const QString number = caption.trimmed();
    return number + (number == u"1" ? QStringLiteral(" Punkt") : QStringLiteral(" Punkte"));
}
} // namespace

void MoxApp::setPointsTotal(double total) {
    const QString before = pointsCaption();
    main_->Bezeichnung1->setText(bareText(total));
    if (pointsCaption().trimmed() != before.trimmed())
        speech_->sayFirst(spokenPoints(pointsCaption()));
}

void MoxApp::addPoints(double delta, PointsForm form) {
    const QString before = pointsCaption();
    addToPoints(*main_->Bezeichnung1, delta, form);
    if (pointsCaption().trimmed() != before.trimmed())
        speech_->sayFirst(spokenPoints(pointsCaption()));
}

QString MoxApp::pointsCaption() const {
    return main_->Bezeichnung1->text();
}

void MoxApp::endProgram() {
    ended_ = true;
    MoxWindow::setProgramEnding(true);
    for (auto& [type, window] : windows_)
        window->hide();
    if (main_)
        main_->hide();
    QCoreApplication::exit(0);
}
