#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QSize;

// The program's SVG pictures, drawn once per size and kept: in memory for this run and, once a
// folder is given, as files of their pixels for the next starts, so that a start shows its pictures
// without drawing a single SVG. A file is named by the picture, its size, the Qt version and a
// digest of the SVG itself, so that a changed picture or a new Qt draws afresh.
namespace PictureCache {

enum class Fit {
    Stretch,    // fills the whole size
    KeepAspect, // as large as fits, in its proportions, centred
};

// Where the files are kept (made when first needed); empty keeps them in memory only.
void setFolder(const QString& folder);
QString folder();

// The picture svgPath drawn into pixels (device pixels) at devicePixelRatio; a null pixmap
// when the picture cannot be read.
QPixmap picture(const QString& svgPath, QSize pixels, qreal devicePixelRatio,
                Fit fit = Fit::Stretch);

// An icon of the picture at the sizes a window system asks for its windows' icons.
QIcon windowIcon(const QString& svgPath);

} // namespace PictureCache
