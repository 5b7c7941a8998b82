#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

// A small file system of its own on a folder (empty till then), to be filled up after the test
// has put its files there: a full disk as a school's server or a stick may have one. Mounting
// needs the superuser, who runs the tests here; elsewhere ok stays false.
struct FullDisk {
    explicit FullDisk(const QString& folder)
        : path(QFile::encodeName(folder)) {
        ok = ::geteuid() == 0 &&
             ::mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k,mode=0777") == 0;
    }
    ~FullDisk() {
        if (ok)
            ::umount2(path.constData(), MNT_DETACH);
    }
    // Writes a file until not one byte more fits.
    bool fill() const {
        const int handle =
            ::open((path + "/.fill").constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (handle < 0)
            return false;
        const QByteArray block(4096, 'x');
        while (::write(handle, block.constData(), block.size()) > 0) {
        }
        while (::write(handle, "x", 1) > 0) {
        }
        ::close(handle);
        return true;
    }

    QByteArray path;
    bool ok = false;
};
