#pragma once
// What a file on disk looked like when the editor last read or wrote it, to
// notice when another program changes, replaces or deletes it.
#include <QString>

namespace zorvel {

struct DiskStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0; // the modification time in nanoseconds
    quint64 device = 0;
    quint64 inode = 0; // a file replaced by renaming another over it is another inode

    bool operator==(const DiskStamp&) const = default;
};

DiskStamp diskStampOf(const QString& path);

} // namespace zorvel
