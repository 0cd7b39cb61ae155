#include "html_colours.h"

#include "parse/html_rules.h"

#include <algorithm>
#include <string_view>

namespace zorvel {

using namespace html;

namespace {

enum Mode : std::uint8_t {
    Text,
    TagOpen, // after "<", and after "</"
    TagName,
    AfterName, // blanks after the name; a heading's digit
    AttrStart, // blanks before an attribute, or the tag's end
    AttrName,
    AfterAttrName, // blanks before "=" or the next attribute
    AfterEquals,   // blanks before a value
    Quoted,
    Number,
    AfterNumber, // blanks and one "%" after a number
    Word,
    SkipToGt,    // what the viewer skips up to the tag's ">"
    TextArea,    // the text of a TEXTAREA: only its end tag is markup
    TextAreaTag, // a "<" in it and what follows, up to a blank, a line end or ">"
    Script,      // the text of a SCRIPT: nothing but its end tag
    Style,       // the same for a STYLE
    RawEndTag,   // a "<" in a script or style and what follows, while it may be the end tag
    // A "<!" construct, one mode per step of its reading.
    FirstComment,
    LastComment = FirstComment + int(CommentStep::Closed) - 1,
};

constexpr bool inComment(std::uint8_t mode) {
    return mode >= FirstComment && mode <= LastComment;
}
// Where "<!" starts a comment: not in one, nor in a script's or style sheet's text.
constexpr bool opensComments(std::uint8_t mode) {
    return !inComment(mode) && mode != Script && mode != Style && mode != RawEndTag;
}

enum Flag : std::uint8_t {
    EndTag = 1,
    SingleQuote = 2,
    OpensTextArea = 4, // the tag is a TEXTAREA start tag
    Heading = 8,       // the tag's name is H: a digit may follow
    LtPending = 16,    // a "<" ended a piece: whether "!" follows is not known yet
    NoMatch = 32,      // in a TEXTAREA: the text after "<" is no end tag
    OpensScript = 64,  // the tag is a SCRIPT start tag
    OpensStyle = 128,  // the tag is a STYLE start tag
};

// The name byte: letters read (at most 15), and which of the names that
// change the reading after the tag they still spell the beginning of. In a
// TEXTAREA, a script or a style sheet: characters of the end tag matched.
constexpr std::uint8_t kLengthMask = 0x0f;
struct SpelledName {
    std::u16string_view name;
    std::uint8_t bit;  // in the name byte, while the letters may still spell it
    std::uint8_t flag; // set on the tag when they do
};
constexpr SpelledName kSpelled[] = {
    {u"TEXTAREA", 0x10, OpensTextArea},
    {u"H", 0x20, Heading},
    {kRawTextElements[0], 0x40, OpensScript},
    {kRawTextElements[1], 0x80, OpensStyle},
};
constexpr std::uint8_t kSpellsAny = 0xf0;
static_assert(std::size(kRawTextElements) == 2, "one spelled name per raw-text element");

// The end tag a script or a style sheet waits for, lower-cased as "</script".
constexpr bool matchesRawEnd(Mode raw, int matched, char16_t c) {
    const std::u16string_view name = kRawTextElements[raw == Script ? 0 : 1];
    if (matched < 2)
        return c == u"</"[matched];
    return std::size_t(matched - 2) < name.size() && asciiUpper(c) == name[std::size_t(matched - 2)];
}
constexpr int rawEndLength(Mode raw) {
    return 2 + int(kRawTextElements[raw == Script ? 0 : 1].size());
}

class Reader {
public:
    Reader(HtmlReading reading, std::vector<ColouredRange>* out) : r_(reading), out_(out) {}

    HtmlReading read(QStringView s, bool lineBreak) {
        s_ = s;
        const int n = int(s.size());
        int i = 0;
        if (r_.flags & LtPending) {
            r_.flags &= std::uint8_t(~LtPending);
            if (n > 0 && s[0] == u'!') {
                openComment(-1, 2);
                i = 1;
            } else {
                handle(u'<', -1);
            }
        }
        while (i < n) {
            const char16_t c = s[i].unicode();
            if (c == u'<' && opensComments(r_.mode)) {
                if (i + 1 < n && s[i + 1] == u'!') {
                    openComment(i, 2);
                    i += 2;
                    continue;
                }
                if (i + 1 == n && !lineBreak) {
                    r_.flags |= LtPending;
                    break;
                }
            }
            i += handle(c, i);
        }
        if (lineBreak)
            handle(u'\r', n);
        return r_;
    }

private:
    void paint(int at, int length, HtmlColour colour) {
        if (!out_)
            return;
        if (at < 0) {
            length += at;
            at = 0;
        }
        length = std::min(length, int(s_.size()) - at);
        if (length <= 0)
            return;
        if (!out_->empty()) {
            ColouredRange& last = out_->back();
            if (last.colour == colour && last.start + last.length == at) {
                last.length += length;
                return;
            }
        }
        out_->push_back({at, length, colour});
    }

