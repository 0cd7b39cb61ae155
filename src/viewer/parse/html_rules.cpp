// Character references and the end of a script's text.
#include "parse/html_rules.h"

#include "parse/decode.h"

#include <algorithm>
#include <array>

namespace zorvel::html {

namespace {

struct EntityEntry {
    std::uint16_t offset;
    std::uint8_t length;
    std::uint8_t legacy; // also read without its ";"
    char32_t first;
    char16_t second;
};

#include "parse/entity_table.inc"

constexpr std::size_t kEntityCount = std::size(kEntities);
// Longer names would not be looked for: a name is read only this far.
constexpr int kLongestName = [] {
    int longest = 0;
    for (const EntityEntry& e : kEntities)
        longest = std::max(longest, int(e.length));
    return longest;
}();
constexpr int kLongestLegacyName = [] {
    int longest = 0;
    for (const EntityEntry& e : kEntities)
        if (e.legacy)
            longest = std::max(longest, int(e.length));
    return longest;
}();

constexpr std::string_view nameOf(const EntityEntry& e) {
    return std::string_view(kEntityNames + e.offset, e.length);
}

// Names compare as their bytes: the table's order.
constexpr int compare(std::string_view name, std::u16string_view key) {
    const std::size_t n = std::min(name.size(), key.size());
    for (std::size_t i = 0; i < n; ++i)
        if (char16_t(name[i]) != key[i])
            return char16_t(name[i]) < key[i] ? -1 : 1;
    return name.size() < key.size() ? -1 : name.size() > key.size() ? 1 : 0;
}

static_assert(
    [] {
        for (std::size_t i = 1; i < kEntityCount; ++i) {
            const std::string_view a = nameOf(kEntities[i - 1]), b = nameOf(kEntities[i]);
            if (!(a < b))
                return false;
        }
        return true;
    }(),
    "the entity table must be sorted by name");

// Where the names starting with each letter begin: a search looks only among
// those (some 40 names) instead of all of them.
constexpr int letterIndex(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c - u'A' : c >= u'a' && c <= u'z' ? 26 + (c - u'a') : -1;
}
constexpr std::array<std::uint16_t, 53> kLetterStart = [] {
    std::array<std::uint16_t, 53> start{};
    std::size_t i = 0;
    for (int letter = 0; letter < 52; ++letter) {
        start[std::size_t(letter)] = std::uint16_t(i);
        while (i < kEntityCount && letterIndex(char16_t(nameOf(kEntities[i])[0])) == letter)
            ++i;
    }
    start[52] = std::uint16_t(i);
    return start;
}();
static_assert(kLetterStart[52] == kEntityCount, "every name starts with a letter");

const EntityEntry* findName(std::u16string_view key) {
    const int letter = letterIndex(key.empty() ? u'\0' : key[0]);
    if (letter < 0)
        return nullptr;
    const EntityEntry* first = kEntities + kLetterStart[std::size_t(letter)];
    const EntityEntry* last = kEntities + kLetterStart[std::size_t(letter) + 1];
    const EntityEntry* it = std::lower_bound(
        first, last, key, [](const EntityEntry& e, std::u16string_view k) { return compare(nameOf(e), k) < 0; });
    return it != last && compare(nameOf(*it), key) == 0 ? it : nullptr;
}

void put(CharacterReference& r, char32_t c) {
    if (c > 0xFFFF) {
        r.text[r.textLength++] = char16_t(0xD800 + ((c - 0x10000) >> 10));
        r.text[r.textLength++] = char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        r.text[r.textLength++] = char16_t(c);
    }
}

// The character a number names, as a browser shows it.
char32_t numberedCharacter(char32_t n) {
    if (n == 0 || n > 0x10FFFF || (n >= 0xD800 && n <= 0xDFFF))
        return 0xFFFD;
    if (n >= 0x80 && n <= 0x9F) {
        const char16_t windows = fromWindows1252(char16_t(n));
        return windows == n ? 0xFFFD : windows; // the five codes Windows leaves unused are controls
    }
    const bool whitespace = n == 9 || n == 10 || n == 12 || n == 13;
    if ((n < 32 && !whitespace) || n == 0x7F)
        return 0xFFFD;
    return n;
}

CharacterReference readNumber(std::u16string_view s) {
    CharacterReference r;
    std::size_t i = 2; // after "&#"
    const bool hex = i < s.size() && (s[i] == u'x' || s[i] == u'X');
    if (hex)
        ++i;
    const std::size_t digits = i;
    char32_t n = 0;
    for (; i < s.size() && (hex ? isHexDigit(s[i]) : isAsciiDigit(s[i])); ++i) {
        const char16_t d = s[i];
        const char32_t value = isAsciiDigit(d) ? d - u'0' : asciiLower(d) - u'a' + 10;
        n = std::min<char32_t>(n * (hex ? 16 : 10) + value, 0x110000); // any longer number is out of range
    }
    if (i == digits)
        return r; // "&#" or "&#x" alone is text
    if (i < s.size() && s[i] == u';')
        ++i;
    r.length = int(i);
    put(r, numberedCharacter(n));
    return r;
}

} // namespace

CharacterReference readCharacterReference(std::u16string_view s, ReferenceContext context) {
    if (s.size() < 2)
        return {};
    if (s[1] == u'#')
        return readNumber(s);
    // The letters and digits after "&", as far as the longest name and one more.
    std::size_t n = 1;
    while (n < s.size() && n <= std::size_t(kLongestName) + 1 && isAsciiAlnum(s[n]))
        ++n;
    const std::u16string_view run = s.substr(1, n - 1);
    const EntityEntry* found = nullptr;
    std::size_t length = 0;
    if (n < s.size() && s[n] == u';' && run.size() <= std::size_t(kLongestName)) {
        found = findName(run);
        length = n + 1;
    }
    // Without its ";" only one of the older names, the longest that starts the run.
    for (std::size_t k = std::min(run.size(), std::size_t(kLongestLegacyName)); !found && k >= 2; --k) {
        const EntityEntry* e = findName(run.substr(0, k));
        if (e && e->legacy) {
            const char16_t next = k + 1 < s.size() ? s[k + 1] : u'\0';
            if (context == ReferenceContext::Attribute && (next == u'=' || isAsciiAlnum(next)))
                return {};
            found = e;
            length = k + 1;
        }
    }
    if (!found)
        return {};
    CharacterReference r;
    r.length = int(length);
    put(r, found->first);
    if (found->second)
        put(r, found->second);
    return r;
}

void decodeAttributeReferences(std::u16string& value) {
    std::size_t at = value.find(u'&');
    if (at == std::u16string::npos)
        return;
    std::u16string out(value, 0, at);
    while (at < value.size()) {
        const CharacterReference r =
            readCharacterReference(std::u16string_view(value).substr(at), ReferenceContext::Attribute);
        if (r.length > 0) {
            out.append(r.text, std::size_t(r.textLength));
            at += std::size_t(r.length);
        } else {
            out += value[at++];
        }
        const std::size_t next = std::min(value.find(u'&', at), value.size());
        out.append(value, at, next - at);
        at = next;
    }
    value = std::move(out);
}

std::size_t findRawTextEnd(std::u16string_view text, std::u16string_view name) {
    for (std::size_t at = text.find(u"</"); at != std::u16string_view::npos; at = text.find(u"</", at + 1)) {
        const std::size_t after = at + 2 + name.size();
        if (after >= text.size())
            break;
        bool same = true;
        for (std::size_t i = 0; same && i < name.size(); ++i)
            same = asciiUpper(text[at + 2 + i]) == name[i];
        if (same && endsRawTextEndTag(text[after]))
            return at;
    }
    return text.size();
}

int characterReferenceNameCount() {
    return int(kEntityCount);
}

} // namespace zorvel::html
