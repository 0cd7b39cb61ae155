// Character reading and tokens: line ends, "<!" constructs, text runs,
// entities, tags and attributes.
#include "parse/parser.h"

#include "canvas/fixed_canvas.h"
#include "parse/decode.h"

namespace zorvel::html {

namespace {
constexpr char16_t kEnd = 26;
constexpr int kMaxTextRun = 100;

char16_t asciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}
bool isUpperLetter(char16_t c) {
    return c >= u'A' && c <= u'Z';
}
bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool isLetter(char16_t c) {
    return isUpperLetter(asciiUpper(c));
}
struct FixedMetricsCanvasHolder {
    FixedMetricsCanvas canvas;
    TSectionList list{canvas};
};
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
    if (c == kEnd && commentOpen_)
        throw EParseError("Open Comment at End of HTML File");
}

void HtmlParser::ReadCharSlow() {
    for (;;) {
        ReadRawChar();
        if (CurChar != u'<')
            return;
        // Only a '!' right after it makes a "<!" construct, which ends at its
        // first ">". Any other character is left in the page, read in turn.
        if (pos_ == end_ || *pos_ != u'!')
            return;
        ++pos_;
        commentOpen_ = true;
        do
            ReadRawChar();
        while (CurChar != u'>');
        commentOpen_ = false;
    }
}

void HtmlParser::NextToken() {
    tokenLength_ = 0;
    if (CurChar == kEnd) {
        Sy = EofToken;
    } else if (CurChar == u'<') {
        ReadTag();
    } else if (CurChar == u'&') {
        ReadEntity();
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
    if (n == 0)
        return false;
    tokenLength_ = n;
    Sy = TextToken;
    return true;
}

void HtmlParser::ReadEntity() {
    Sy = TextToken;
    tokenLength_ = 0;
    ReadChar();
    if (CurCharUpper == u'#') {
        ReadChar();
        char16_t digits[3];
        int count = 0, n = 0;
        while (count < 3 && isDigit(CurChar)) {
            digits[count++] = CurChar;
            n = n * 10 + (CurChar - u'0');
            ReadChar();
        }
        if (CurChar == u';' && count > 0) {
            ReadChar();
            AppendTokenText(fromWindows1252(char16_t(n == 9 || n == 10 || (n >= 32 && n <= 255) ? n : 1)));
            return;
        }
        // Malformed: kept as written. A fourth digit belongs to what is kept.
        AppendTokenText(u"&#");
        AppendTokenText(std::u16string_view(digits, std::size_t(count)));
        if (count == 3 && isDigit(CurChar)) {
            AppendTokenText(CurChar);
            ReadChar();
        }
        return;
    }
    char16_t name[6];
    int length = 0;
    while (length < 6 && isLetter(CurChar)) {
        name[length++] = CurChar;
        ReadChar();
    }
    const std::u16string_view nameView(name, std::size_t(length));
    if (CurChar == u';') {
        ReadChar();
        if (const char16_t c = lookupEntity(QStringView(name, length))) {
            AppendTokenText(c);
        } else {
            AppendTokenText(u'&');
            AppendTokenText(nameView);
            AppendTokenText(u';');
        }
        return;
    }
    AppendTokenText(u'&');
    AppendTokenText(nameView);
}

void HtmlParser::ReadTag() {
    ReadChar();
    bool endTag = false;
    if (CurCharUpper == u'/') {
        endTag = true;
        ReadChar();
    }
    const int tag = lookupTag(ReadName());
    if (tag < 0)
        Sy = UnknownTag;
    else if (endTag)
        Sy = tag < kTagsWithEnd ? endOf(tag) : UnknownTag;
    else
        Sy = tag;

    SkipWhiteSpace();
    headingLevel_ = 0;
    if ((Sy == tH || Sy == endOf(tH)) && CurCharUpper >= u'1' && CurCharUpper <= u'6') {
        headingLevel_ = CurCharUpper - u'0';
        ReadChar();
    } else if (Sy != UnknownTag && tagKeepsAttributes(tag)) {
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
    if (CurChar == u'>')
        ReadChar();
}

NameKey HtmlParser::ReadName() {
    NameKey::Letters letters{};
    std::size_t length = 0;
    auto take = [&](char16_t upper) {
        if (length < letters.size())
            letters[length] = char(upper);
        ++length;
    };
    while (isUpperLetter(CurCharUpper)) {
        take(CurCharUpper);
        // The letters after it straight from the page: a letter is never
        // anything ReadChar would have to fold or skip.
        for (; pos_ < end_ && isLetter(*pos_); ++pos_)
            take(asciiUpper(*pos_));
        ReadChar();
    }
    // Longer names are none of ours: they read as the empty key, which names nothing.
    return length <= letters.size() ? NameKey::of(letters) : NameKey();
}

bool HtmlParser::ReadAttribute(TAttribute& a, AttributeValues values) {
    SkipWhiteSpace();
    if (!isUpperLetter(CurCharUpper))
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
    if (CurChar == u'"' || CurChar == u'\'') {
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
        // Only a value that starts like a number can be one: most are names and addresses.
        const char16_t first = value_.empty() ? u'\0' : value_.front();
        a.NumericValue = 0;
        if (isDigit(first) || first == u'+' || first == u'-') {
            QStringView number(value_.data(), qsizetype(value_.size()));
            const qsizetype percent = number.indexOf(u'%');
            if (percent >= 0 && percent == number.size() - 1)
                number.chop(1);
            a.NumericValue = parseDecimal(number).value_or(0);
        }
    } else if (CurCharUpper == u'+' || CurCharUpper == u'-' || isDigit(CurCharUpper)) {
        value_ += CurCharUpper;
        ReadChar();
        while (isDigit(CurCharUpper) || (CurCharUpper >= u'A' && CurCharUpper <= u'F')) {
            value_ += CurCharUpper;
            ReadChar();
        }
        SkipWhiteSpace();
        if (CurChar == u'%')
            ReadChar();
        a.NumericValue = parseDecimal(QStringView(value_.data(), qsizetype(value_.size()))).value_or(0);
    } else {
        while (CurChar != u' ' && CurChar != u'\r' && CurChar != u'>' && CurChar != kEnd) {
            if (keep)
                value_ += CurChar;
            ReadChar();
        }
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

// Inside a text area only line ends, the closing tag and plain text count.
void HtmlParser::NextTextAreaToken() {
    tokenLength_ = 0;
    if (CurChar == u'\r') {
        Sy = LineEnd;
        ReadChar();
    } else if (CurChar == kEnd) {
        Sy = EofToken;
    } else if (CurChar == u'<') {
        while (tokenLength_ < kMaxTokenText && CurChar != u' ' && CurChar != u'\r' && CurChar != u'>' &&
               CurChar != kEnd) {
            AppendTokenText(CurChar);
            ReadChar();
        }
        Sy = TokenText().compare(QLatin1String("</textarea"), Qt::CaseInsensitive) == 0 ? TextAreaEnd : UnknownTag;
    } else {
        while (tokenLength_ < kMaxTextRun && CurChar != u'\r' && CurChar != kEnd && CurChar != u'<') {
            AppendTokenText(CurChar);
            ReadChar();
        }
        Sy = TextToken;
    }
}

} // namespace zorvel::html
