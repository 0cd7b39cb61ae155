#pragma once
// Writing a whole file so that either every byte of the new contents reached
// the disk or the old file is left exactly as it was.
#include "errors.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <stdexcept>

namespace zorvel {

// "Cannot write PATH: REASON", the reason in the system's words ("No space
// left on device"); the path and the reason are also kept apart.
class FileWriteError : public FileError {
public:
    FileWriteError(QString path, QString reason);
    const QString& path() const { return path_; }
    const QString& systemReason() const { return systemReason_; }

private:
    QString path_;
    QString systemReason_;
};

// A temporary file beside the target, written unbuffered so that a full disk
// or a file-size limit shows at the write that hits it, then renamed over the
// target. Where the folder refuses the temporary file but the file itself may
// be written, the file is written in place. A save as root keeps the file's
// owner and group. A device or a pipe that exists by that name (/dev/full) is
// written into directly. Throws FileWriteError.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// The same for contents made piece by piece, too large to hold at once:
// produce hands each piece to the function it is given, in order. Whatever
// produce throws ends the writing as a failed write would, and is thrown on.
using FileChunkWriter = std::function<void(const char* data, qint64 size)>;
void writeFileAtomically(const QString& path, const std::function<void(const FileChunkWriter&)>& produce);

} // namespace zorvel
