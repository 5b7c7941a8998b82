#include "platform/picture_cache.h"

#include "platform/safe_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSaveFile>
#include <QSvgRenderer>

namespace {

QString& folderPath() {
    static QString path;
    return path;
}

QHash<QString, QPixmap>& drawn() {
    static QHash<QString, QPixmap> pictures;
    return pictures;
}

// The SVG's bytes as compiled in (reading a resource this way costs no copy); a file's bytes
// otherwise.
QByteArray svgBytes(const QString& svgPath) {
    const QResource resource(svgPath);
    if (resource.isValid() && resource.data())
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                       static_cast<qsizetype>(resource.size()));
    QFile file(svgPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pixels as they are drawn, after a short header: read back without decoding anything.
const QByteArray kMagic = QByteArrayLiteral("MOXPIC1\n");

QImage readPicture(const QString& path, QSize pixels) {
    QFile file;
    const qsizetype bytes = qsizetype(pixels.width()) * pixels.height() * 4;
    if (!SafeFile::openForReading(file, path) || file.size() != kMagic.size() + bytes ||
        file.read(kMagic.size()) != kMagic)
        return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.sizeInBytes() != bytes ||
        file.read(reinterpret_cast<char*>(image.bits()), bytes) != bytes)
        return {};
    return image;
}

QString fileName(const QString& svgPath, QSize pixels, PictureCache::Fit fit) {
    const QByteArray bytes = svgBytes(svgPath);
    if (bytes.isEmpty())
        return {};
    QCryptographicHash digest(QCryptographicHash::Sha1);
    digest.addData(bytes);
    digest.addData(QByteArrayView(qVersion()));
    return QStringLiteral("%1-%2x%3-%4-%5.argb")
        .arg(QFileInfo(svgPath).completeBaseName())
        .arg(pixels.width())
        .arg(pixels.height())
        .arg(fit == PictureCache::Fit::Stretch ? QLatin1Char('s') : QLatin1Char('k'))
        .arg(QString::fromLatin1(digest.result().toHex().left(16)));
}

QImage draw(const QString& svgPath, QSize pixels, PictureCache::Fit fit) {
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QRectF area(QPointF(0, 0), QSizeF(pixels));
    if (fit == PictureCache::Fit::KeepAspect) {
        QSizeF picture = renderer.defaultSize();
        if (picture.isEmpty())
            return {};
        picture.scale(area.size(), Qt::KeepAspectRatio);
        area = QRectF(QPointF((pixels.width() - picture.width()) / 2,
                              (pixels.height() - picture.height()) / 2),
                      picture);
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, area);
    return image;
}

// Kept for the next start; a cache that cannot be written only costs the next start the time
// to draw, so nothing is said about it.
void keep(const QImage& image, const QString& path) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return;
    QSaveFile file(path);
    const auto bytes = reinterpret_cast<const char*>(image.constBits());
    if (file.open(QIODevice::WriteOnly) && file.write(kMagic) == kMagic.size() &&
        file.write(bytes, image.sizeInBytes()) == image.sizeInBytes() && file.flush())
        file.commit();
}

} // namespace

void PictureCache::setFolder(const QString& folder) {
    folderPath() = folder;
}

QString PictureCache::folder() {
    return folderPath();
}

QPixmap PictureCache::picture(const QString& svgPath, QSize pixels, qreal devicePixelRatio,
                              Fit fit) {
    if (pixels.isEmpty())
        return {};
    const QString memoryKey =
        folderPath() + u'|' + svgPath + u'|' + QString::number(pixels.width()) + u'x' +
        QString::number(pixels.height()) + (fit == Fit::Stretch ? u's' : u'k');
    QPixmap pixmap = drawn().value(memoryKey);
    if (pixmap.isNull()) {
        const QString name = folderPath().isEmpty() ? QString() : fileName(svgPath, pixels, fit);
        const QString path = name.isEmpty() ? QString() : QDir(folderPath()).filePath(name);
        QImage image;
        if (!path.isEmpty() && QFileInfo(path).isFile())
            image = readPicture(path, pixels);
        if (image.isNull()) {
            image = draw(svgPath, pixels, fit);
            if (!image.isNull() && !path.isEmpty())
                keep(image, path);
        }
        if (image.isNull())
            return {};
        pixmap = QPixmap::fromImage(std::move(image));
        drawn().insert(memoryKey, pixmap);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon PictureCache::windowIcon(const QString& svgPath) {
    QIcon icon;
    for (const int side : {16, 32, 64, 128}) {
        const QPixmap pixmap = picture(svgPath, QSize(side, side), 1.0);
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    }
    return icon;
}
