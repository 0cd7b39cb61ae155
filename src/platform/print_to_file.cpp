#include "print_to_file.h"

#include "atomic_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

namespace zorvel {

namespace {

QString systemWords(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// What the atomic writer would refuse anyway, found before a long job is printed for nothing.
void checkTarget(const QString& target) {
    const QFileInfo info(target);
    if (!info.absoluteDir().exists())
        throw FileWriteError(target, systemWords(ENOENT));
    if (info.isDir())
        throw FileWriteError(target, systemWords(EISDIR));
}

// The printer names the chosen file again however the job ends.
class OutputFileName {
public:
    OutputFileName(QPrinter& printer, const QString& temporary) : printer_(printer), chosen_(printer.outputFileName()) {
        printer_.setOutputFileName(temporary);
    }
    ~OutputFileName() { printer_.setOutputFileName(chosen_); }
    OutputFileName(const OutputFileName&) = delete;
    OutputFileName& operator=(const OutputFileName&) = delete;

private:
    QPrinter& printer_;
    QString chosen_;
};

} // namespace

bool isCompletePdf(const QByteArray& bytes) {
    if (!bytes.startsWith("%PDF-"))
        return false;
    qsizetype end = bytes.size();
    while (end > 0 && (bytes[end - 1] == '\n' || bytes[end - 1] == '\r' || bytes[end - 1] == ' '))
        --end;
    return QByteArrayView(bytes).first(end).endsWith("%%EOF");
}

void printIntoFile(QPrinter& printer, const std::function<void()>& job) {
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty()) {
        job();
        return;
    }
    checkTarget(target);
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        throw FileWriteError(target,
                             QStringLiteral("no temporary folder to print into (%1)").arg(scratch.errorString()));
    const QString temporary = scratch.filePath(QStringLiteral("print.pdf"));
    {
        OutputFileName redirected(printer, temporary);
        job();
    }
    if (printer.printerState() == QPrinter::Aborted)
        return;
    QFile printed(temporary);
    const QByteArray bytes = printed.open(QIODevice::ReadOnly) ? printed.readAll() : QByteArray();
    if (printer.printerState() == QPrinter::Error || !isCompletePdf(bytes))
        throw FileWriteError(target, QStringLiteral("the printer did not finish the PDF in %1").arg(QDir::tempPath()));
    writeFileAtomically(target, bytes);
}

} // namespace zorvel
