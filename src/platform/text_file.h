#pragma once
// Reading and writing a document's text as its file holds it: the encoding
// (UTF-8 when valid, else Latin-1) and the line endings are kept for the save.
#include <QString>
#include <optional>
#include <stdexcept>

namespace zorvel {

enum class TextEncoding { Utf8, Utf8WithBom, Latin1 };
enum class LineEnding { CrLf, Lf, Cr };

struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnding lineEnding = LineEnding::CrLf;
};

struct LoadedText {
    QString text; // line breaks as "\n"
    TextFormat format;
};

class TextFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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
QByteArray encodeText(const QString& text, const TextFormat& format);
// Atomic: a temporary file beside the target, then a rename. Throws TextFileError.
void saveTextFile(const QString& path, const QString& text, const TextFormat& format);

QString lineEndingText(LineEnding ending);
// Turns CR LF, CR and LF alike into "\n".
QString normalizeLineBreaks(QString text);

} // namespace zorvel
