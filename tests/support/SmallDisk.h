// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QString>
#include <QTemporaryDir>

namespace tavolin::testing {

// A real disk that fills up: a tmpfs of `bytes` bytes mounted on a temporary folder for as
// long as the object lives. Mounting needs root; a test checks mounted() and skips without.
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes) {
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0777";
        mounted_ = folder_.isValid() && geteuid() == 0 &&
                   ::mount("tmpfs", QFile::encodeName(folder_.path()).constData(), "tmpfs", 0,
                           options.constData()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

    qint64 bytesFree() const { return QStorageInfo(folder_.path()).bytesAvailable(); }

    // Takes room with a file of its own until only `bytes` stay free.
    void leaveFree(qint64 bytes) {
        QFile filler(filePath(".filler"));
        filler.open(QIODevice::Append);
        const qint64 toTake = bytesFree() - bytes;
        if (toTake > 0) {
            filler.write(QByteArray(toTake, '\0'));
        }
        filler.close();
    }

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
};

}  // namespace tavolin::testing
