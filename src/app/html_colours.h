#pragma once
// What the editor colours in a page, read the way our viewer reads HTML (the
// rules both follow are in parse/html_rules.h), so that what looks like a
// comment is what the preview hides and a tag ends where the viewer ends it:
// - "<!--" is a comment up to its first "-->", any other "<!" construct up to
//   its first ">", wherever it stands (in text, inside a tag, inside a
//   quoted value);
// - a "<" in text always opens a tag, and everything up to the next ">" is
//   read as that tag (so «a < b and c > d» hides « b and c »);
// - a quoted value ends at its own quote or at a ">", which ends the tag;
//   an unquoted value ends at a blank, a line end or a ">";
// - a character reference is coloured only where the viewer turns it into
//   characters;
// - inside a TEXTAREA only its end tag and character references are markup;
//   inside a SCRIPT or STYLE only its end tag.
// The reading is carried from line to line, so a tag or a comment may span lines.
#include <QStringView>

#include <cstdint>
#include <vector>

namespace zorvel {

enum class HtmlColour : std::uint8_t { Tag, AttributeName, AttributeValue, Entity, Comment };

struct ColouredRange {
    int start = 0;
    int length = 0;
    HtmlColour colour = HtmlColour::Tag;
    bool operator==(const ColouredRange&) const = default;
};

// Where the reading stands after a line: small enough to keep one per line.
struct HtmlReading {
    std::uint8_t mode = 0;
    std::uint8_t resume = 0; // what a "<!" construct, or a script's "<" that ends no script, returns to
    std::uint8_t name = 0;   // how much of a tag's name has been read, and how it matches
    std::uint8_t flags = 0;
    bool operator==(const HtmlReading&) const = default;
};

struct HtmlLineColours {
    std::vector<ColouredRange> ranges; // in order, not overlapping
    HtmlReading after;
};

// lineBreak: a line break follows the text; false for a piece of a long line
// that goes on in the next piece without one.
HtmlLineColours colourHtmlLine(QStringView line, HtmlReading before, bool lineBreak = true);
// Only the reading after the line, for lines that are not shown.
HtmlReading readHtmlLine(QStringView line, HtmlReading before, bool lineBreak = true);

} // namespace zorvel
