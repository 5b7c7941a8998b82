#pragma once

#include "platform/safe_file.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One child of the class. The id never changes and is never given twice, so that a renamed
// child keeps their record and a new child never inherits a removed one's.
struct Child {
    int id = 0;
    QString name;
    QString picture; // a key of childPictures()

    bool operator==(const Child&) const = default;
};

struct ClassListRead;

// The children of a class, sorted by name as the teacher reads them, and the teacher's
// password, with the rules a teacher keeps: every child has a first name of their own and a
// picture of their own. A change that breaks a rule is refused with the reason in German, and
// the list stays as it was.
class ClassList {
public:
    static constexpr int kMaxNameLength = 40;
    // The file in the class folder.
    static QString fileName();

    const QList<Child>& children() const { return children_; }
    bool isEmpty() const { return children_.isEmpty(); }
    const Child* find(int id) const;

    // The new child gets the first picture nobody has. Returns why not, or nothing; id is the
    // new child's.
    QString add(const QString& name, int* id = nullptr);
    QString rename(int id, const QString& name);
    QString setPicture(int id, const QString& picture);
    void remove(int id);

    // The salted hash of the teacher's password; empty while none was chosen.
    QString passwordHash() const { return passwordHash_; }
    void setPasswordHash(const QString& hash) { passwordHash_ = hash; }
    // The teacher's switch "Üben, was schwerfällt": tasks follow each child's record.
    bool practiseWeak() const { return practiseWeak_; }
    void setPractiseWeak(bool on) { practiseWeak_ = on; }

    // Reading aloud for every child of the class, as the teacher chose; on unless switched off.
    bool speechOn() const { return speechOn_; }
    void setSpeechOn(bool on) { speechOn_ = on; }

    // The file's text (UTF-8): a first line that marks it, the next id, the password's hash,
    // reading aloud when it is off, and one line per child.
    QByteArray toBytes() const;

private:
    friend ClassListRead readClassList(const QString& path);
    // Blanks around and doubled inside removed, line breaks and tabs too.
    static QString cleanName(const QString& name);
    QString nameRefusal(const QString& name, int exceptId) const;
    // Takes one line of the file; returns why not.
    QString takeLine(QStringView line);
    void sort();

    QList<Child> children_;
    int nextId_ = 1;
    QString passwordHash_;
    bool practiseWeak_ = false;
    bool speechOn_ = true;
};

struct ClassListRead {
    enum class Status { Missing, Read, Damaged };
    Status status = Status::Missing;
    // From a damaged file, the children of the lines that could be used.
    ClassList list;
    // What was left out, one line each, in German.
    QStringList problems;
};

// A line that breaks a rule is left out and named in problems. A file that is no class list at
// all (not a regular file, far too large, not UTF-8, without its first line) is Damaged and
// empty.
ClassListRead readClassList(const QString& path);
// Writes the list whole or not at all; false when the file could not be written.
WriteResult writeClassList(const QString& path, const ClassList& list);
