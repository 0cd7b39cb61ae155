#pragma once
// Unsaved text kept apart from the user's files, so that a crash, a kill or a
// lost session loses nothing: one journal per changed document, written
// atomically, in a folder of the user's data. Each run holds a lock of its own;
// journals whose run holds no live lock were left by a run that did not end
// normally and can be offered back.
#include "disk_stamp.h"
#include "text_file.h"

#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace zorvel {

struct JournalEntry {
    QString fileName; // empty for an untitled page
    QString text;     // exactly as the document would be saved, line breaks and all
    TextFormat format;
    // The file as it was when the document was last loaded or saved, to tell a
    // change made after the crash. Journals of earlier versions have none: unknown.
    DiskStamp disk = DiskStamp::unknown();
};

QByteArray encodeJournal(const JournalEntry& entry);
std::optional<JournalEntry> decodeJournal(const QByteArray& bytes);

struct OrphanJournal {
    QString path;
    JournalEntry entry;
};

class RecoveryStore {
public:
    // An empty directory keeps no journals (and finds none).
    explicit RecoveryStore(const QString& directory);
    // Releases this run's lock; its journals stay for the next run to find.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Whether journals are to be kept at all; writing them may still fail.
    bool enabled() const { return !dir_.isEmpty(); }
    // Journals of runs that are no longer running, oldest first.
    std::vector<OrphanJournal> orphans() const;
    // Deletes a journal found by orphans(), and its run's lock once it has none left.
    void discard(const OrphanJournal& orphan) const;
    // Makes a journal found by orphans() this run's journal of the document: moved,
    // not copied, so that a full disk does not lose it. Throws FileWriteError.
    void adopt(const OrphanJournal& orphan, int document);

    // The journal of one document of this run. write throws FileWriteError; the
    // folder and this run's lock are made again by the next write when they could not be.
    void write(int document, const JournalEntry& entry);
    void remove(int document) const;
    QString journalPath(int document) const;

private:
    // Makes the folder and takes this run's lock; the reason when that fails.
    std::optional<QString> takeLock();
    void ensureLocked(); // throws FileWriteError with that reason

    QString dir_;
    QString session_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace zorvel
