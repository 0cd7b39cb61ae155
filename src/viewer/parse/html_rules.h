#pragma once
// How HTML's text is read, written once for the two readers of a page: the
// viewer's tokenizer, and the editor's colours, which must call a comment, a
// tag or a character reference exactly what the viewer reads as one.
#include <cstdint>
#include <string>
#include <string_view>

namespace zorvel::html {

// Characters. Names and numbers are ASCII; other letters and digits are text.
constexpr bool isAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
constexpr bool isAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
constexpr bool isAsciiAlnum(char16_t c) {
    return isAsciiLetter(c) || isAsciiDigit(c);
}
constexpr bool isHexDigit(char16_t c) {
    return isAsciiDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}
constexpr char16_t asciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}
constexpr char16_t asciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}
// A blank between a tag's parts: the tokenizer sees tabs as spaces and every
// line end as one CR; the editor sees them as written.
constexpr bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Tags. A tag's and an attribute's name are letters; a heading's name is H
// and its level the digit after it.
constexpr bool isNameLetter(char16_t c) {
    return isAsciiLetter(c);
}
constexpr bool isHeadingLevel(char16_t c) {
    return c >= u'1' && c <= u'6';
}
// An attribute's value: quoted (up to its own quote, or the ">" that ends the
// tag), a number (a sign or a digit, then digits and the letters A-F, then an
// optional "%"), or a word (up to a blank or a ">").
constexpr bool isQuote(char16_t c) {
    return c == u'"' || c == u'\'';
}
constexpr bool startsNumberValue(char16_t c) {
    return c == u'+' || c == u'-' || isAsciiDigit(c);
}
constexpr bool continuesNumberValue(char16_t c) {
    return isHexDigit(c);
}
constexpr bool endsWordValue(char16_t c) {
    return isBlank(c) || c == u'>';
}

// "<!" constructs. "<!--" is a comment up to the first "-->" (its own two
// dashes may be the ones that end it: "<!-->" is a whole, empty comment; and
// "--!>" ends it too, as browsers have it); any other "<!", as a document
// type, ends at the first ">".
enum class CommentStep : std::uint8_t {
    AfterBang,     // "<!" read
    AfterBangDash, // "<!-"
    Declaration,   // not a comment: waits for ">"
    Body,          // inside "<!--"
    BodyDash,      // one dash read
    BodyDashes,    // two dashes or more: a ">" ends the comment
    BodyBang,      // "--!": a ">" ends it still
    Closed,        // the ">" that ends it has been read
};
constexpr CommentStep nextCommentStep(CommentStep step, char16_t c) {
    switch (step) {
    case CommentStep::AfterBang:
        return c == u'-' ? CommentStep::AfterBangDash : c == u'>' ? CommentStep::Closed : CommentStep::Declaration;
    case CommentStep::AfterBangDash:
        return c == u'-' ? CommentStep::BodyDashes : c == u'>' ? CommentStep::Closed : CommentStep::Declaration;
    case CommentStep::Declaration:
        return c == u'>' ? CommentStep::Closed : step;
    case CommentStep::Body:
    case CommentStep::BodyDash:
        return c == u'-' ? CommentStep(int(step) + 1) : CommentStep::Body;
    case CommentStep::BodyDashes:
        return c == u'-'   ? step
               : c == u'>' ? CommentStep::Closed
               : c == u'!' ? CommentStep::BodyBang
                           : CommentStep::Body;
    case CommentStep::BodyBang:
        return c == u'-' ? CommentStep::BodyDash : c == u'>' ? CommentStep::Closed : CommentStep::Body;
    case CommentStep::Closed:
        break;
    }
    return CommentStep::Closed;
}

// Elements whose content is never shown and holds no markup: a script or a
// style sheet runs, whatever it holds, up to its end tag, "</" and the name
// in either case followed by a blank, "/" or ">".
inline constexpr std::u16string_view kRawTextElements[] = {u"SCRIPT", u"STYLE"};
constexpr bool endsRawTextEndTag(char16_t c) {
    return isBlank(c) || c == u'\f' || c == u'/' || c == u'>';
}
// Where the end tag of the element name (upper case) stands in text, or
// text.size() when the element runs to the end of the text.
std::size_t findRawTextEnd(std::u16string_view text, std::u16string_view name);

// A text area's end tag: "<" and what follows up to a blank or ">", which
// must be "</textarea" in either case.
inline constexpr std::u16string_view kTextAreaEnd = u"</textarea";

// Character references: "&name;" for each of HTML's names, a few of them also
// without the ";" (longest first: "&notit;" is "¬it;"), and "&#" with a
// decimal or "x" and a hex number. Where none stands the "&" is text.
enum class ReferenceContext : std::uint8_t {
    Text,
    // In an attribute's value a name read without its ";" and followed by
    // "=" or a letter or digit is no reference: "?a=1&copy=2" stays as written.
    Attribute,
};
struct CharacterReference {
    int length = 0;     // characters read from the "&"; 0 where no reference stands
    int textLength = 0; // how many of text hold what it stands for
    char16_t text[4] = {};
};
// The reference at the start of s (which starts with "&"). A number that
// names no character (zero, a surrogate, beyond U+10FFFF) or a control
// character gives U+FFFD; 128..159 are Windows' characters, as an 8-bit page's
// bytes are; the whitespace characters (tab, line feed, form feed, carriage
// return) are given as they are.
CharacterReference readCharacterReference(std::u16string_view s, ReferenceContext context);
// The value with its character references replaced, as an attribute's value is read.
void decodeAttributeReferences(std::u16string& value);
// How many names the table holds (for the tests).
int characterReferenceNameCount();

} // namespace zorvel::html
