#include "recovery_store.h"

#include "atomic_write.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace zorvel {

namespace {

constexpr const char* kMagic = "Zorvel recovery 1";
const QString kJournalSuffix = QStringLiteral(".journal");
const QString kLockSuffix = QStringLiteral(".lock");

const char* encodingName(TextEncoding e) {
    switch (e) {
    case TextEncoding::Utf8:
        return "utf-8";
    case TextEncoding::Utf8WithBom:
        return "utf-8-bom";
    case TextEncoding::Latin1:
        return "latin-1";
    }
    return "utf-8";
}

const char* endingName(LineEnding e) {
    switch (e) {
    case LineEnding::CrLf:
        return "crlf";
    case LineEnding::Lf:
        return "lf";
    case LineEnding::Cr:
        return "cr";
    }
    return "crlf";
}

// A journal is named after its run: "<run>-<document>.journal".
QString sessionOf(const QString& journalName) {
    return journalName.left(journalName.lastIndexOf(QLatin1Char('-')));
}

std::unique_ptr<QLockFile> lockFor(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    // A run may hold its lock for days; only a run that is gone makes it stale.
    lock->setStaleLockTime(0);
    return lock;
}

// "exists size time device inode hash"; anything else is a stamp not known.
DiskStamp decodeStamp(const QByteArray& value) {
    const QList<QByteArray> f = value.split(' ');
    bool ok[5] = {};
    DiskStamp d;
    if (f.size() != 6 || (f[0] != "0" && f[0] != "1"))
        return DiskStamp::unknown();
    d.exists = f[0] == "1";
    d.size = f[1].toLongLong(&ok[0]);
    d.modifiedNs = f[2].toLongLong(&ok[1]);
    d.device = f[3].toULongLong(&ok[2]);
    d.inode = f[4].toULongLong(&ok[3]);
    d.hash = f[5] == "-" ? QByteArray() : QByteArray::fromHex(f[5]);
    ok[4] = f[5] == "-" || !d.hash.isEmpty();
    return std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }) ? d : DiskStamp::unknown();
}

} // namespace

QByteArray encodeJournal(const JournalEntry& entry) {
    // The header is one line per value; the text follows as UTF-8, whatever the
    // file's own encoding, so that nothing typed is lost to it.
    QByteArray out = kMagic;
    out += "\nfile=" + QUrl::toPercentEncoding(entry.fileName);
    out += QByteArray("\nencoding=") + encodingName(entry.format.encoding);
    out += QByteArray("\nending=") + endingName(entry.format.lineEnding);
    const DiskStamp& d = entry.disk;
    out += QByteArray("\ndisk=") + (d.exists ? "1 " : "0 ") + QByteArray::number(d.size) + ' ' +
           QByteArray::number(d.modifiedNs) + ' ' + QByteArray::number(d.device) + ' ' + QByteArray::number(d.inode) +
           ' ' + (d.hash.isEmpty() ? QByteArray("-") : d.hash.toHex());
    out += "\n\n";
    out += entry.text.toUtf8();
    return out;
}

std::optional<JournalEntry> decodeJournal(const QByteArray& bytes) {
    const qsizetype headerEnd = bytes.indexOf("\n\n");
    if (headerEnd < 0)
        return std::nullopt;
    const QList<QByteArray> lines = bytes.left(headerEnd).split('\n');
    if (lines.isEmpty() || lines.first() != kMagic)
        return std::nullopt;
    JournalEntry entry;
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype eq = line.indexOf('=');
        const QByteArray key = line.left(eq), value = line.mid(eq + 1);
        if (key == "file")
            entry.fileName = QUrl::fromPercentEncoding(value);
        if (key == "disk")
            entry.disk = decodeStamp(value);
        for (TextEncoding e : {TextEncoding::Utf8, TextEncoding::Utf8WithBom, TextEncoding::Latin1})
            if (key == "encoding" && value == encodingName(e))
                entry.format.encoding = e;
        for (LineEnding e : {LineEnding::CrLf, LineEnding::Lf, LineEnding::Cr})
            if (key == "ending" && value == endingName(e))
                entry.format.lineEnding = e;
    }
    entry.text = QString::fromUtf8(bytes.mid(headerEnd + 2));
    return entry;
}

RecoveryStore::RecoveryStore(const QString& directory) : dir_(directory) {
    if (dir_.isEmpty())
        return;
    session_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
    takeLock();
}

std::optional<QString> RecoveryStore::takeLock() {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(dir_).toStdString()), error);
    if (error)
        return QString::fromLocal8Bit(error.message());
    auto lock = lockFor(QDir(dir_).filePath(session_ + kLockSuffix));
    if (!lock->tryLock(0)) {
        // The lock file is made in the folder like any other: a refusal there is the folder's.
        return lock->error() == QLockFile::PermissionError ? QString::fromLocal8Bit(std::strerror(EACCES))
                                                           : QStringLiteral("the folder cannot be locked");
    }
    lock_ = std::move(lock);
    return std::nullopt;
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::journalPath(int document) const {
    return QDir(dir_).filePath(session_ + QLatin1Char('-') + QString::number(document) + kJournalSuffix);
}

void RecoveryStore::ensureLocked() {
    if (lock_)
        return;
    if (const std::optional<QString> reason = takeLock())
        throw FileWriteError(dir_, *reason);
}

void RecoveryStore::write(int document, const JournalEntry& entry) {
    if (!enabled())
        return;
    ensureLocked();
    writeFileAtomically(journalPath(document), encodeJournal(entry));
}

void RecoveryStore::adopt(const OrphanJournal& orphan, int document) {
    if (!enabled())
        return;
    ensureLocked();
    if (!QFile::rename(orphan.path, journalPath(document)))
        write(document, orphan.entry);
    discard(orphan);
}

void RecoveryStore::remove(int document) const {
    if (enabled())
        QFile::remove(journalPath(document));
}

std::vector<OrphanJournal> RecoveryStore::orphans() const {
    std::vector<OrphanJournal> found;
    if (!enabled())
        return found;
    const QDir dir(dir_);
    const QFileInfoList journals =
        dir.entryInfoList({QLatin1Char('*') + kJournalSuffix}, QDir::Files, QDir::Time | QDir::Reversed);
    QStringList alive, gone;
    for (const QFileInfo& info : journals) {
        const QString session = sessionOf(info.fileName());
        if (session == session_ || alive.contains(session))
            continue;
        if (!gone.contains(session)) {
            // A run that still holds its lock is running: its journals are its own.
            auto lock = lockFor(dir.filePath(session + kLockSuffix));
            if (!lock->tryLock(0)) {
                alive << session;
                continue;
            }
            gone << session;
        }
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        if (auto entry = decodeJournal(file.readAll()))
            found.push_back({info.filePath(), std::move(*entry)});
    }
    return found;
}

void RecoveryStore::discard(const OrphanJournal& orphan) const {
    QFile::remove(orphan.path);
    const QFileInfo info(orphan.path);
    const QString session = sessionOf(info.fileName());
    const QDir dir = info.dir();
    if (dir.entryList({session + QLatin1String("-*") + kJournalSuffix}, QDir::Files).isEmpty())
        QFile::remove(dir.filePath(session + kLockSuffix));
}

} // namespace zorvel
