#include "markup.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>

#include <cstring>
#include <utility>

namespace zorvel {

namespace {

// How a command combines its markup with the selection.
enum class Shape { Wrap, Replace, Before };

struct FormatRow {
    FormatCommand command;
    const char* open;
    const char* close;
    Shape shape;
};

constexpr FormatRow kFormats[] = {
    {FormatCommand::Bold, "<B>", "</B>", Shape::Wrap},
    {FormatCommand::Italic, "<EM>", "</EM>", Shape::Wrap},
    {FormatCommand::Underlined, "<U>", "</U>", Shape::Wrap},
    {FormatCommand::Strong, "<STRONG>", "</STRONG>", Shape::Wrap},
    {FormatCommand::HorizontalLine, "<HR>\r\n", "", Shape::Replace},
    {FormatCommand::LineBreak, "<BR>\r\n", "", Shape::Before},
    {FormatCommand::Paragraph, "<P>\r\n", "", Shape::Before},
    {FormatCommand::Code, "<CODE>", "</CODE>", Shape::Wrap},
    {FormatCommand::Keyboard, "<KBD>", "</KBD>", Shape::Wrap},
    {FormatCommand::Variable, "<VAR>", "</VAR>", Shape::Wrap},
    {FormatCommand::Sample, "<SAMP>", "</SAMP>", Shape::Wrap},
    {FormatCommand::Citation, "<CITE>", "</CITE>", Shape::Wrap},
    {FormatCommand::Blink, "<BLINK>", "</BLINK>", Shape::Wrap},
    {FormatCommand::Center, "<CENTER>", "</CENTER>", Shape::Wrap},
    {FormatCommand::Font, "<FONT>", "</FONT>", Shape::Wrap},
    {FormatCommand::Registered, "&#174;", "", Shape::Before},
    {FormatCommand::Copyright, "&#169;", "", Shape::Before},
    {FormatCommand::Ampersand, "&amp;", "", Shape::Before},
    {FormatCommand::LessThan, "&lt;", "", Shape::Before},
    {FormatCommand::GreaterThan, "&gt;", "", Shape::Before},
};

// A command's row is found by its number: the rows are in the commands' order.
constexpr bool inCommandOrder() {
    for (std::size_t i = 0; i < std::size(kFormats); ++i)
        if (int(kFormats[i].command) != int(i) + 1)
            return false;
    return true;
}
static_assert(inCommandOrder() && int(FormatCommand::GreaterThan) == int(std::size(kFormats)));

// Indexed by style - 1; every line ends with CR LF and the selection follows.
constexpr const char* kListSkeletons[] = {
    "<OL>\r\n<LI> No 1\r\n<LI> No 2\r\n<LI> No 3\r\n<LI> No 4\r\n</OL>\r\n",
    "<UL>\r\n<LI> First Line\r\n<LI> Second Line\r\n<LI> Third Line\r\n<LI> Fourth Line\r\n</UL>\r\n",
    "<MENU>\r\n<LI> Menu Item 1\r\n<LI> Menu Item 2\r\n<LI> Menu Item 3\r\n<LI> Menu Item 4\r\n</MENU>\r\n",
    "<DIR>\r\n<LI> Directory 1\r\n<LI> Directory 2\r\n</DIR>\r\n",
    "<DL>\r\n<DT> Term <DD> Description of Term \r\n</DL>\r\n",
};

// A closing tag (or a "/" in the selection) puts the caret in the middle of the
// text; otherwise it goes one past its end.
Insertion withCaret(QString text) {
    const int len = static_cast<int>(text.size());
    const int caret = text.contains(QLatin1Char('/')) ? len / 2 : len + 1;
    return {std::move(text), caret};
}

} // namespace

std::optional<Insertion> textFormatInsertion(int tag, const QString& sel) {
    if (tag < 1 || tag > static_cast<int>(std::size(kFormats)))
        return std::nullopt;
    const FormatRow& f = kFormats[tag - 1];
    const QString open = QLatin1String(f.open);
    switch (f.shape) {
    case Shape::Wrap:
        return withCaret(open + sel + QLatin1String(f.close));
    case Shape::Replace:
        return withCaret(open);
    case Shape::Before:
        break;
    }
    return withCaret(open + sel);
}

std::optional<Insertion> headingInsertion(int level, const QString& sel) {
    if (level < 1 || level > 6)
        return std::nullopt;
    const QString n = QString::number(level);
    return withCaret(QLatin1String("<H") + n + QLatin1Char('>') + sel + QLatin1String("</H") + n + QLatin1Char('>'));
}

std::optional<Insertion> listInsertion(int style, const QString& sel) {
    if (style < 1 || style > static_cast<int>(std::size(kListSkeletons)))
        return std::nullopt;
    return Insertion{QLatin1String(kListSkeletons[style - 1]) + sel, 0};
}

QString mailToText(const QString& address, const QString& sel) {
    const QString linkText = sel.isEmpty() ? QStringLiteral("   ") : sel;
    return QLatin1String("<A HREF=\"mailto:") + escapeMarkup(address, MarkupPlace::QuotedValue) + QLatin1String("\">") +
           linkText + QLatin1String("</A>");
}

int commandNumber(const QObject* sender) {
    if (const auto* combo = qobject_cast<const QComboBox*>(sender))
        return combo->currentIndex();
    if (qobject_cast<const QAbstractButton*>(sender) || qobject_cast<const QAction*>(sender))
        return sender->property("tag").toInt();
    return -1;
}

QString escapeMarkup(const QString& text, MarkupPlace place) {
    const bool quoted = place == MarkupPlace::QuotedValue;
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '"':
            out += quoted ? QLatin1String("&quot;") : QLatin1String("\"");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString unescapeQuotedValue(const QString& value) {
    static constexpr std::pair<const char*, char> kEntities[] = {
        {"&amp;", '&'}, {"&quot;", '"'}, {"&lt;", '<'}, {"&gt;", '>'}};
    if (!value.contains(QLatin1Char('&')))
        return value;
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size();) {
        bool decoded = false;
        if (value[i] == QLatin1Char('&')) {
            for (const auto& [entity, c] : kEntities) {
                if (QStringView(value).mid(i).startsWith(QLatin1String(entity))) {
                    out += QLatin1Char(c);
                    i += qsizetype(std::strlen(entity));
                    decoded = true;
                    break;
                }
            }
        }
        if (!decoded)
            out += value[i++];
    }
    return out;
}

QString toCrLf(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

QString fromCrLf(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return out;
}

} // namespace zorvel
