// Character reading and tokens: line ends, "<!" constructs, text runs,
// entities, tags and attributes.
#include "readhtml_parser.h"

#include "fixed_canvas.h"

namespace zorvel::html {

namespace {
constexpr char16_t kEnd = 26;
constexpr int kMaxTokenText = 150;
constexpr int kMaxTextRun = 100;

char16_t asciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; }
bool isUpperLetter(char16_t c) { return c >= u'A' && c <= u'Z'; }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isLetter(char16_t c) { return isUpperLetter(asciiUpper(c)); }
struct FixedMetricsCanvasHolder {
    FixedMetricsCanvas canvas;
    TSectionList list{canvas};
};
} // namespace

// The next character of the text with line ends made one CR and tabs made
// spaces; character 26 and the end of the text both end the input for good.
char16_t HtmlParser::SourceChar() {
    if (pos_ >= end_)
        return kEnd;
    char16_t c = *pos_++;
    if (c == kEnd) {
        pos_ = end_;
        return kEnd;
    }
    if (c == u'\r' || c == u'\n') {
        if (pos_ < end_) {
            const char16_t n = *pos_;
            if ((c == u'\r' && n == u'\n') || (c == u'\n' && n == u'\r'))
                ++pos_;
        }
        return u'\r';
    }
    return c == u'\t' ? u' ' : c;
}

void HtmlParser::ReadRawChar() {
    if (hasPushed_) {
        CurChar = pushed_;
        hasPushed_ = false;
    } else {
        CurChar = SourceChar();
    }
    CurCharUpper = asciiUpper(CurChar);
    if (CurChar == kEnd && commentOpen_)
        throw EParseError("Open Comment at End of HTML File");
}

void HtmlParser::ReadCharSlow() {
    for (;;) {
        ReadRawChar();
        if (CurChar != u'<')
            return;
        ReadRawChar();
        if (CurChar == u'!') {
            // Every "<!" construct ends at its first ">".
            commentOpen_ = true;
            do
                ReadRawChar();
            while (CurChar != u'>');
            commentOpen_ = false;
            continue;
        }
        pushed_ = CurChar;
        hasPushed_ = true;
        CurChar = CurCharUpper = u'<';
        return;
    }
}

void HtmlParser::SkipWhiteSpace() {
    while (CurChar == u' ' || CurChar == u'\r')
        ReadChar();
}

void HtmlParser::NextToken() {
    TokenText.resize(0); // keeps its capacity: a token is read into it many thousand times
    if (CurChar == kEnd) {
        Sy = EofToken;
    } else if (CurChar == u'<') {
        ReadTag();
    } else if (CurChar == u'&') {
        ReadEntity();
    } else if (!ReadTextRun()) {
        Sy = StrayChar;
        TokenText.append(QChar(CurChar));
        ReadChar();
    }
}

bool HtmlParser::ReadTextRun() {
    char16_t run[kMaxTextRun];
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
    TokenText.append(reinterpret_cast<const QChar*>(run), n);
    Sy = TextToken;
    return true;
}

void HtmlParser::ReadEntity() {
    Sy = TextToken;
    TokenText.resize(0);
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
            TokenText.append(QChar(fromWindows1252(char16_t(n == 9 || n == 10 || (n >= 32 && n <= 255) ? n : 1))));
            return;
        }
        // Malformed: kept as written. A fourth digit belongs to what is kept.
        TokenText.append(QLatin1String("&#"));
        TokenText.append(reinterpret_cast<const QChar*>(digits), count);
        if (count == 3 && isDigit(CurChar)) {
            TokenText += QChar(CurChar);
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
    const QStringView nameView(name, length);
    if (CurChar == u';') {
        ReadChar();
        if (const char16_t c = lookupEntity(nameView)) {
            TokenText.append(QChar(c));
        } else {
            TokenText.append(u'&');
            TokenText.append(nameView);
            TokenText.append(u';');
        }
        return;
    }
    TokenText.append(u'&');
    TokenText.append(nameView);
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
    } else {
        const bool keep = Sy != UnknownTag && tagKeepsAttributes(tag);
        if (keep)
            attributes_.clear();
        TAttribute attribute;
        while (ReadAttribute(attribute, keep))
            if (keep)
                attributes_.push_back(std::move(attribute));
    }
    while (CurChar != u'>' && CurChar != kEnd)
        ReadChar();
    if (CurChar == u'>')
        ReadChar();
}

std::string_view HtmlParser::ReadName() {
    // Longer names are none of ours: they come back empty, which names nothing.
    std::size_t length = 0;
    bool tooLong = false;
    auto take = [&](char16_t upper) {
        if (length < sizeof name_)
            name_[length++] = char(upper);
        else
            tooLong = true;
    };
    while (isUpperLetter(CurCharUpper)) {
        take(CurCharUpper);
        // The letters after it straight from the page: a letter is never
        // anything ReadChar would have to fold or skip.
        if (!hasPushed_) {
            for (; pos_ < end_ && isLetter(*pos_); ++pos_)
                take(asciiUpper(*pos_));
        }
        ReadChar();
    }
    return tooLong ? std::string_view() : std::string_view(name_, length);
}

bool HtmlParser::ReadAttribute(TAttribute& a, bool keep) {
    SkipWhiteSpace();
    if (!isUpperLetter(CurCharUpper))
        return false;
    a.Kind = lookupAttribute(ReadName());
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
            if (CurChar != u'\r')
                value_ += CurChar;
            TakeUntil(value_, quote);
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
    std::string name;
    while (isUpperLetter(parser.CurCharUpper)) {
        name.push_back(char(parser.CurCharUpper));
        parser.ReadChar();
    }
    TAttributeList list;
    TAttribute attribute;
    while (parser.ReadAttribute(attribute))
        list.push_back(attribute);
    return list;
}

// Inside a text area only line ends, the closing tag and plain text count.
void HtmlParser::NextTextAreaToken() {
    TokenText.clear();
    if (CurChar == u'\r') {
        Sy = LineEnd;
        ReadChar();
    } else if (CurChar == kEnd) {
        Sy = EofToken;
    } else if (CurChar == u'<') {
        while (TokenText.size() < kMaxTokenText && CurChar != u' ' && CurChar != u'\r' && CurChar != u'>' &&
               CurChar != kEnd) {
            TokenText += QChar(CurChar);
            ReadChar();
        }
        Sy = TokenText.compare(QLatin1String("</textarea"), Qt::CaseInsensitive) == 0 ? TextAreaEnd : UnknownTag;
    } else {
        while (TokenText.size() < kMaxTextRun && CurChar != u'\r' && CurChar != kEnd && CurChar != u'<') {
            TokenText += QChar(CurChar);
            ReadChar();
        }
        Sy = TextToken;
    }
}

} // namespace zorvel::html
