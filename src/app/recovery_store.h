#pragma once
// Unsaved text kept apart from the user's files, so that a crash, a kill or a
// lost session loses nothing: one journal per changed document, written
// atomically, in a folder of the user's data. Each run holds a lock of its own;
// journals whose run holds no live lock were left by a run that did not end
// normally and can be offered back.
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

    bool enabled() const { return lock_ != nullptr; }
    // Journals of runs that are no longer running, oldest first.
    std::vector<OrphanJournal> orphans() const;
    // Deletes a journal found by orphans(), and its run's lock once it has none left.
    void discard(const OrphanJournal& orphan) const;

    // The journal of one document of this run. write throws FileWriteError.
    void write(int document, const JournalEntry& entry) const;
    void remove(int document) const;
    QString journalPath(int document) const;

private:
    QString dir_;
    QString session_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace zorvel
