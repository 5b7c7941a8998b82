#pragma once

#include <QFile>

#include <sys/mount.h>

// A small file system of its own on an empty folder, to fill once the test's files are there.
// Mounting needs the superuser, who runs the tests here; elsewhere ok stays false.
struct FullDisk {
    explicit FullDisk(const QString& folder)
        : path(QFile::encodeName(folder))
        , ok(::mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k") == 0) {}
    ~FullDisk() {
        if (ok)
            ::umount2(path.constData(), MNT_DETACH);
    }
    void fill() const {
        QFile file(QFile::decodeName(path + "/.fill"));
        if (ok && file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            while (file.write("x", 1) == 1) {
            }
    }

    const QByteArray path;
    const bool ok;
};
