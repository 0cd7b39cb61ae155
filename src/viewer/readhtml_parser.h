#pragma once
// The parser's state and its recursive-descent builder. One instance per parse.
#include "htmlsubs_forms.h"
#include "htmlsubs_tables.h"
#include "readhtml.h"
#include "readhtml_tokens.h"

#include <optional>
#include <string>

namespace zorvel::html {

class HtmlParser {
public:
    HtmlParser(TSectionList& master, TNameList& names, QStringView text, TParseStrings& strings);
    void Run();
    // The attributes of the text's first tag, as a tag that keeps them would store them.
    static TAttributeList FirstTagAttributes(QStringView text);

    // Deeper nesting is ignored: it would only exhaust the stack.
    static constexpr int kMaxListDepth = 200;
    static constexpr int kMaxTableDepth = 40;
    static constexpr int kMaxFonts = 25;

private:
    // Characters (readhtml_lexer.cpp). The next character of the page, with
    // "<!" constructs skipped, line ends made one CR and tabs made spaces. Most
    // characters need none of that: they are taken here, inline.
    void ReadChar() {
        if (!hasPushed_ && pos_ < end_) {
            const char16_t c = *pos_;
            if (c >= u' ' && c != u'<') {
                ++pos_;
                CurChar = c;
                CurCharUpper = c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
                return;
            }
        }
        ReadCharSlow();
    }
    // Copies the characters after the current one into run from n on, up to
    // limit, while they are plain text (no line end, tab, entity or tag, and
    // no space when stopAtSpace); returns the new n. The current character
    // stays the one before them: the next ReadChar reads on after them.
    int TakePlain(char16_t* run, int n, int limit, bool stopAtSpace) {
        if (hasPushed_)
            return n;
        const char16_t* p = pos_;
        const char16_t lowest = stopAtSpace ? u'!' : u' ';
        while (n < limit && p < end_) {
            const char16_t c = *p;
            if (c < lowest || c == u'<' || c == u'&' || c == u'>')
                break;
            run[n++] = c;
            ++p;
        }
        pos_ = p;
        return n;
    }
    // Appends the plain characters after the current one to out, up to the
    // first that is not plain or is stop or '>'. Like TakePlain, the current
    // character stays the one before them.
    void TakeUntil(std::u16string& out, char16_t stop) {
        if (hasPushed_)
            return;
        const char16_t* p = pos_;
        while (p < end_ && *p >= u' ' && *p != u'<' && *p != u'>' && *p != stop)
            ++p;
        out.append(pos_, p);
        pos_ = p;
    }
    char16_t SourceChar();
    void ReadRawChar();
    void ReadCharSlow();
    void SkipWhiteSpace();
    // Tokens.
    void NextToken();
    void NextTextAreaToken();
    bool ReadTextRun();
    void ReadEntity();
    void ReadTag();
    // Without keep, the attribute is only read past: its value is not made.
    bool ReadAttribute(TAttribute& attribute, bool keep = true);
    // A tag or attribute name, upper-cased.
    std::string_view ReadName();

    // Building (readhtml_parser.cpp).
    void ParseBody(const TokenSet& terminators);
    void ParseInline(int indent);
    bool ParseFontTag(int kind, bool normalText);
    void DoBody();
    void DoStyleTag();
    void DoAnchor(int indent);
    void DoAnchorEnd();
    void DoFormControl(int indent, bool readNextAfterTextArea);
    void DoFont(bool normalText);
    void DoImage(int indent);
    // Blocks (readhtml_blocks.cpp).
    void ParseList(int depth, int listKind, const TokenSet& terminators);
    void ParsePreformatted();
    void ParseSelectOptions(TListBoxFormControlObj* control);
    void ParseTextAreaText(TTextAreaFormControlObj* control, bool readNext);
    void ParseTable();

    // Sections and fonts.
    TMyFont& TopFont() { return fontStack_.back(); }
    bool PushFont();
    void PopFont();
    std::unique_ptr<TSection> NewSection(int indent, int justify, const TMyFont& font);
    void OpenSection(int indent);
    void CloseSection();
    void ChangeFont();

    static bool IsStyleTag(int sy);
    static bool IsInlineToken(int sy);
    static bool IsListEnd(int sy);

    TSectionList& master_;
    TNameList& names_;
    TParseStrings& strings_;
    const char16_t* pos_;
    const char16_t* end_;

    char16_t CurChar = 0;
    char16_t CurCharUpper = 0;
    char16_t pushed_ = 0;
    bool hasPushed_ = false;
    bool commentOpen_ = false;

    int Sy = EofToken;
    QString TokenText;
    char name_[16];
    std::u16string value_;
    int headingLevel_ = 0;
    TAttributeList attributes_;

    std::unique_ptr<TSection> section_;
    TCell* sectionList_;
    std::vector<TMyFont> fontStack_;
    QString currentURL_;
    int baseFontSize_ = 3;
    int justify_ = 1;
    TFontStyles styleFlags_ = 0;
    int subSup_ = 0;
    ThtmlForm* currentForm_ = nullptr;
    bool inPre_ = false;
    int tableDepth_ = 0;
};

} // namespace zorvel::html
