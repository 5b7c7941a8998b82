#pragma once

#include <QList>
#include <QString>

// The pictures a child finds themself by, before they can read: things a six-year-old names at
// once. The key names the picture's file and stands in the class list; the name is what a
// screen reader and the voice say.
struct ChildPicture {
    QString key;
    QString name;
};

const QList<ChildPicture>& childPictures();
// The picture with this key, or nothing.
const ChildPicture* findChildPicture(const QString& key);
