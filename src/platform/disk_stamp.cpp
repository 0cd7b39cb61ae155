#include "disk_stamp.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>

namespace zorvel {

namespace {

DiskStamp metadataOf(const QString& path) {
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {true,
            qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            quint64(st.st_dev),
            quint64(st.st_ino),
            {}};
}

// SHA-1: a fixed algorithm, so a hash kept in a recovery journal still compares
// after an upgrade; collisions made on purpose are no concern here.
QByteArray hashOf(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result();
}

} // namespace

bool DiskStamp::sameMetadata(const DiskStamp& other) const {
    return exists == other.exists && size == other.size && modifiedNs == other.modifiedNs && device == other.device &&
           inode == other.inode;
}

DiskStamp DiskStamp::unknown() {
    DiskStamp stamp;
    stamp.exists = true;
    stamp.size = -1;
    return stamp;
}

DiskStamp diskStampOf(const QString& path) {
    DiskStamp stamp = metadataOf(path);
    if (stamp.exists)
        stamp.hash = hashOf(path);
    return stamp;
}

DiskChange diskChangeSince(DiskStamp& seen, const QString& path) {
    const DiskStamp now = metadataOf(path);
    if (now.sameMetadata(seen))
        return DiskChange::Same;
    if (!now.exists)
        return seen.exists ? DiskChange::Deleted : DiskChange::Same;
    if (!seen.exists || now.size != seen.size || seen.hash.isEmpty())
        return DiskChange::Changed;
    const DiskStamp read = diskStampOf(path);
    if (read.hash.isEmpty() || read.hash != seen.hash)
        return DiskChange::Changed;
    seen = read;
    return DiskChange::Same;
}

} // namespace zorvel
