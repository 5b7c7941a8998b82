#include "read_only_view.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

ReadOnlyView::ReadOnlyView(const QString& folder)
    : folder_(folder) {
    if (::geteuid() != 0) {
        ::chmod(QFile::encodeName(folder).constData(), 0555);
        path_ = folder;
        return;
    }
    const QByteArray source = QFile::encodeName(folder);
    const QByteArray target = QFile::encodeName(mountPoint_.path());
    if (::mount(source.constData(), target.constData(), nullptr, MS_BIND, nullptr) != 0) {
        error_ = QStringLiteral("mount --bind: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return;
    }
    mounted_ = true;
    if (::mount(nullptr, target.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) !=
        0) {
        error_ = QStringLiteral("mount -o remount,bind,ro: %1")
                     .arg(QString::fromLocal8Bit(strerror(errno)));
        return;
    }
    path_ = mountPoint_.path();
}

ReadOnlyView::~ReadOnlyView() {
    if (mounted_)
        ::umount2(QFile::encodeName(mountPoint_.path()).constData(), MNT_DETACH);
    else if (path_ == folder_)
        ::chmod(QFile::encodeName(folder_).constData(), 0755);
}
