#pragma once
// What a PDF file holds, read with poppler's pdfinfo and pdftotext.
#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace zorvel::testing {

inline QString runTool(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// One field of pdfinfo's report ("Pages", "Title", "Page size").
inline QString pdfInfo(const QString& path, const QString& field) {
    const QString info = runTool(QStringLiteral("pdfinfo"), {path});
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(QRegularExpression::escape(field)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(info);
    return m.hasMatch() ? m.captured(1).trimmed() : info;
}

inline int pdfPages(const QString& path) {
    return pdfInfo(path, QStringLiteral("Pages")).toInt();
}

// The text of pages first to last (all when 0), each page ended by a form feed.
inline QString pdfText(const QString& path, int first = 0, int last = 0) {
    QStringList args;
    if (first > 0)
        args << QStringLiteral("-f") << QString::number(first);
    if (last > 0)
        args << QStringLiteral("-l") << QString::number(last);
    args << path << QStringLiteral("-");
    return runTool(QStringLiteral("pdftotext"), args);
}

} // namespace zorvel::testing
