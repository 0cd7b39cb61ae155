#include "html_colours.h"

#include "parse/vocabulary.h"

namespace zorvel {

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
    SkipToGt, // what the viewer skips up to the tag's ">"
    Comment,
    TextArea,    // the text of a TEXTAREA: only its end tag is markup
    TextAreaTag, // a "<" in it and what follows, up to a blank, a line end or ">"
};

enum Flag : std::uint8_t {
    EndTag = 1,
    SingleQuote = 2,
    OpensTextArea = 4, // the tag is a TEXTAREA start tag
    Heading = 8,       // the tag's name is H: a digit may follow
    LtPending = 16,    // a "<" ended a piece: whether "!" follows is not known yet
    NoMatch = 32,      // in a TEXTAREA: the text after "<" is no end tag
};

// The name byte: letters read (at most 15), and whether they still spell a
// beginning of "TEXTAREA" or of "H". In a TEXTAREA: characters of "</textarea" matched.
constexpr std::uint8_t kLengthMask = 0x0f;
constexpr std::uint8_t kSpellsTextArea = 0x10;
constexpr std::uint8_t kSpellsH = 0x20;
constexpr char16_t kTextAreaName[] = u"TEXTAREA";
constexpr char16_t kTextAreaEnd[] = u"</textarea";
constexpr int kTextAreaEndLength = 10;

bool isLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r';
}
char16_t upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}
char16_t lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

