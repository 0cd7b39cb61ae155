#pragma once
// The search state shared by Find, Find Next and Replace. It searches a
// snapshot of the document text taken when a search starts, not the live
// editor; offsets are those of the text it was given (CR LF counting two).
#include <QString>

#include <optional>
#include <vector>

namespace zorvel {

// Only a-z become A-Z; every other character, accented letters included, stays.
QString upperAscii(QString text);

// Letters, digits, combining marks and the underscore make up words; a whole-word
// match has no such character directly before or after it.
bool isWordCharacter(QChar c);

struct SearchOptions {
    bool matchCase = false;
    bool wholeWord = false;
    bool up = false; // backwards from the caret instead of forwards from the top
};

struct SearchMatch {
    qsizetype offset = 0;
    qsizetype length = 0;
    bool operator==(const SearchMatch&) const = default;
};

struct ReplaceAllResult {
    QString text;                   // the document text after every replacement
    std::vector<qsizetype> matches; // start of each replaced match in the original text
    // Where the caret stands afterwards: behind the last inserted text; -1 when
    // nothing was replaced.
    qsizetype caret = -1;
};

// Every match replaced from left to right, a search continuing behind the
// text just inserted: what repeating "search next" and "replace match" gives,
// in one pass. An empty findText finds nothing. With wholeWord a match needs
// non-word characters around it in the text as it stands at that point, an
// inserted replacement included.
ReplaceAllResult replaceAll(const QString& text, const QString& findText, const QString& replaceText, bool matchCase,
                            bool wholeWord = false);

// The first row to scroll to so that the match's row stands in the middle of
// the view: half the visible rows above it, halved towards zero (a hidden
// editor's -1 rows give no shift). The editor clamps the row.
inline int centredFirstRow(int caretRow, int visibleLineCount) {
    return caretRow - visibleLineCount / 2;
}

class SearchState {
public:
    // Takes the snapshot, sets the position and copies the find text; both
    // upper-cased unless matchCase. Down starts at the top; Up at the caret.
    void startSearch(const QString& documentText, const QString& findText, const SearchOptions& options,
                     qsizetype caret = 0);
    void startSearch(const QString& documentText, const QString& findText, bool matchCase) {
        startSearch(documentText, findText, SearchOptions{matchCase});
    }

    // Down: the next match at or after the position; the position then stands one
    // character behind its start, so the next one may overlap it. Up: the nearest
    // match starting before the position, which then stands at its start. Before
    // any search, or with an empty find text, nothing is found.
    std::optional<SearchMatch> searchNext();

    void setReplaceText(const QString& text) { replaceText_ = text; }
    const QString& replaceText() const { return replaceText_; }

    // Call after the last match has been replaced by replaceText() in the
    // document: takes the new snapshot and continues directly behind the
    // inserted text.
    void replaceMatch(const QString& newDocumentText, bool matchCase);

    // Start search, then search next and replace match until nothing is found,
    // leaving the state as that loop would. The caller puts result.text (or the
    // replacements at result.matches, applied from the last) into the editor.
    ReplaceAllResult replaceAll(const QString& documentText, const QString& findText, const QString& replaceText,
                                bool matchCase, bool wholeWord = false);

    const QString& snapshot() const { return snapshot_; }
    const QString& searchText() const { return searchText_; }
    std::optional<qsizetype> position() const { return position_; }
    std::optional<qsizetype> lastMatch() const { return lastMatch_; }

private:
    QString snapshot_;
    QString searchText_;
    QString replaceText_;
    SearchOptions options_;
    std::optional<qsizetype> position_;
    std::optional<qsizetype> lastMatch_;
};

} // namespace zorvel