    void openComment(int at, int length) {
        r_.resume = r_.mode;
        r_.mode = FirstComment + std::uint8_t(CommentStep::AfterBang);
        paint(at, length, HtmlColour::Comment);
    }

    void closeTag(int at) {
        paint(at, 1, HtmlColour::Tag);
        r_.mode = (r_.flags & OpensTextArea) ? TextArea
                  : (r_.flags & OpensScript) ? Script
                  : (r_.flags & OpensStyle)  ? Style
                                             : Text;
        r_.flags = 0;
        r_.name = 0;
    }

    void addNameLetter(char16_t c) {
        const int length = r_.name & kLengthMask;
        const char16_t u = asciiUpper(c);
        for (const SpelledName& spelled : kSpelled)
            if (std::size_t(length) >= spelled.name.size() || spelled.name[std::size_t(length)] != u)
                r_.name &= std::uint8_t(~spelled.bit);
        r_.name = std::uint8_t((r_.name & ~kLengthMask) | std::min(length + 1, int(kLengthMask)));
    }

    void endName() {
        const int length = r_.name & kLengthMask;
        for (const SpelledName& spelled : kSpelled) {
            const bool whole = (r_.name & spelled.bit) && std::size_t(length) == spelled.name.size();
            // Only a start tag opens a text area, a script or a style sheet.
            if (whole && (spelled.flag == Heading || !(r_.flags & EndTag)))
                r_.flags |= spelled.flag;
        }
        r_.mode = AfterName;
    }

    // A character reference the viewer turns into characters, at i; the characters used.
    int reference(int i) {
        if (i < 0)
            return 1;
        const std::u16string_view rest(s_.utf16() + i, std::size_t(s_.size() - i));
        const int length = readCharacterReference(rest, ReferenceContext::Text).length;
        if (length == 0)
            return 1;
        paint(i, length, HtmlColour::Entity);
        return length;
    }

    // Reads c (at i; i outside the text for a line end or a "<" carried over)
    // and gives how many characters were used; a mode that hands c on to the
    // next gives 0 and the loop reads c again.
    int handle(char16_t c, int i) {
        for (;;) {
            const int used = inComment(r_.mode)   ? comment(c, i)
                             : r_.mode < Quoted   ? tag(c, i)
                             : r_.mode < TextArea ? value(c, i)
                                                  : rawText(c, i);
            if (used > 0)
                return used;
        }
    }

    // Text, and a tag up to its attributes' values.
    int tag(char16_t c, int i) {
        switch (Mode(r_.mode)) {
        case Text:
            if (c == u'<') {
                paint(i, 1, HtmlColour::Tag);
                r_.mode = TagOpen;
                r_.name = 0;
                r_.flags = 0;
                return 1;
            }
            return c == u'&' ? reference(i) : 1;
        case TagOpen:
            if (c == u'/' && !(r_.flags & EndTag)) {
                r_.flags |= EndTag;
                paint(i, 1, HtmlColour::Tag);
                return 1;
            }
            if (isNameLetter(c)) {
                r_.mode = TagName;
                r_.name = kSpellsAny;
                addNameLetter(c);
                paint(i, 1, HtmlColour::Tag);
                return 1;
            }
            r_.mode = AfterName;
            return 0;
        case TagName:
            if (isNameLetter(c)) {
                addNameLetter(c);
                paint(i, 1, HtmlColour::Tag);
                return 1;
            }
            endName();
            return 0;
        case AfterName:
            if (isBlank(c))
                return 1;
            if ((r_.flags & Heading) && isHeadingLevel(c)) {
                // A heading's level; its attributes follow it.
                paint(i, 1, HtmlColour::Tag);
                r_.mode = AttrStart;
                return 1;
            }
            r_.mode = AttrStart;
            return 0;
        case AttrStart:
            if (isBlank(c))
                return 1;
            if (isNameLetter(c)) {
                r_.mode = AttrName;
                paint(i, 1, HtmlColour::AttributeName);
                return 1;
            }
            r_.mode = SkipToGt;
            return 0;
        case AttrName:
            if (isNameLetter(c)) {
                paint(i, 1, HtmlColour::AttributeName);
                return 1;
            }
            r_.mode = AfterAttrName;
            return 0;
        case AfterAttrName:
            if (isBlank(c))
                return 1;
            if (c == u'=') {
                paint(i, 1, HtmlColour::Tag);
                r_.mode = AfterEquals;
                return 1;
            }
            r_.mode = AttrStart;
            return 0;
        case AfterEquals:
            if (isBlank(c))
                return 1;
            if (isQuote(c)) {
                if (c == u'\'')
                    r_.flags |= SingleQuote;
                else
                    r_.flags &= std::uint8_t(~SingleQuote);
                paint(i, 1, HtmlColour::AttributeValue);
                r_.mode = Quoted;
                return 1;
            }
            if (startsNumberValue(c)) {
                paint(i, 1, HtmlColour::AttributeValue);
                r_.mode = Number;
                return 1;
            }
            r_.mode = Word;
            return 0;
        default:
            return 1;
        }
    }

