#pragma once

#include <QString>
#include <QTemporaryDir>

// A read-only view of a folder, made the way a school server shares a class folder: a read-only
// bind mount, since mode bits do not stop the superuser (who runs the tests here). Without the
// right to mount, the folder's own mode bits make it read-only instead.
class ReadOnlyView {
public:
    explicit ReadOnlyView(const QString& folder);
    ~ReadOnlyView();
    ReadOnlyView(const ReadOnlyView&) = delete;
    ReadOnlyView& operator=(const ReadOnlyView&) = delete;

    // Where the folder can be read but not written.
    QString path() const { return path_; }
    // Empty when the view could be made; else why not.
    QString error() const { return error_; }

private:
    QString folder_;
    QTemporaryDir mountPoint_;
    QString path_;
    QString error_;
    bool mounted_ = false;
};
