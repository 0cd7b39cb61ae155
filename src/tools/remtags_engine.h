#pragma once
// Turning the HTML of a document (or of a selection) into plain text: the
// passes of the Remove Tags command, each done in one sweep over the text.
#include "errors.h"

#include <QString>

#include <functional>
#include <optional>

namespace zorvel {

// Raised when a text is too long for the command to handle.
class TextTooLongError : public Error {
public:
    using Error::Error;
};

struct RemoveTagOptions {
    bool breaks = false; // "<P>" and "<BR>" become line breaks
    bool amp = false;    // "&amp;" becomes "&"
    bool lt = false;     // "&lt;" becomes "<"
    bool gt = false;     // "&gt;" becomes ">"
};

// The passes in the order they run; the tag pass always runs.
enum class RemoveTagPass { LineBreaks, Tags, Amp, Lt, Gt };

// Positions in the working text are 16-bit counts that must also hold its
// length plus one.
inline constexpr qsizetype kMaxRemoveTagsText = 65534;

// Throws TextTooLongError when text is longer than kMaxRemoveTagsText.
void checkRemoveTagsLength(const QString& text);

struct RemoveTagsResult {
    // Either the plain text, or (invalidHtml) the snippet that stopped the run:
    // a ">" standing before the first "<", with at most 9 characters after it.
    QString text;
    bool invalidHtml = false;
};

// Runs the passes that the options ask for, calling onPass before each.
// Throws TextTooLongError for a text that is too long.
RemoveTagsResult removeTags(const QString& workingText, const RemoveTagOptions& options,
                            const std::function<void(RemoveTagPass)>& onPass = {});

// The single passes, exposed for the tests and the benchmark.
QString convertLineBreaks(const QString& text);
RemoveTagsResult stripTags(const QString& text);
QString decodeAmpersands(const QString& text);

// Offset of the first occurrence of snippet in the document text, searched
// exactly; nullopt when it is not there. Throws TextTooLongError when the
// document text is too long.
std::optional<qsizetype> findSnippet(const QString& documentText, const QString& snippet);

// The 1-based text line (CR LF, CR or LF ending a line) that holds offset; for
// callers without an editor that counts rows itself.
int textLineOfOffset(const QString& text, qsizetype offset);

} // namespace zorvel
