// Character reading and tokens: line ends, "<!" constructs, text runs,
// entities, tags and attributes.
#include "parse/parser.h"

#include "canvas/fixed_canvas.h"

namespace zorvel::html {

namespace {
constexpr char16_t kEnd = 26;
constexpr int kMaxTextRun = 100;

struct FixedMetricsCanvasHolder {
    FixedMetricsCanvas canvas;
    TSectionList list{canvas};
};
// A name's key from its upper-case letters.
constexpr NameKey keyOf(std::u16string_view name) {
    NameKey::Letters letters{};
    for (std::size_t i = 0; i < name.size() && i < letters.size(); ++i)
        letters[i] = char(name[i]);
    return NameKey::of(letters);
}
// Block elements outside the vocabulary: DIV, then those that only break the line.
constexpr NameKey kDiv = nameKey("DIV");
constexpr NameKey kLineBreakingBlocks[] = {nameKey("SECTION"), nameKey("ARTICLE"), nameKey("NAV"),
                                           nameKey("HEADER"),  nameKey("FOOTER"),  nameKey("MAIN"),
                                           nameKey("ASIDE"),   nameKey("FIGURE"),  nameKey("FIGCAPTION")};
int blockToken(const NameKey& key, bool endTag) {
    if (key == kDiv)
        return endTag ? DivEnd : DivStart;
    for (const NameKey& block : kLineBreakingBlocks)
        if (key == block)
            return BlockBreak;
    return UnknownTag;
}
// The element whose text is raw, by its key; an empty name for every other.
std::u16string_view rawTextElement(const NameKey& key) {
    static constexpr NameKey kKeys[] = {keyOf(kRawTextElements[0]), keyOf(kRawTextElements[1])};
    static_assert(std::size(kKeys) == std::size(kRawTextElements));
    for (std::size_t i = 0; i < std::size(kKeys); ++i)
        if (key == kKeys[i])
            return kRawTextElements[i];
    return {};
}
} // namespace

// The next character of the text with line ends made one CR and tabs made
// spaces; character 26 and the end of the text both end the input for good.
void HtmlParser::ReadRawChar() {
    char16_t c = kEnd;
    if (pos_ < end_) {
        c = *pos_++;
        if (c == kEnd) {
            pos_ = end_;
        } else if (c == u'\r' || c == u'\n') {
            if (pos_ < end_) {
                const char16_t n = *pos_;
                if ((c == u'\r' && n == u'\n') || (c == u'\n' && n == u'\r'))
                    ++pos_;
            }
            c = u'\r';
        } else if (c == u'\t') {
            c = u' ';
        }
    }
    CurChar = c;
    CurCharUpper = asciiUpper(c);
}

int HtmlParser::ReadOffset() const {
    if (CurChar == kEnd || pos_ == begin_)
        return int(pos_ - begin_);
    // A line end read as one CR may have been two characters.
    const bool pair = CurChar == u'\r' && pos_ - begin_ >= 2 && (pos_[-1] == u'\r' || pos_[-1] == u'\n') &&
                      pos_[-2] != pos_[-1] && (pos_[-2] == u'\r' || pos_[-2] == u'\n');
    return int(pos_ - begin_) - (pair ? 2 : 1);
}

void HtmlParser::ReadCharSlow() {
    for (;;) {
        ReadRawChar();
        if (CurChar != u'<')
            return;
        // Only a '!' right after it makes a "<!" construct. Any other
        // character is left in the page, read in turn.
        if (pos_ == end_ || *pos_ != u'!')
            return;
        SkipComment();
        if (commentOpen_)
            return;
    }
}

void HtmlParser::SkipComment() {
    const char16_t* const start = pos_ - 1;
    CommentStep step = CommentStep::AfterBang;
    const char16_t* p = pos_ + 1;
    // Line ends and tabs are none of what ends it: the characters are looked at as they stand.
    for (; p < end_ && *p != kEnd; ++p) {
        // Inside a comment only a dash can start its end (a NUL stops the scan too, harmlessly).
        if (step == CommentStep::Body) {
            p = findPlainEnd(p, end_, 1, u'-', kEnd, u'-');
            if (p == end_ || *p == kEnd)
                break;
        }
        step = nextCommentStep(step, *p);
        if (step == CommentStep::Closed)
            break;
    }
    if (p == end_ || *p == kEnd) {
        // Open at the end of the page: the page ends here.
        Record(LexicalRange::Comment, start, p);
        commentOpen_ = true;
        pos_ = end_;
        CurChar = CurCharUpper = kEnd;
        return;
    }
    Record(LexicalRange::Comment, start, p + 1);
    pos_ = p + 1;
}

void HtmlParser::NextToken() {
    tokenLength_ = 0;
    if (CurChar == kEnd) {
        Sy = EofToken;
    } else if (CurChar == u'<') {
        ReadTag();
    } else if (CurChar == u'&') {
        ReadEntity(false);
    } else if (!ReadTextRun()) {
        Sy = StrayChar;
        AppendTokenText(CurChar);
        ReadChar();
    }
}

// The run is gathered straight into the token's text, which is empty here.
bool HtmlParser::ReadTextRun() {
    char16_t* const run = tokenText_;
    int n = 0;
    while (n < kMaxTextRun) {
        const char16_t c = CurChar;
        if (c <= 12 || (c >= 14 && c <= 31) || c == u'&' || c == u'<' || c == u'>')
            break;
        if (!inPre_ && (c == u' ' || c == u'\r')) {
            run[n++] = u' ';
            do
                ReadChar();
            while (CurChar == u' ' || CurChar == u'\r');
        } else {
            run[n++] = c;
            n = TakePlain(run, n, kMaxTextRun, true);
            ReadChar();
        }
    }
    // A character beyond U+FFFF is two code units: a run never ends between them.
    if (n > 0 && QChar::isHighSurrogate(run[n - 1]) && QChar::isLowSurrogate(CurChar)) {
        run[n++] = CurChar;
        ReadChar();
    }
    if (n == 0)
        return false;
    tokenLength_ = n;
    Sy = TextToken;
    return true;
}

void HtmlParser::ReadEntity(bool lineEnds) {
    Sy = TextToken;
    tokenLength_ = 0;
    // The '&' is the character just read; a reference is letters, digits,
    // '#' and ';', none of which the character reading changes, so it is read
    // from the text as it stands.
    const char16_t* const amp = pos_ - 1;
    const CharacterReference r =
        readCharacterReference(std::u16string_view(amp, std::size_t(end_ - amp)), ReferenceContext::Text);
    if (r.length == 0) {
        AppendTokenText(u'&');
        ReadChar();
        return;
    }
    Record(LexicalRange::Reference, amp, amp + r.length);
    pos_ = amp + r.length;
    ReadChar();
    for (int i = 0; i < r.textLength; ++i) {
        char16_t c = r.text[i];
        // Whitespace written as a reference is whitespace.
        if (c == u'\n' || c == u'\r')
            c = lineEnds ? u'\r' : u' ';
        else if (c == u'\t' || c == u'\f')
            c = u' ';
        AppendTokenText(c);
    }
}

void HtmlParser::ReadTag() {
    const char16_t* const start = pos_ - 1;
    ReadChar();
    bool endTag = false;
    if (CurCharUpper == u'/') {
        endTag = true;
        ReadChar();
    }
    const NameKey name = ReadName();
    const int tag = lookupTag(name);
    if (tag < 0)
        Sy = blockToken(name, endTag);
    else if (endTag)
        Sy = tag < kTagsWithEnd ? endOf(tag) : tag == tP ? ParagraphEnd : UnknownTag;
    else
        Sy = tag;

    SkipWhiteSpace();
    headingLevel_ = 0;
    if ((Sy == tH || Sy == endOf(tH)) && isHeadingLevel(CurCharUpper)) {
        headingLevel_ = CurCharUpper - u'0';
        ReadChar();
    }
    // A heading's attributes follow its level.
    if (Sy == DivStart || (Sy != UnknownTag && Sy != ParagraphEnd && tagKeepsAttributes(tag))) {
        attributes_.clear();
        TAttribute attribute;
        while (ReadAttribute(attribute, AttributeValues::Known))
            if (attribute.Kind != AttrKind::Unknown)
                attributes_.push_back(std::move(attribute));
    }
    // What is left is passed: attributes of a tag that keeps none would be
    // read past up to this same '>', as none of their readings goes past one.
    while (CurChar != u'>' && CurChar != kEnd) {
        PassPlain(u'>');
        ReadChar();
    }
    if (CurChar != u'>') {
        Record(LexicalRange::Tag, start, end_);
        return;
    }
    Record(LexicalRange::Tag, start, pos_);
    if (tag < 0 && !endTag)
        if (const std::u16string_view raw = rawTextElement(name); !raw.empty())
            SkipRawText(raw);
    ReadChar();
}

void HtmlParser::SkipRawText(std::u16string_view name) {
    // Character 26 ends the page, inside a script too.
    const std::u16string_view rest(pos_, std::size_t(end_ - pos_));
    const std::size_t stop = std::min(rest.find(kEnd), rest.size());
    pos_ += findRawTextEnd(rest.substr(0, stop), name);
}

NameKey HtmlParser::ReadName() {
    NameKey::Letters letters{};
    std::size_t length = 0;
    auto take = [&](char16_t upper) {
        if (length < letters.size())
            letters[length] = char(upper);
        ++length;
    };
    while (isNameLetter(CurCharUpper)) {
        take(CurCharUpper);
        // The letters after it straight from the page: a letter is never
        // anything ReadChar would have to fold or skip.
        for (; pos_ < end_ && isNameLetter(*pos_); ++pos_)
            take(asciiUpper(*pos_));
        ReadChar();
    }
    // Longer names are none of ours: they read as the empty key, which names nothing.
    return length <= letters.size() ? NameKey::of(letters) : NameKey();
}

bool HtmlParser::ReadAttribute(TAttribute& a, AttributeValues values) {
    SkipWhiteSpace();
    if (!isNameLetter(CurCharUpper))
        return false;
    a.Kind = lookupAttribute(ReadName());
    const bool keep = values == AttributeValues::All || a.Kind != AttrKind::Unknown;
    SkipWhiteSpace();
    a.ValueText = QString();
    a.NumericValue = a.Kind == AttrKind::Border ? 1 : 0;
    if (CurCharUpper != u'=')
        return true;
    ReadChar();
    SkipWhiteSpace();
    // The value is gathered where its capacity stays, and becomes a string once.
    value_.clear();
    if (isQuote(CurChar)) {
        const char16_t quote = CurChar;
        ReadChar();
        while (CurChar != quote && CurChar != u'>' && CurChar != kEnd) {
            // A value that is not kept is only read past.
            if (keep) {
                if (CurChar != u'\r')
                    value_ += CurChar;
                value_ += PassPlain(quote);
            } else {
                PassPlain(quote);
            }
            ReadChar();
        }
        if (CurChar == quote)
            ReadChar();
        if (!keep)
            return true;
        decodeAttributeReferences(value_);
        // Only a value that starts like a number can be one: most are names and addresses.
        const char16_t first = value_.empty() ? u'\0' : value_.front();
        a.NumericValue = 0;
        if (startsNumberValue(first)) {
            QStringView number(value_.data(), qsizetype(value_.size()));
            const qsizetype percent = number.indexOf(u'%');
            if (percent >= 0 && percent == number.size() - 1)
                number.chop(1);
            a.NumericValue = parseDecimal(number).value_or(0);
        }
    } else if (startsNumberValue(CurCharUpper)) {
        value_ += CurCharUpper;
        ReadChar();
        while (continuesNumberValue(CurCharUpper)) {
            value_ += CurCharUpper;
            ReadChar();
        }
        SkipWhiteSpace();
        if (CurChar == u'%')
            ReadChar();
        a.NumericValue = parseDecimal(QStringView(value_.data(), qsizetype(value_.size()))).value_or(0);
    } else {
        while (!endsWordValue(CurChar) && CurChar != kEnd) {
            if (keep)
                value_ += CurChar;
            ReadChar();
        }
        if (keep)
            decodeAttributeReferences(value_);
    }
    if (keep && !value_.empty())
        a.ValueText = QString(reinterpret_cast<const QChar*>(value_.data()), qsizetype(value_.size()));
    return true;
}

TAttributeList HtmlParser::FirstTagAttributes(QStringView text) {
    FixedMetricsCanvasHolder holder;
    TNameList names;
    TParseStrings strings;
    HtmlParser parser(holder.list, names, text, strings);
    parser.ReadChar();
    while (parser.CurChar != u'<' && parser.CurChar != kEnd)
        parser.ReadChar();
    if (parser.CurChar != u'<')
        return {};
    parser.ReadChar();
    parser.ReadName();
    TAttributeList list;
    TAttribute attribute;
    while (parser.ReadAttribute(attribute, AttributeValues::All))
        list.push_back(attribute);
    return list;
}

// Inside a text area only line ends, the closing tag, character references
// and plain text count.
void HtmlParser::NextTextAreaToken() {
    tokenLength_ = 0;
    if (CurChar == u'\r') {
        Sy = LineEnd;
        ReadChar();
    } else if (CurChar == kEnd) {
        Sy = EofToken;
    } else if (CurChar == u'<') {
        const char16_t* const start = pos_ - 1;
        while (tokenLength_ < kMaxTokenText && CurChar != u' ' && CurChar != u'\r' && CurChar != u'>' &&
               CurChar != kEnd) {
            AppendTokenText(CurChar);
            ReadChar();
        }
        Sy = TokenText().compare(QStringView(kTextAreaEnd.data(), qsizetype(kTextAreaEnd.size())),
                                 Qt::CaseInsensitive) == 0
                 ? TextAreaEnd
                 : UnknownTag;
        if (Sy == TextAreaEnd)
            textAreaEndStart_ = start;
    } else if (CurChar == u'&') {
        ReadEntity(true);
        if (TokenText() == QStringView(u"\r"))
            Sy = LineEnd;
    } else {
        while (tokenLength_ < kMaxTextRun && CurChar != u'\r' && CurChar != kEnd && CurChar != u'<' &&
               CurChar != u'&') {
            AppendTokenText(CurChar);
            ReadChar();
        }
        Sy = TextToken;
    }
}

} // namespace zorvel::html
