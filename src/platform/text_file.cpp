#include "text_file.h"

#include "atomic_write.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace zorvel {

QString lineEndingText(LineEnding ending) {
    switch (ending) {
    case LineEnding::CrLf:
        return QStringLiteral("\r\n");
    case LineEnding::Lf:
        return QStringLiteral("\n");
    case LineEnding::Cr:
        return QStringLiteral("\r");
    }
    return QStringLiteral("\r\n");
}

QString normalizeLineBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

static LineEnding detectLineEnding(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n'))
            return LineEnding::Lf;
        if (text[i] == QLatin1Char('\r'))
            return i + 1 < text.size() && text[i + 1] == QLatin1Char('\n') ? LineEnding::CrLf : LineEnding::Cr;
    }
    return LineEnding::CrLf;
}

LoadedText decodeText(const QByteArray& bytes) {
    LoadedText result;
    QByteArray body = bytes;
    bool bom = false;
    if (body.startsWith("\xEF\xBB\xBF")) {
        bom = true;
        body.remove(0, 3);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (utf8.hasError()) {
        text = QString::fromLatin1(bytes);
        result.format.encoding = TextEncoding::Latin1;
    } else {
        result.format.encoding = bom ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
    }
    result.format.lineEnding = detectLineEnding(text);
    result.text = std::move(text);
    return result;
}

LoadedText loadTextFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw TextFileError(QStringLiteral("The file %1 does not exist.").arg(path));
    if (!info.isFile())
        throw TextFileError(QStringLiteral("%1 is not a file.").arg(path));
    if (info.size() > kMaxDocumentBytes)
        throw FileTooLargeError(QStringLiteral("The file %1 is too large to edit (%2 bytes; at most %3 bytes).")
                                    .arg(path)
                                    .arg(info.size())
                                    .arg(kMaxDocumentBytes));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TextFileError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return decodeText(file.readAll());
}

QByteArray encodeText(const QString& text, const TextFormat& format) {
    QString out = normalizeLineBreaks(text);
    if (format.lineEnding != LineEnding::Lf)
        out.replace(QLatin1Char('\n'), lineEndingText(format.lineEnding));
    return encodeCharacters(out, format.encoding);
}

QByteArray encodeCharacters(const QString& out, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Latin1: {
        // A Latin-1 document that gained other characters is saved as UTF-8 so nothing is lost.
        const bool fits = std::all_of(out.cbegin(), out.cend(), [](QChar c) { return c.unicode() < 256; });
        if (fits)
            return out.toLatin1();
        return out.toUtf8();
    }
    case TextEncoding::Utf8WithBom:
        return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
    case TextEncoding::Utf8:
        return out.toUtf8();
    }
    return out.toUtf8();
}

static void save(const QString& path, const QByteArray& bytes) {
    try {
        writeFileAtomically(path, bytes);
    } catch (const FileWriteError& e) {
        throw TextFileError(e.text());
    }
}

void saveTextFile(const QString& path, const QString& text, const TextFormat& format) {
    save(path, encodeText(text, format));
}

void saveExactText(const QString& path, const QString& text, TextEncoding encoding) {
    save(path, encodeCharacters(text, encoding));
}

} // namespace zorvel
