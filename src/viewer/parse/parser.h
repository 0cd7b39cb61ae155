#pragma once
// The parser's state and its recursive-descent builder. One instance per parse.
#include "model/document.h"
#include "model/form_controls.h"
#include "model/tables.h"
#include "parse/html_rules.h"
#include "parse/lexical_map.h"
#include "parse/parse_results.h"
#include "parse/plain_text_scan.h"
#include "parse/vocabulary.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zorvel::html {

class HtmlParser {
public:
    HtmlParser(TSectionList& master, TNameList& names, QStringView text, TParseStrings& strings);
    void Run();
    // How far the text has been used: where the character read ahead, and not
    // yet taken into a token, begins (the end when the page has ended).
    int ReadOffset() const;
    // The attributes of the text's first tag, as a tag that keeps them would store them.
    static TAttributeList FirstTagAttributes(QStringView text);
    // Where the parse reads comments, tags and character references.
    void RecordLexicalRanges(LexicalMap* map) { map_ = map; }

    // Deeper nesting is ignored: it would only exhaust the stack.
    static constexpr int kMaxListDepth = 200;
    static constexpr int kMaxTableDepth = 40;
    static constexpr int kMaxFonts = 25;
    static constexpr std::size_t kMaxDivDepth = 100;

private:
    // Characters (tokenizer.cpp). The next character of the page, with
    // "<!" constructs skipped, line ends made one CR and tabs made spaces. Most
    // characters need none of that: they are taken here, inline.
    void ReadChar() {
        if (pos_ < end_) {
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
    void SkipWhiteSpace() {
        while (CurChar == u' ' || CurChar == u'\r')
            ReadChar();
    }
    // Copies the characters after the current one into run from n on, up to
    // limit, while they are plain text (no line end, tab, entity or tag);
    // returns the new n. With foldSpaces the caller folds runs of spaces and
    // line ends into one space: a space is taken only where one stands alone
    // before a character that is no space and starts no "<!" construct (which
    // vanishes, and may have more spaces after it). The current character
    // stays the one before them: the next ReadChar reads on after them.
    int TakePlain(char16_t* run, int n, int limit, bool foldSpaces) {
        const char16_t* last = pos_ + std::clamp<std::ptrdiff_t>(limit - n, 0, end_ - pos_);
        const char16_t* p = pos_;
        for (;;) {
            p = findPlainEnd(p, last, foldSpaces ? u'!' : u' ', u'<', u'&', u'>');
            if (!foldSpaces || p == last || *p != u' ' || p + 1 == end_ || p[1] <= u' ' || p[1] == u'<')
                break;
            ++p;
        }
        std::copy(pos_, p, run + n);
        n += int(p - pos_);
        pos_ = p;
        return n;
    }
    // Passes the plain characters after the current one, up to the first that
    // is not plain or is stop or '>', and returns them as they stand in the
    // page. Like TakePlain, the current character stays the one before them.
    std::u16string_view PassPlain(char16_t stop) {
        const char16_t* p = findPlainEnd(pos_, end_, u' ', u'<', u'>', stop);
        const std::u16string_view passed(pos_, std::size_t(p - pos_));
        pos_ = p;
        return passed;
    }
    void ReadRawChar();
    void ReadCharSlow();
    // The "<!" construct whose "<" was just read; the current character is then the one after it.
    void SkipComment();
    // Tokens.
    void NextToken();
    void NextTextAreaToken();
    bool ReadTextRun();
    // A character reference, or a "&" that is text. With lineEnds a line feed
    // or carriage return written as a reference is a line end (CR), as in
    // preformatted text and a text area; elsewhere it is a space.
    void ReadEntity(bool lineEnds);
    void ReadTag();
    // Passes the text of a script or style sheet whose start tag ends at the current '>'.
    void SkipRawText(std::u16string_view name);
    // Which attributes a reading makes values for: those of a known kind (the
    // parse: nothing asks for the others, which are only read past), or all.
    enum class AttributeValues { Known, All };
    bool ReadAttribute(TAttribute& attribute, AttributeValues values);
    // A tag or attribute name, upper-cased.
    NameKey ReadName();
    // The current token's text.
    QStringView TokenText() const { return QStringView(tokenText_, tokenLength_); }
    void AppendTokenText(char16_t c) { tokenText_[tokenLength_++] = c; }
    void AppendTokenText(std::u16string_view text) {
        std::copy(text.begin(), text.end(), tokenText_ + tokenLength_);
        tokenLength_ += int(text.size());
    }
    void Record(LexicalRange::Kind kind, const char16_t* from, const char16_t* to) {
        if (map_)
            map_->ranges.push_back({kind, int(from - begin_), int(to - begin_)});
    }

    // Building (parser.cpp).
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
    // Blocks (parser_blocks.cpp).
    void ParseList(int depth, int listKind, const TokenSet& terminators);
    void ParsePreformatted();
    void ParseSelectOptions(TListBoxFormControlObj* control);
    void ParseTextAreaText(TTextAreaFormControlObj* control, bool readNext);
    void ParseTable();

    // Sections and fonts. Each font on the stack belongs to the tag that put
    // it there, and only that tag's end takes it off, wherever it stands:
    // the fonts above it keep what their own tags changed.
    enum class FontOwner : std::uint8_t { Base, BaseFont, Font, Fixed, Link, Heading, Address, Pre };
    struct StackedFont {
        TMyFont font;
        FontOwner owner;
    };
    TMyFont& TopFont() { return fontStack_.back().font; }
    bool PushFont(FontOwner owner);
    bool HasFont(FontOwner owner) const;
    void PopFont(FontOwner owner);
    // B, I and U and their kin: each style is on while any of its tags is open.
    void OpenStyle(TFontStyles style);
    void CloseStyle(TFontStyles style);
    std::unique_ptr<TSection> NewSection(int indent, Justification justify, const TMyFont& font);
    void OpenSection(int indent);
    // How a new line of the current paragraph is aligned.
    Justification LineJustify() const;
    void BreakLine(int indent);
    void EndParagraph();
    // The end of an open paragraph, by its end tag or a block that starts.
    void CloseParagraph(int indent);
    // Nothing shown since the last paragraph's space.
    bool AfterParagraphSpace() const;
    void CloseSection();
    void ChangeFont();

    static bool IsStyleTag(int sy);
    static bool IsInlineToken(int sy);
    static bool IsListEnd(int sy);

    TSectionList& master_;
    TNameList& names_;
    TParseStrings& strings_;
    const char16_t* begin_;
    const char16_t* pos_;
    const char16_t* end_;
    LexicalMap* map_ = nullptr;
    const char16_t* textAreaEndStart_ = nullptr; // where the text area's end tag began

    char16_t CurChar = 0;
    char16_t CurCharUpper = 0;
    // The page ended inside a "<!" construct: what came before it is kept,
    // and the parse reports it once done.
    bool commentOpen_ = false;

    int Sy = EofToken;
    // A token's text is short: a text run, an entity or a text area's tag.
    static constexpr int kMaxTokenText = 150;
    char16_t tokenText_[kMaxTokenText];
    int tokenLength_ = 0;
    std::u16string value_;
    int headingLevel_ = 0;
    TAttributeList attributes_;

    std::unique_ptr<TSection> section_;
    TCell* sectionList_;
    std::vector<StackedFont> fontStack_;
    QString currentURL_;
    int baseFontSize_ = 3;
    Justification justify_ = Justification::Left;
    // A P's ALIGN, for its lines up to its end (None: none); whether one is open.
    Justification paragraphJustify_ = Justification::None;
    bool paragraphOpen_ = false;
    // The alignment around each open DIV; the DIVs past the deepest kept.
    std::vector<Justification> divJustify_;
    int divOverflow_ = 0;
    TFontStyles styleFlags_ = 0;
    std::array<std::uint8_t, 3> styleDepth_{}; // open tags of bold, italic and underline
    ScriptShift subSup_ = ScriptShift::Normal;
    ThtmlForm* currentForm_ = nullptr;
    bool inPre_ = false;
    int tableDepth_ = 0;
};

} // namespace zorvel::html