// The length of the entity at i that the viewer turns into a character, or 0.
int entityLength(QStringView s, int i) {
    const int n = int(s.size());
    int j = i + 1;
    if (j < n && s[j] == u'#') {
        ++j;
        const int first = j;
        while (j - first < 3 && j < n && isDigit(s[j].unicode()))
            ++j;
        return j > first && j < n && s[j] == u';' ? j + 1 - i : 0;
    }
    const int first = j;
    while (j - first < 6 && j < n && isLetter(s[j].unicode()))
        ++j;
    if (j >= n || s[j] != u';' || html::lookupEntity(s.mid(first, j - first)) == 0)
        return 0;
    return j + 1 - i;
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
            if (c == u'<' && r_.mode != Comment) {
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
        r_.mode = Comment;
        paint(at, length, HtmlColour::Comment);
    }

    void closeTag(int at) {
        paint(at, 1, HtmlColour::Tag);
        r_.mode = (r_.flags & OpensTextArea) ? TextArea : Text;
        r_.flags = 0;
        r_.name = 0;
    }

    void addNameLetter(char16_t c) {
        const int length = r_.name & kLengthMask;
        const char16_t u = upper(c);
        if (length >= 8 || kTextAreaName[length] != u)
            r_.name &= std::uint8_t(~kSpellsTextArea);
        if (length >= 1 || u != u'H')
            r_.name &= std::uint8_t(~kSpellsH);
        r_.name = std::uint8_t((r_.name & ~kLengthMask) | std::min(length + 1, int(kLengthMask)));
    }

    void endName() {
        const int length = r_.name & kLengthMask;
        if ((r_.name & kSpellsH) && length == 1)
            r_.flags |= Heading;
        if ((r_.name & kSpellsTextArea) && length == 8 && !(r_.flags & EndTag))
            r_.flags |= OpensTextArea;
        r_.mode = AfterName;
    }

    // Reads c (at i; i outside the text for a line end or a "<" carried over)
    // and gives how many characters were used.
    int handle(char16_t c, int i) {
        for (;;) {
            switch (Mode(r_.mode)) {
            case Text:
                if (c == u'<') {
                    paint(i, 1, HtmlColour::Tag);
                    r_.mode = TagOpen;
                    r_.name = 0;
                    r_.flags = 0;
                } else if (c == u'&' && i >= 0) {
                    if (const int length = entityLength(s_, i); length > 0) {
                        paint(i, length, HtmlColour::Entity);
                        return length;
                    }
                }
                return 1;
            case TagOpen:
                if (c == u'/' && !(r_.flags & EndTag)) {
                    r_.flags |= EndTag;
                    paint(i, 1, HtmlColour::Tag);
                    return 1;
                }
                if (isLetter(c)) {
                    r_.mode = TagName;
                    r_.name = kSpellsTextArea | kSpellsH;
                    addNameLetter(c);
                    paint(i, 1, HtmlColour::Tag);
                    return 1;
                }
                r_.mode = AfterName;
                continue;
            case TagName:
                if (isLetter(c)) {
                    addNameLetter(c);
                    paint(i, 1, HtmlColour::Tag);
                    return 1;
                }
                endName();
                continue;
            case AfterName:
                if (isBlank(c))
                    return 1;
                if ((r_.flags & Heading) && c >= u'1' && c <= u'6') {
                    // A heading's level: the viewer reads no attributes after it.
                    paint(i, 1, HtmlColour::Tag);
                    r_.mode = SkipToGt;
                    return 1;
                }
                r_.mode = AttrStart;
                continue;
            case AttrStart:
                if (isBlank(c))
                    return 1;
                if (isLetter(c)) {
                    r_.mode = AttrName;
                    paint(i, 1, HtmlColour::AttributeName);
                    return 1;
                }
                r_.mode = SkipToGt;
                continue;
            case AttrName:
                if (isLetter(c)) {
                    paint(i, 1, HtmlColour::AttributeName);
                    return 1;
                }
                r_.mode = AfterAttrName;
                continue;
            case AfterAttrName:
                if (isBlank(c))
                    return 1;
                if (c == u'=') {
                    paint(i, 1, HtmlColour::Tag);
                    r_.mode = AfterEquals;
                    return 1;
                }
                r_.mode = AttrStart;
                continue;
            case AfterEquals:
                if (isBlank(c))
                    return 1;
                if (c == u'"' || c == u'\'') {
                    if (c == u'\'')
                        r_.flags |= SingleQuote;
                    else
                        r_.flags &= std::uint8_t(~SingleQuote);
                    paint(i, 1, HtmlColour::AttributeValue);
                    r_.mode = Quoted;
                    return 1;
                }
                if (c == u'+' || c == u'-' || isDigit(c)) {
                    paint(i, 1, HtmlColour::AttributeValue);
                    r_.mode = Number;
                    return 1;
                }
                r_.mode = Word;
                continue;
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
                if (isDigit(c) || (upper(c) >= u'A' && upper(c) <= u'F')) {
                    paint(i, 1, HtmlColour::AttributeValue);
                    return 1;
                }
                r_.mode = AfterNumber;
                continue;
            case AfterNumber:
                if (isBlank(c))
                    return 1;
                r_.mode = AttrStart;
                if (c == u'%') {
                    paint(i, 1, HtmlColour::AttributeValue);
                    return 1;
                }
                continue;
            case Word:
                if (c == u' ' || c == u'\t' || c == u'\r' || c == u'>') {
                    r_.mode = AttrStart;
                    continue;
                }
                paint(i, 1, HtmlColour::AttributeValue);
                return 1;
            case SkipToGt:
                if (c == u'>')
                    closeTag(i);
                else
                    paint(i, 1, HtmlColour::Tag);
                return 1;
            case Comment:
                paint(i, 1, HtmlColour::Comment);
                if (c == u'>')
                    r_.mode = r_.resume;
                return 1;
            case TextArea:
                if (c == u'<') {
                    r_.mode = TextAreaTag;
                    r_.name = 1;
                    r_.flags &= std::uint8_t(~NoMatch);
                    textAreaTagStart_ = i;
                }
                return 1;
            case TextAreaTag:
                if (c == u' ' || c == u'\t' || c == u'\r' || c == u'>') {
                    if (!(r_.flags & NoMatch) && r_.name == kTextAreaEndLength) {
                        paint(std::max(textAreaTagStart_, 0), i - std::max(textAreaTagStart_, 0), HtmlColour::Tag);
                        r_.mode = SkipToGt;
                        r_.flags = 0;
                        r_.name = 0;
                    } else {
                        r_.mode = TextArea;
                    }
                    if (c == u'>' || r_.mode == TextArea)
                        continue;
                    return 1;
                }
                if (!(r_.flags & NoMatch) && r_.name < kTextAreaEndLength && lower(c) == kTextAreaEnd[r_.name])
                    ++r_.name;
                else
                    r_.flags |= NoMatch;
                return 1;
            }
            return 1;
        }
    }

    HtmlReading r_;
    std::vector<ColouredRange>* out_;
    QStringView s_;
    int textAreaTagStart_ = -1; // -1: the "<" stood in an earlier piece
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
