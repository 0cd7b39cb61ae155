#pragma once
// What a file on disk looked like when the editor last read or wrote it, to
// notice when another program changes, replaces or deletes it.
#include <QByteArray>
#include <QString>

namespace zorvel {

struct DiskStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0; // the modification time in nanoseconds
    quint64 device = 0;
    quint64 inode = 0; // a file replaced by renaming another over it is another inode
    QByteArray hash;   // of the file's bytes; empty when not taken

    bool operator==(const DiskStamp&) const = default;
    // Everything the file system tells without reading the file.
    bool sameMetadata(const DiskStamp& other) const;
    // A stamp that no file matches: what the file looked like is not known.
    static DiskStamp unknown();
};

// The file's metadata and the hash of its bytes.
DiskStamp diskStampOf(const QString& path);

enum class DiskChange { Same, Changed, Deleted };

// Whether the file still holds what seen recorded. Metadata that moved while the
// bytes stayed (a touch, the same text written back, another device number after
// a restart) is no change: seen takes the new metadata, so the bytes are not read
// again. The bytes are read only when the size is the same.
DiskChange diskChangeSince(DiskStamp& seen, const QString& path);

} // namespace zorvel
