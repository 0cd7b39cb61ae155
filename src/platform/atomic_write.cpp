#include "atomic_write.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvel {

FileWriteError::FileWriteError(QString path, QString reason)
    : FileError(QStringLiteral("Cannot write %1: %2").arg(path, reason)), path_(std::move(path)),
      systemReason_(std::move(reason)) {}

namespace {

QString systemReason(int error, const QString& fallback) {
    return error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : fallback;
}

// The new file is created by us; give it back to whoever owned the old one, so
// that an administrator's save does not take a user's page away from them.
void keepOwner(const QString& path, int fd) {
    struct stat old {};
    if (fd < 0 || ::stat(QFile::encodeName(path).constData(), &old) != 0)
        return;
    const bool root = ::geteuid() == 0;
    // Without privileges only the group can be handed on, and only to a group we belong to.
    [[maybe_unused]] const int ignored = ::fchown(fd, root ? old.st_uid : static_cast<uid_t>(-1), old.st_gid);
}

// Writing in place gives up the safety of the rename: keep the old contents at
// hand so that a write that fails midway can put them back.
std::optional<QByteArray> contentsAtRisk(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || QFileInfo(info.absolutePath()).isWritable())
        return std::nullopt;
    QFile old(path);
    if (!old.open(QIODevice::ReadOnly))
        return std::nullopt;
    return old.readAll();
}

// Writes the rest of the bytes, again after a short write: a full disk shows as
// a short write that reports no error, and the next one makes the system say why.
// Returns the reason the writing stopped, empty when every byte was written.
QString writeAll(QFileDevice& file, const char* data, qint64 left) {
    while (left > 0) {
        errno = 0;
        const qint64 written = file.write(data, left);
        if (written <= 0)
            return systemReason(errno, file.errorString());
        data += written;
        left -= written;
    }
    return QString();
}

// Hands produce a writer into file that throws FileWriteError when a piece cannot be written.
void writePieces(QFileDevice& file, const QString& path, const std::function<void(const FileChunkWriter&)>& produce) {
    produce([&](const char* data, qint64 size) {
        if (const QString reason = writeAll(file, data, size); !reason.isEmpty())
            throw FileWriteError(path, reason);
    });
}

// A device or a pipe (/dev/stdout, /dev/full) is written into as it is: there
// is nothing to replace, and a file renamed over it would take its place.
bool isSpecialFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

void writeSpecialFile(const QString& path, const std::function<void(const FileChunkWriter&)>& produce) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw FileWriteError(path, file.errorString());
    writePieces(file, path, produce);
}

void restore(const QString& path, const std::optional<QByteArray>& old) {
    if (!old)
        return;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(*old);
}

} // namespace

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    writeFileAtomically(path, [&](const FileChunkWriter& write) { write(bytes.constData(), bytes.size()); });
}

void writeFileAtomically(const QString& path, const std::function<void(const FileChunkWriter&)>& produce) {
    if (isSpecialFile(path))
        return writeSpecialFile(path, produce);
    const std::optional<QByteArray> old = contentsAtRisk(path);
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw FileWriteError(path, file.errorString());
    keepOwner(path, file.handle());

    try {
        writePieces(file, path, produce);
    } catch (...) {
        file.cancelWriting();
        restore(path, old);
        throw;
    }
    if (!file.commit()) {
        const QString reason = systemReason(errno, file.errorString());
        restore(path, old);
        throw FileWriteError(path, reason);
    }
}

} // namespace zorvel
