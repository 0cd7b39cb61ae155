#include "links.h"

#include "markup.h"

#include <QCollator>
#include <algorithm>
#include <array>

namespace zorvel {

QString composeUrl(const QString& protocol, const QString& domain, const QString& file) {
    QString address;
    if (!protocol.trimmed().isEmpty()) {
        address = protocol + QLatin1String("://");
        if (!domain.isEmpty())
            address += domain + QLatin1Char('/');
    }
    const QString trimmedFile = file.trimmed();
    if (!trimmedFile.isEmpty())
        address += trimmedFile;
    return address;
}

std::optional<UrlParts> splitUrl(const QString& address) {
    const qsizetype slashes = address.indexOf(QLatin1String("//"));
    if (slashes < 0)
        return std::nullopt;
    UrlParts parts;
    parts.protocol = address.left(slashes);
    if (parts.protocol.endsWith(QLatin1Char(':')))
        parts.protocol.chop(1);
    const QString rest = address.mid(slashes + 2);
    const qsizetype lastSlash = rest.lastIndexOf(QLatin1Char('/'));
    if (lastSlash < 0) {
        parts.domain = rest;
    } else {
        parts.domain = rest.left(lastSlash);
        parts.file = rest.mid(lastSlash + 1);
    }
    return parts;
}

namespace {

// The link tag's start up to its opening quote, the value, then the text shown.
QString linkText(const char* start, const QString& value, const QString& memo) {
    return QLatin1String(start) + escapeMarkup(value, MarkupPlace::QuotedValue) + QLatin1String("\">") + memo +
           QLatin1String("</A>");
}

} // namespace

QString externalLinkText(const QString& url, const QString& memo) {
    return linkText("<A HREF=\"", url, memo);
}

QString bookMarkText(const QString& name, const QString& memo) {
    return linkText("<A NAME =\"", name, memo);
}

QString bookMarkLinkText(const QString& name, const QString& memo) {
    return linkText("<A HREF =\"#", name, memo);
}

namespace {

const QCollator& caseBlindCollator() {
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

// Locale order first; names the collator calls equal but that differ in more
// than case are told apart by code points, so "equal" means "same but for case".
int compareBookMarks(const QString& a, const QString& b) {
    const int byLocale = caseBlindCollator().compare(a, b);
    if (byLocale != 0)
        return byLocale;
    return QString::compare(a, b, Qt::CaseInsensitive);
}

} // namespace

bool bookMarkLess(const QString& a, const QString& b) {
    return compareBookMarks(a, b) < 0;
}

bool containsBookMark(const QStringList& sorted, const QString& name) {
    const auto it = std::lower_bound(sorted.begin(), sorted.end(), name, bookMarkLess);
    return it != sorted.end() && compareBookMarks(*it, name) == 0;
}

void addBookMark(QStringList& sorted, const QString& name) {
    const auto it = std::lower_bound(sorted.begin(), sorted.end(), name, bookMarkLess);
    if (it != sorted.end() && compareBookMarks(*it, name) == 0)
        return;
    sorted.insert(it, name);
}

namespace {

// The next occurrence of a needle at or after a position that never moves
// backwards: each stretch of the text is searched at most once.
class NextOccurrence {
public:
    NextOccurrence(const QString& text, QString needle) : text_(text), needle_(std::move(needle)) {}
    // -1 when there is none.
    qsizetype from(qsizetype pos) {
        if (exhausted_)
            return -1;
        if (found_ < pos) {
            found_ = text_.indexOf(needle_, pos);
            exhausted_ = found_ < 0;
        }
        return found_;
    }

private:
    const QString& text_;
    QString needle_;
    qsizetype found_ = -1; // below every position: not searched yet
    bool exhausted_ = false;
};

// Within this distance of the scan point the short forms of the anchor are
// recognised; the spaced form "< A NAME =" is found at any distance.
constexpr qsizetype kShortFormReach = 32000;

} // namespace

QStringList scanBookMarks(const QString& text) {
    static const std::array<QString, 4> patterns = {
        QStringLiteral("< A NAME ="),
        QStringLiteral("<A NAME ="),
        QStringLiteral("<A NAME="),
        QStringLiteral("< A NAME="),
    };
    std::array<NextOccurrence, 4> next = {
        NextOccurrence(text, patterns[0]),
        NextOccurrence(text, patterns[1]),
        NextOccurrence(text, patterns[2]),
        NextOccurrence(text, patterns[3]),
    };
    NextOccurrence nextClose(text, QStringLiteral(">"));
    NextOccurrence nextQuote(text, QStringLiteral("\""));
    NextOccurrence nextHash(text, QStringLiteral("#"));

    QStringList found; // in the order found
    qsizetype pos = 0; // the scan point: the text from here on is what is left
    const qsizetype end = text.size();
    while (pos < end) {
        qsizetype bestOffset = kShortFormReach;
        int taken = -1;
        for (int i = 0; i < 4; ++i) {
            const qsizetype at = next[i].from(pos);
            if (at < 0)
                continue;
            if (i == 0 || at - pos < bestOffset) {
                bestOffset = at - pos;
                taken = i;
            }
        }
        if (taken < 0)
            break;
        pos += bestOffset + patterns[taken].size();

        const qsizetype close = nextClose.from(pos);
        if (close < 0)
            continue;
        qsizetype nameStart = pos;
        qsizetype nameEnd = close;
        const qsizetype quote = nextQuote.from(nameStart);
        if (quote >= 0 && quote < nameEnd) {
            ++nameStart;
            const qsizetype second = nextQuote.from(nameStart);
            if (second >= 0 && second < nameEnd)
                nameEnd = second;
        }
        const qsizetype hash = nextHash.from(nameStart);
        if (hash >= 0 && hash < nameEnd)
            ++nameStart;
        // Names are written escaped; the list holds them as typed.
        found << unescapeQuotedValue(text.mid(nameStart, std::max<qsizetype>(0, nameEnd - nameStart)));
    }

    // Sorting keeps equal names in the order found, so the first spelling stays.
    std::stable_sort(found.begin(), found.end(), bookMarkLess);
    QStringList names;
    for (const QString& name : found)
        if (names.isEmpty() || compareBookMarks(names.last(), name) != 0)
            names << name;
    return names;
}

void findAllBookMarks(const QString& text, QStringList& bookMarks) {
    if (text.isEmpty())
        return;
    bookMarks = scanBookMarks(text);
}

} // namespace zorvel
