#pragma once
// The parser's vocabulary: token kinds for the 50 tags (the first 37 with an
// end kind), the fixed tables of names, colours and font sizes. Character
// references are read by html_rules.h.
#include "model/attributes.h"

#include <QColor>
#include <QString>

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
#include <string_view>

namespace zorvel::html {

enum Tag : int {
    tHTML,
    tTITLE,
    tBODY,
    tHEAD,
    tB,
    tI,
    tH,
    tEM,
    tSTRONG,
    tU,
    tCITE,
    tVAR,
    tTT,
    tCODE,
    tKBD,
    tSAMP,
    tOL,
    tUL,
    tDIR,
    tMENU,
    tDL,
    tA,
    tADDRESS,
    tBLOCKQUOTE,
    tPRE,
    tCENTER,
    tTABLE,
    tTD,
    tTH,
    tCAPTION,
    tFORM,
    tTEXTAREA,
    tSELECT,
    tOPTION,
    tFONT,
    tSUB,
    tSUP,
    // Tags without an end kind.
    tLI,
    tP,
    tBR,
    tHR,
    tDD,
    tDT,
    tIMG,
    tBASE,
    tTR,
    tBUTTON,
    tINPUT,
    tSELECTED,
    tBASEFONT,
    kTagCount
};
inline constexpr int kTagsWithEnd = tSUP + 1;

// Token kinds: a tag's start kind is its Tag value, its end kind endOf(tag).
inline constexpr int endOf(int tag) {
    return kTagCount + tag;
}
enum OtherToken : int {
    TextToken = kTagCount + kTagsWithEnd,
    EofToken,
    UnknownTag,
    StrayChar,
    LineEnd,
    TextAreaEnd,
    // Tags outside the 50 that only shape blocks: "</P>", DIV (which keeps
    // its ALIGN) and its end, and the newer block elements, start or end,
    // which break the line.
    ParagraphEnd,
    DivStart,
    DivEnd,
    BlockBreak,
    kTokenCount
};

using TokenSet = std::bitset<kTokenCount>;

// A tag or attribute name of up to 16 letters, upper-case ASCII, packed into
// two words and padded with zeros: names are compared and hashed in a few
// instructions, once per tag and attribute of a page. The empty key (also
// what a longer name reads as) names nothing.
struct NameKey {
    static constexpr std::size_t kMaxLength = 16;
    using Letters = std::array<char, kMaxLength>;
    std::uint64_t low = 0, high = 0;
    // The key of the letters, the unused ones zero.
    static constexpr NameKey of(const Letters& letters) { return std::bit_cast<NameKey>(letters); }
    friend constexpr bool operator==(const NameKey&, const NameKey&) = default;
};
constexpr NameKey nameKey(std::string_view name) {
    NameKey::Letters letters{};
    if (name.size() > NameKey::kMaxLength)
        return NameKey();
    std::copy(name.begin(), name.end(), letters.begin());
    return NameKey::of(letters);
}

// The tag's index in the table, or -1.
int lookupTag(NameKey name);
bool tagKeepsAttributes(int tag);
AttrKind lookupAttribute(NameKey name);

// Nominal point sizes of FONT SIZE 1..7, in normal text and inside PRE.
int fontSizeFor(int size, bool preformatted);
// Nominal point size of a heading level (0 for no level).
int headingFontSize(int level);

} // namespace zorvel::html

namespace zorvel {

// Reads BGCOLOR, TEXT, LINK and COLOR values: one of 16 names, or a hex RRGGBB with an optional "#".
bool ColorFromString(const QString& text, QColor& colour);

} // namespace zorvel
