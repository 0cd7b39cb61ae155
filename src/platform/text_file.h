#pragma once
// Reading and writing a document's text as its file holds it: the encoding
// (UTF-8 when valid, else Latin-1) and the line endings are kept for the save.
#include "errors.h"

#include <QString>
#include <optional>

namespace zorvel {

enum class TextEncoding { Utf8, Utf8WithBom, Latin1 };
enum class LineEnding { CrLf, Lf, Cr };

struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnding lineEnding = LineEnding::CrLf;
};

struct LoadedText {
    QString text;      // with its line breaks as the file has them
    TextFormat format; // the line ending is the first one met
};

class TextFileError : public FileError {
public:
    using FileError::FileError;
};

// A file too large to edit; its message names the file and its size for the user.
class FileTooLargeError : public TextFileError {
public:
    using TextFileError::TextFileError;
};

inline constexpr qint64 kMaxDocumentBytes = 64LL * 1024 * 1024;

// Throws TextFileError when the file cannot be read, is not a plain file, or is
// larger than kMaxDocumentBytes.
LoadedText loadTextFile(const QString& path);
// Decodes bytes and finds their line ending (the first one in the text; CR LF when none).
LoadedText decodeText(const QByteArray& bytes);
// The characters in the encoding; a Latin-1 text that gained other characters becomes UTF-8.
QByteArray encodeCharacters(const QString& text, TextEncoding encoding);
// Every line break of the text as the format's line ending.
QByteArray encodeText(const QString& text, const TextFormat& format);
// Atomic (see writeFileAtomically): every line break as the format's ending. Throws TextFileError.
void saveTextFile(const QString& path, const QString& text, const TextFormat& format);
// The same, with the text's line breaks written as they stand.
void saveExactText(const QString& path, const QString& text, TextEncoding encoding);

QString lineEndingText(LineEnding ending);
// Turns CR LF, CR and LF alike into "\n".
QString normalizeLineBreaks(QString text);

} // namespace zorvel
