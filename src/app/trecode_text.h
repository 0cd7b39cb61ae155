#pragma once
// How the editor buffer keeps a file's text in a QTextDocument so that saving
// gives back exactly the bytes that were loaded, and so that a huge line does
// not make the editor crawl.
//
// - Every line break is a block boundary. The block after a break records what
//   the break was (the file's usual ending, or another ending of a file that mixes
//   them), so mixed endings survive a save.
// - A line longer than kLongLine characters is shown in pieces of about kPiece
//   characters, each a block of its own joined to the next by a "soft" break that
//   holds no characters. Qt lays a block out whole on every keystroke; pieces keep
//   that cost small whatever the line's length.
// - A few characters make a new block whenever Qt inserts them (the paragraph
//   separator U+2029 and U+FDD0 / U+FDD1). They are stored as a stand-in
//   character marked with the original one, and given back on reading.
#include "text_file.h"

#include <QString>
#include <QTextFormat>
#include <vector>

class QTextBlock;
class QTextCursor;
class QTextDocument;

namespace zorvel::storedtext {

inline constexpr int kBreakProperty = QTextFormat::UserProperty + 1;
inline constexpr int kStandInProperty = QTextFormat::UserProperty + 2;
inline constexpr char16_t kStandIn = 0xFFFD;
inline constexpr int kLongLine = 4096;
inline constexpr int kPiece = 1024;

// What the break before a block was. Default: the document's own line ending.
enum BreakKind : int { Default = 0, CrLf = 1, Lf = 2, Cr = 3, Soft = 4 };

// A text made ready for the document: breaks and pieces as '\n', one kind per
// '\n' in order, and the positions of stand-ins in flat.
struct Prepared {
    QString flat;
    std::vector<BreakKind> breaks;
    std::vector<int> standIns;
    bool hasSoftBreaks = false;
};

// keepEndings: record each break as the text has it (a loaded file); otherwise
// every break becomes the document's own ending (text the user or a command adds).
Prepared prepare(QStringView text, LineEnding documentEnding, bool keepEndings);

// Loads the whole document; not undoable, leaves it unmodified.
void load(QTextDocument& document, const Prepared& prepared);
// Inserts at the cursor (replacing its selection) as part of the caller's edit.
void insert(QTextCursor& cursor, const Prepared& prepared);

BreakKind breakBefore(const QTextBlock& block);

// The separators read back for each kind of break.
struct Separators {
    QString hard;             // a break the text has (CR LF for offsets, "\n" for the clipboard)
    bool fileEndings = false; // instead: each break as the file had it, the default being documentEnding
    LineEnding documentEnding = LineEnding::CrLf;
};

// The characters between two document positions, as the file holds them.
QString read(const QTextDocument& document, int from, int to, const Separators& separators);

QString endingText(BreakKind kind, LineEnding documentEnding);

} // namespace zorvel::storedtext
