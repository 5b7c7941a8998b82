#include "platform/loadable_voice.h"
#include "platform/loaded_voice.h"
#include "platform/module_microphone.h"
#include "platform/picture_cache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

namespace {
const QByteArray kSquare = "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                           "<rect width='10' height='10' fill='#0000ff'/></svg>";

QRgb middle(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

// The one kept file of the folder.
QString keptFile(const QDir& folder) {
    const QStringList files = folder.entryList(QDir::Files);
    return files.size() == 1 ? folder.filePath(files.first()) : QString();
}
} // namespace

// What the program does to start fast: pictures drawn once and kept, the voice loaded late.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void picturesKept();
    void voiceLoadedWhenFirstNeeded();
};

void StartupTest::picturesKept() {
    QTemporaryDir work;
    const QString svg = work.filePath(QStringLiteral("square.svg"));
    QFile source(svg);
    QVERIFY(source.open(QIODevice::WriteOnly) && source.write(kSquare) == kSquare.size());
    source.close();
    const QDir first(work.filePath(QStringLiteral("first")));
    PictureCache::setFolder(first.path());
    const QPixmap drawn = PictureCache::picture(svg, QSize(24, 24), 1.0);
    QCOMPARE(drawn.size(), QSize(24, 24));
    QCOMPARE(middle(drawn), qRgb(0, 0, 255));
    const QString kept = keptFile(first);
    QVERIFY(!kept.isEmpty());

    // A later start reads the kept pixels instead of drawing: here, a kept file made red.
    const QDir second(work.filePath(QStringLiteral("second")));
    QVERIFY(second.mkpath(QStringLiteral(".")));
    QFile file(kept);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    for (qsizetype at = bytes.size() - 24 * 24 * 4; at < bytes.size(); at += 4)
        std::memcpy(bytes.data() + at, "\x00\x00\xff\xff", 4);
    const QString copy = second.filePath(QFileInfo(kept).fileName());
    QFile red(copy);
    QVERIFY(red.open(QIODevice::WriteOnly) && red.write(bytes) == bytes.size());
    red.close();
    PictureCache::setFolder(second.path());
    QCOMPARE(middle(PictureCache::picture(svg, QSize(24, 24), 1.0)), qRgb(255, 0, 0));

    // A torn file is drawn afresh and replaced; a changed picture is kept under a new name.
    const QDir third(work.filePath(QStringLiteral("third")));
    QVERIFY(third.mkpath(QStringLiteral(".")));
    QVERIFY(QFile::copy(copy, third.filePath(QFileInfo(kept).fileName())));
    QVERIFY(QFile::resize(third.filePath(QFileInfo(kept).fileName()), 100));
    PictureCache::setFolder(third.path());
    QCOMPARE(middle(PictureCache::picture(svg, QSize(24, 24), 2.0)), qRgb(0, 0, 255));
    QCOMPARE(QFileInfo(keptFile(third)).size(), QFileInfo(kept).size());
    // Had the name not changed with the picture, the old blue file would be read here.
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(QByteArray(kSquare).replace("#0000ff", "#00ff00"));
    source.close();
    const QDir fourth(work.filePath(QStringLiteral("fourth")));
    QVERIFY(fourth.mkpath(QStringLiteral(".")));
    QVERIFY(QFile::copy(kept, fourth.filePath(QFileInfo(kept).fileName())));
    PictureCache::setFolder(fourth.path());
    QCOMPARE(middle(PictureCache::picture(svg, QSize(24, 24), 1.0)), qRgb(0, 255, 0));
    QCOMPARE(fourth.entryList(QDir::Files).size(), 2);
    PictureCache::setFolder({});
}

void StartupTest::voiceLoadedWhenFirstNeeded() {
    LoadedVoice missing(QStringLiteral("/nonexistent/moxabc-voice.so"));
    missing.say(QStringLiteral("A"));
    QVERIFY(!missing.isLoaded());
    // Without the module there is no microphone either, and the record button hears so.
    ModuleMicrophone none(missing);
    QSignalSpy noneFound(&none, &Microphone::missing);
    none.start();
    QVERIFY(noneFound.wait(1000));
    QVERIFY(none.stop().isEmpty());

    LoadedVoice voice(QStringLiteral(MOXABC_VOICE_MODULE_FILE));
    voice.prepare();
    voice.stop();
    QVERIFY(!voice.isLoaded());
    voice.say(QStringLiteral("A"));
    QVERIFY(voice.isLoaded());
    voice.stop();
    QVERIFY(voice.makeMicrophone());
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
