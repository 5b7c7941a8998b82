#include "fixture.h"

#include "app/settings.h"
#include "platform/on_screen.h"
#include "platform/twips.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPointingDevice>

namespace {
double fixedTimeOfDay() {
    return 36000.5;
}
} // namespace

Fixture::Fixture(std::uint64_t seed)
    : random(fixedTimeOfDay, seed) {
    Twips::setScale(1.0);
    OnScreen::setSettleTime(0);
    Q_ASSERT(dir_.isValid());
    printer.setFolder(dir_.filePath(QStringLiteral("gedruckt")));
    // The program's own settings of this test, never those of the person running it.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.filePath(QStringLiteral("user"))));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(config_.filePath(QStringLiteral("system"))));
}

Fixture::~Fixture() = default;

void Fixture::writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

QByteArray Fixture::readFile(const QString& name) const {
    QFile file(dir_.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Fixture::fileExists(const QString& name) const {
    return QFile::exists(dir_.filePath(name));
}

void Fixture::start() {
    if (!fileExists(Settings::FileName))
        writeFile(Settings::FileName, " 10 \r\n");
    startWithoutSettings();
}

void Fixture::writeProgramSettings(const QString& scope, const QByteArray& bytes) {
    const QString folder = config_.filePath(scope + QStringLiteral("/moxabc"));
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/moxabc.conf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the %s settings", qPrintable(scope));
}

void Fixture::startWithoutSettings() {
    startIn(dir_.path());
}

void Fixture::startIn(const QString& folder) {
    app_.reset();
    settings_ = std::make_unique<ProgramSettings>();
    app_ = std::make_unique<MoxApp>(*dialogs_, random, QDir(folder), *settings_);
    app_->setPrinter(printer);
    app_->setSpeech(*voice);
    app_->setScreenReader(screenReader);
    app_->start();
    // The first window is drawn, then what waited for it comes.
    settle();
    settle();
}

void Fixture::setPoints(const QString& caption) {
    main().Bezeichnung1->setText(caption);
}

void Fixture::click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
    settle();
}

void Fixture::key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(window, key, modifiers);
    settle();
}

QPointingDevice* Fixture::touchScreen() {
    static QPointer<QPointingDevice> device;
    if (!device) {
        device = QTest::createTouchDevice();
        device->setParent(QCoreApplication::instance());
    }
    return device;
}

void Fixture::settle() {
    QCoreApplication::processEvents();
}

QByteArray wordListBytes(const QList<QPair<QString, int>>& entries) {
    QByteArray bytes;
    for (const auto& [word, page] : entries)
        bytes += word.toUtf8() + "\r\n" + QByteArray::number(page) + "\r\n";
    return bytes;
}

QByteArray wordListBytes(const QStringList& words) {
    QList<QPair<QString, int>> entries;
    for (const QString& word : words)
        entries.append({word, static_cast<int>(entries.size()) + 1});
    return wordListBytes(entries);
}

QByteArray longWordList(int entries) {
    QByteArray bytes;
    for (int i = 1; i <= entries; ++i)
        bytes += "Wort" + QByteArray::number(i) + "\r\n" + QByteArray::number(i % 500 + 1) + "\r\n";
    return bytes;
}
