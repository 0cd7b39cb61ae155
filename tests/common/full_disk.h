#pragma once
// A disk with no room to spare: a tmpfs of 64 KB mounted on a fresh folder.
// Mounting needs root; tests skip when mounted() is false.
#include "temp_dir.h"

#include <sys/mount.h>
#include <unistd.h>

namespace zorvel::testing {

class FullDisk {
public:
    FullDisk() {
        if (::geteuid() != 0)
            return;
        mounted_ = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~FullDisk() {
        if (mounted_)
            ::umount(QFile::encodeName(dir_.path()).constData());
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    bool mounted() const { return mounted_; }
    QString file(const QString& name) const { return dir_.file(name); }
    QString write(const QString& name, const QByteArray& bytes) const { return dir_.write(name, bytes); }
    QByteArray read(const QString& name) const { return dir_.read(name); }

private:
    TempDir dir_;
    bool mounted_ = false;
};

} // namespace zorvel::testing
