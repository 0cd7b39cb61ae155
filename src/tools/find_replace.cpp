#include "find_replace.h"

#include <QStringView>

namespace zorvel {

namespace {

inline char16_t foldAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c; }

// Knuth-Morris-Pratt over UTF-16 units, optionally comparing with a-z folded
// to A-Z: linear in the haystack whatever it holds, unlike a naive or
// Boyer-Moore scan on repetitive text.
class Matcher {
public:
    Matcher(QStringView needle, bool fold) : fold_(fold) {
        needle_.reserve(needle.size());
        for (QChar c : needle)
            needle_.push_back(fold ? foldAscii(c.unicode()) : c.unicode());
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

    // First match at or after from, or -1.
    qsizetype find(QStringView hay, qsizetype from) const {
        const qsizetype m = needle_.size();
        const qsizetype n = hay.size();
        if (m == 0)
            return -1;
        const char16_t* h = reinterpret_cast<const char16_t*>(hay.utf16());
        const char16_t first = needle_[0];
        qsizetype k = 0;
        for (qsizetype i = from; i < n; ++i) {
            if (k == 0) {
                // Most of the text is skipped here, looking only for the first character.
                if (fold_)
                    while (i < n && foldAscii(h[i]) != first)
                        ++i;
                else
                    while (i < n && h[i] != first)
                        ++i;
                if (i >= n)
                    return -1;
            }
            const char16_t c = fold_ ? foldAscii(h[i]) : h[i];
            while (k > 0 && c != needle_[k])
                k = fail_[k - 1];
            if (c == needle_[k])
                ++k;
            if (k == m)
                return i - m + 1;
        }
        return -1;
    }

private:
    std::vector<char16_t> needle_;
    std::vector<qsizetype> fail_;
    bool fold_;
};

} // namespace

QString upperAscii(QString text) {
    for (QChar& c : text)
        c = QChar(foldAscii(c.unicode()));
    return text;
}

ReplaceAllResult replaceAll(const QString& text, const QString& findText, const QString& replaceText, bool matchCase) {
    ReplaceAllResult result;
    if (findText.isEmpty()) {
        result.text = text;
        return result;
    }
    const Matcher matcher(findText, !matchCase);
    QString out;
    qsizetype pos = 0;
    for (qsizetype at = matcher.find(text, 0); at >= 0; at = matcher.find(text, pos)) {
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

void SearchState::startSearch(const QString& documentText, const QString& findText, bool matchCase) {
    snapshot_ = matchCase ? documentText : upperAscii(documentText);
    searchText_ = matchCase ? findText : upperAscii(findText);
    position_ = 0;
}

std::optional<SearchMatch> SearchState::searchNext() {
    if (!position_ || searchText_.isEmpty())
        return std::nullopt;
    const qsizetype at = Matcher(searchText_, false).find(snapshot_, *position_);
    if (at < 0) {
        position_ = snapshot_.size();
        return std::nullopt;
    }
    lastMatch_ = at;
    position_ = at + 1;
    return SearchMatch{at, searchText_.size()};
}

void SearchState::replaceMatch(const QString& newDocumentText, bool matchCase) {
    snapshot_ = matchCase ? newDocumentText : upperAscii(newDocumentText);
    position_ = lastMatch_.value_or(0) + replaceText_.size();
}

ReplaceAllResult SearchState::replaceAll(const QString& documentText, const QString& findText,
                                         const QString& replaceText, bool matchCase) {
    startSearch(documentText, findText, matchCase);
    replaceText_ = replaceText;
    ReplaceAllResult result = zorvel::replaceAll(documentText, findText, replaceText, matchCase);
    if (!result.matches.empty()) {
        snapshot_ = matchCase ? result.text : upperAscii(result.text);
        lastMatch_ = result.caret - replaceText.size();
    }
    position_ = snapshot_.size();
    return result;
}

} // namespace zorvel
