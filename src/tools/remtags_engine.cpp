#include "remtags_engine.h"

namespace zorvel {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

void checkRemoveTagsLength(const QString& text) {
    if (text.size() > kMaxRemoveTagsText)
        throw TextTooLongError(
            QStringLiteral("Remove Tags: the text has %1 characters, more than the 65534 it can handle")
                .arg(text.size()));
}

// Replacing "<P>" or "<BR>" by CR LF can never make a new occurrence (neither
// CR nor LF is part of one), so one left-to-right replacement gives what
// searching again from the start after every change would give.
QString convertLineBreaks(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("<P>"), kLineBreak);
    out.replace(QLatin1String("<BR>"), kLineBreak);
    return out;
}

// Everything before the first "<" holds neither "<" nor ">", and deleting the
// tag from that "<" to the first ">" leaves that prefix as it is. So the
// "first < and first > from the very start" of every round are simply the
// next ones behind the last deleted tag.
RemoveTagsResult stripTags(const QString& text) {
    QString out;
    out.reserve(text.size());
    qsizetype pos = 0;
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('>'), pos);
        if (open < 0 || close < 0) {
            out.append(QStringView(text).mid(pos));
            return {out, false};
        }
        if (close < open)
            return {text.mid(close, 10), true};
        out.append(QStringView(text).mid(pos, open - pos));
        pos = close + 1;
    }
}

// The "&" that replaces "&amp;" can start a new "&amp;" with the characters
// behind it, and only there (no other character of "&amp;" is an "&"), so
// each "&" swallows every "amp;" that follows it directly.
QString decodeAmpersands(const QString& text) {
    static const QLatin1String kTail("amp;");
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i++);
        out.append(c);
        if (c == QLatin1Char('&')) {
            while (QStringView(text).mid(i, 4) == kTail)
                i += 4;
        }
    }
    return out;
}

RemoveTagsResult removeTags(const QString& workingText, const RemoveTagOptions& options,
                            const std::function<void(RemoveTagPass)>& onPass) {
    checkRemoveTagsLength(workingText);
    auto announce = [&](RemoveTagPass pass) {
        if (onPass)
            onPass(pass);
    };
    QString text = workingText;
    if (options.breaks) {
        announce(RemoveTagPass::LineBreaks);
        text = convertLineBreaks(text);
    }
    announce(RemoveTagPass::Tags);
    RemoveTagsResult result = stripTags(text);
    if (result.invalidHtml)
        return result;
    // A "<" or ">" made here is never taken for a tag; neither can make a new
    // "&lt;" or "&gt;", so plain replacement is exact for those two.
    if (options.amp) {
        announce(RemoveTagPass::Amp);
        result.text = decodeAmpersands(result.text);
    }
    if (options.lt) {
        announce(RemoveTagPass::Lt);
        result.text.replace(QLatin1String("&lt;"), QStringLiteral("<"));
    }
    if (options.gt) {
        announce(RemoveTagPass::Gt);
        result.text.replace(QLatin1String("&gt;"), QStringLiteral(">"));
    }
    return result;
}

std::optional<qsizetype> findSnippet(const QString& documentText, const QString& snippet) {
    checkRemoveTagsLength(documentText);
    const qsizetype at = documentText.indexOf(snippet, 0, Qt::CaseSensitive);
    if (at < 0)
        return std::nullopt;
    return at;
}

int textLineOfOffset(const QString& text, qsizetype offset) {
    int line = 1;
    const qsizetype end = std::min(offset, text.size());
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n'))
            ++line;
        else if (c == QLatin1Char('\r') && (i + 1 >= text.size() || text.at(i + 1) != QLatin1Char('\n')))
            ++line;
    }
    return line;
}

} // namespace zorvel