    // An attribute's value, and the rest of a tag up to its ">".
    int value(char16_t c, int i) {
        switch (Mode(r_.mode)) {
        case Quoted:
            if (c == ((r_.flags & SingleQuote) ? u'\'' : u'"')) {
                paint(i, 1, HtmlColour::AttributeValue);
                r_.mode = AttrStart;
            } else if (c == u'>') {
                closeTag(i); // a ">" ends the value and the tag
            } else if (c != u'\r') {
                paint(i, 1, HtmlColour::AttributeValue);
            }
            return 1;
        case Number:
            if (continuesNumberValue(c)) {
                paint(i, 1, HtmlColour::AttributeValue);
                return 1;
            }
            r_.mode = AfterNumber;
            return 0;
        case AfterNumber:
            if (isBlank(c))
                return 1;
            r_.mode = AttrStart;
            if (c == u'%') {
                paint(i, 1, HtmlColour::AttributeValue);
                return 1;
            }
            return 0;
        case Word:
            if (endsWordValue(c)) {
                r_.mode = AttrStart;
                return 0;
            }
            paint(i, 1, HtmlColour::AttributeValue);
            return 1;
        case SkipToGt:
            if (c == u'>')
                closeTag(i);
            else
                paint(i, 1, HtmlColour::Tag);
            return 1;
        default:
            return 1;
        }
    }

    int comment(char16_t c, int i) {
        paint(i, 1, HtmlColour::Comment);
        const CommentStep step = nextCommentStep(CommentStep(r_.mode - FirstComment), c);
        r_.mode = step == CommentStep::Closed ? r_.resume : FirstComment + std::uint8_t(step);
        return 1;
    }

    // The text of a text area, a script or a style sheet, and their end tags.
    int rawText(char16_t c, int i) {
        switch (Mode(r_.mode)) {
        case TextArea:
            if (c == u'<') {
                r_.mode = TextAreaTag;
                r_.name = 1;
                r_.flags &= std::uint8_t(~NoMatch);
                rawTagStart_ = i;
                return 1;
            }
            return c == u'&' ? reference(i) : 1;
        case TextAreaTag:
            if (isBlank(c) || c == u'>') {
                const int length = int(kTextAreaEnd.size());
                if (!(r_.flags & NoMatch) && r_.name == length) {
                    paintEndTag(i);
                    r_.mode = SkipToGt;
                    r_.flags = 0;
                    r_.name = 0;
                } else {
                    r_.mode = TextArea;
                }
                return c == u'>' || r_.mode == TextArea ? 0 : 1;
            }
            if (!(r_.flags & NoMatch) && r_.name < kTextAreaEnd.size() && asciiLower(c) == kTextAreaEnd[r_.name])
                ++r_.name;
            else
                r_.flags |= NoMatch;
            return 1;
        case Script:
        case Style:
            if (c == u'<') {
                r_.resume = r_.mode;
                r_.mode = RawEndTag;
                r_.name = 1;
                rawTagStart_ = i;
            }
            return 1;
        case RawEndTag: {
            const Mode raw = Mode(r_.resume);
            if (r_.name == rawEndLength(raw) && endsRawTextEndTag(c)) {
                // The end tag: read on as any end tag, after its name.
                paintEndTag(i);
                r_.mode = AfterName;
                r_.flags = EndTag;
                r_.name = 0;
                return 0;
            }
            if (matchesRawEnd(raw, r_.name, c)) {
                ++r_.name;
                return 1;
            }
            r_.mode = raw; // no end tag: c is text again, and may start one
            return 0;
        }
        default:
            return 1;
        }
    }

    // An end tag read so far, from its "<" up to i.
    void paintEndTag(int i) {
        const int from = std::max(rawTagStart_, 0);
        paint(from, i - from, HtmlColour::Tag);
    }

    HtmlReading r_;
    std::vector<ColouredRange>* out_;
    QStringView s_;
    int rawTagStart_ = -1; // -1: the "<" stood in an earlier piece
};

} // namespace

HtmlLineColours colourHtmlLine(QStringView line, HtmlReading before, bool lineBreak) {
    HtmlLineColours result;
    Reader reader(before, &result.ranges);
    result.after = reader.read(line, lineBreak);
    return result;
}

HtmlReading readHtmlLine(QStringView line, HtmlReading before, bool lineBreak) {
    Reader reader(before, nullptr);
    return reader.read(line, lineBreak);
}

} // namespace zorvel
