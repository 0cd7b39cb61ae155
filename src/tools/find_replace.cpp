#include "find_replace.h"

#include <QStringView>

#include <algorithm>

namespace zorvel {

namespace {

inline char16_t foldAscii(char16_t c) {
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}

// Knuth-Morris-Pratt over UTF-16 units, optionally comparing with a-z folded
// to A-Z: linear in the haystack whatever it holds, unlike a naive or
// Boyer-Moore scan on repetitive text. Backwards it runs the reversed needle
// from the end. A candidate the caller refuses (not a whole word) does not
// restart the scan: the automaton goes on as after any complete match.
class Matcher {
public:
    Matcher(QStringView needle, bool fold, bool backwards = false) : fold_(fold), backwards_(backwards) {
        needle_.reserve(needle.size());
        for (QChar c : needle)
            needle_.push_back(fold ? foldAscii(c.unicode()) : c.unicode());
        if (backwards)
            std::reverse(needle_.begin(), needle_.end());
        fail_.assign(needle_.size(), 0);
        qsizetype k = 0;
        for (qsizetype i = 1; i < qsizetype(needle_.size()); ++i) {
            while (k > 0 && needle_[i] != needle_[k])
                k = fail_[k - 1];
            if (needle_[i] == needle_[k])
                ++k;
            fail_[i] = k;
        }
    }

    // Forwards: the first accepted match starting at or after from. Backwards:
    // the last accepted match starting before from. -1 when there is none.
    template <typename Accept> qsizetype find(QStringView hay, qsizetype from, const Accept& accept) const {
        const qsizetype m = needle_.size();
        const qsizetype n = hay.size();
        if (m == 0 || m > n)
            return -1;
        const char16_t* h = reinterpret_cast<const char16_t*>(hay.utf16());
        const char16_t first = needle_[0];
        qsizetype k = 0;
        const auto at = [&](qsizetype i) { return fold_ ? foldAscii(h[i]) : h[i]; };
        // One more character into the automaton; true when the needle is complete.
        const auto feed = [&](char16_t c) {
            while (k > 0 && c != needle_[k])
                k = fail_[k - 1];
            if (c == needle_[k])
                ++k;
            return k == m;
        };
        if (!backwards_) {
            for (qsizetype i = std::max<qsizetype>(from, 0); i < n; ++i) {
                // Most of the text is skipped here, looking only for the first character.
                if (k == 0) {
                    while (i < n && at(i) != first)
                        ++i;
                    if (i >= n)
                        return -1;
                }
                if (feed(at(i))) {
                    if (accept(i - m + 1))
                        return i - m + 1;
                    k = fail_[m - 1];
                }
            }
            return -1;
        }
        for (qsizetype i = std::min(n - 1, from + m - 2); i >= 0; --i) {
            if (k == 0) {
                while (i >= 0 && at(i) != first)
                    --i;
                if (i < 0)
                    return -1;
            }
            if (feed(at(i))) {
                if (accept(i))
                    return i;
                k = fail_[m - 1];
            }
        }
        return -1;
    }

    qsizetype find(QStringView hay, qsizetype from) const {
        return find(hay, from, [](qsizetype) { return true; });
    }

private:
    std::vector<char16_t> needle_;
    std::vector<qsizetype> fail_;
    bool fold_;
    bool backwards_;
};

// The match of length at start is a whole word in text.
bool wholeWordAt(QStringView text, qsizetype start, qsizetype length) {
    return (start == 0 || !isWordCharacter(text[start - 1])) &&
           (start + length >= text.size() || !isWordCharacter(text[start + length]));
}

} // namespace

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_');
}

QString upperAscii(QString text) {
    for (QChar& c : text)
        c = QChar(foldAscii(c.unicode()));
    return text;
}

ReplaceAllResult replaceAll(const QString& text, const QString& findText, const QString& replaceText, bool matchCase,
                            bool wholeWord) {
    ReplaceAllResult result;
    if (findText.isEmpty()) {
        result.text = text;
        return result;
    }
    const Matcher matcher(findText, !matchCase);
    QString out;
    qsizetype pos = 0;
    // Behind an earlier replacement the character before a match is the end of
    // what was put in, as a search of the changed text would see it.
    const auto accept = [&](qsizetype at) {
        if (!wholeWord)
            return true;
        const bool wordBefore = at > pos                  ? isWordCharacter(text[at - 1])
                                : !result.matches.empty() ? !out.isEmpty() && isWordCharacter(out.back())
                                                          : at > 0 && isWordCharacter(text[at - 1]);
        return !wordBefore && (at + findText.size() >= text.size() || !isWordCharacter(text[at + findText.size()]));
    };
    for (qsizetype at = matcher.find(text, 0, accept); at >= 0; at = matcher.find(text, pos, accept)) {
        if (result.matches.empty())
            out.reserve(text.size());
        out.append(QStringView(text).mid(pos, at - pos));
        out.append(replaceText);
        result.matches.push_back(at);
        pos = at + findText.size();
    }
    if (result.matches.empty()) {
        result.text = text;
        return result;
    }
    result.caret = out.size();
    out.append(QStringView(text).mid(pos));
    result.text = std::move(out);
    return result;
}

void SearchState::startSearch(const QString& documentText, const QString& findText, const SearchOptions& options,
                              qsizetype caret) {
    options_ = options;
    snapshot_ = options.matchCase ? documentText : upperAscii(documentText);
    searchText_ = options.matchCase ? findText : upperAscii(findText);
    position_ = options.up ? std::clamp<qsizetype>(caret, 0, snapshot_.size()) : 0;
}

std::optional<SearchMatch> SearchState::searchNext() {
    if (!position_ || searchText_.isEmpty())
        return std::nullopt;
    const qsizetype length = searchText_.size();
    const qsizetype at = Matcher(searchText_, false, options_.up).find(snapshot_, *position_, [&](qsizetype start) {
        return !options_.wholeWord || wholeWordAt(snapshot_, start, length);
    });
    if (at < 0) {
        position_ = options_.up ? 0 : snapshot_.size();
        return std::nullopt;
    }
    lastMatch_ = at;
    position_ = options_.up ? at : at + 1;
    return SearchMatch{at, length};
}

void SearchState::replaceMatch(const QString& newDocumentText, bool matchCase) {
    options_.matchCase = matchCase;
    snapshot_ = matchCase ? newDocumentText : upperAscii(newDocumentText);
    position_ = lastMatch_.value_or(0) + replaceText_.size();
}

ReplaceAllResult SearchState::replaceAll(const QString& documentText, const QString& findText,
                                         const QString& replaceText, bool matchCase, bool wholeWord) {
    startSearch(documentText, findText, SearchOptions{matchCase, wholeWord});
    replaceText_ = replaceText;
    ReplaceAllResult result = zorvel::replaceAll(documentText, findText, replaceText, matchCase, wholeWord);
    if (!result.matches.empty()) {
        snapshot_ = matchCase ? result.text : upperAscii(result.text);
        lastMatch_ = result.caret - replaceText.size();
    }
    position_ = snapshot_.size();
    return result;
}

} // namespace zorvel
