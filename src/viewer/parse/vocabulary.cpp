// The fixed vocabulary: tag and attribute names, colours, font sizes.
#include "parse/vocabulary.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace zorvel::html {

namespace {
struct TagInfo {
    const char* name;
    bool keepsAttributes;
};

constexpr std::array<TagInfo, kTagCount> kTags = {{
    {"HTML", false},   {"TITLE", false},   {"BODY", true},     {"HEAD", false},       {"B", false},
    {"I", false},      {"H", true},        {"EM", false},      {"STRONG", false},     {"U", false},
    {"CITE", false},   {"VAR", false},     {"TT", false},      {"CODE", false},       {"KBD", false},
    {"SAMP", false},   {"OL", true},       {"UL", false},      {"DIR", false},        {"MENU", false},
    {"DL", false},     {"A", true},        {"ADDRESS", false}, {"BLOCKQUOTE", false}, {"PRE", false},
    {"CENTER", false}, {"TABLE", true},    {"TD", true},       {"TH", true},          {"CAPTION", true},
    {"FORM", true},    {"TEXTAREA", true}, {"SELECT", true},   {"OPTION", true},      {"FONT", true},
    {"SUB", false},    {"SUP", false},     {"LI", false},      {"P", true},           {"BR", false},
    {"HR", false},     {"DD", false},      {"DT", false},      {"IMG", true},         {"BASE", true},
    {"TR", true},      {"BUTTON", false},  {"INPUT", true},    {"SELECTED", false},   {"BASEFONT", true},
}};

struct AttrInfo {
    std::string_view name;
    AttrKind value;
};

constexpr std::array<AttrInfo, 33> kAttributes = {{
    {"HREF", AttrKind::Href},
    {"NAME", AttrKind::Name},
    {"SRC", AttrKind::Src},
    {"ALT", AttrKind::Alt},
    {"ALIGN", AttrKind::Align},
    {"TEXT", AttrKind::Text},
    {"BGCOLOR", AttrKind::BgColor},
    {"LINK", AttrKind::Link},
    {"BACKGROUND", AttrKind::Background},
    {"COLSPAN", AttrKind::ColSpan},
    {"ROWSPAN", AttrKind::RowSpan},
    {"BORDER", AttrKind::Border},
    {"CELLPADDING", AttrKind::CellPadding},
    {"CELLSPACING", AttrKind::CellSpacing},
    {"VALIGN", AttrKind::VAlign},
    {"WIDTH", AttrKind::Width},
    {"START", AttrKind::Start},
    {"VALUE", AttrKind::Value},
    {"TYPE", AttrKind::Type},
    {"CHECKBOX", AttrKind::CheckBox},
    {"RADIO", AttrKind::Radio},
    {"METHOD", AttrKind::Method},
    {"ACTION", AttrKind::Action},
    {"CHECKED", AttrKind::Checked},
    {"SIZE", AttrKind::Size},
    {"MAXLENGTH", AttrKind::MaxLength},
    {"COLS", AttrKind::Cols},
    {"ROWS", AttrKind::Rows},
    {"MULTIPLE", AttrKind::Multiple},
    {"VALUE", AttrKind::Value},
    {"SELECTED", AttrKind::Selected},
    {"FACE", AttrKind::Face},
    {"COLOR", AttrKind::Color},
}};

struct ColourName {
    const char* name;
    QRgb rgb;
};
constexpr std::array<ColourName, 16> kColours = {{
    {"BLACK", 0x000000},
    {"MAROON", 0x800000},
    {"GREEN", 0x008000},
    {"OLIVE", 0x808000},
    {"NAVY", 0x000080},
    {"PURPLE", 0x800080},
    {"TEAL", 0x008080},
    {"GRAY", 0x808080},
    {"SILVER", 0xC0C0C0},
    {"RED", 0xFF0000},
    {"LIME", 0x00FF00},
    {"YELLOW", 0xFFFF00},
    {"BLUE", 0x0000FF},
    {"FUCHSIA", 0xFF00FF},
    {"AQUA", 0x00FFFF},
    {"WHITE", 0xFFFFFF},
}};
// Tag and attribute names by their packed keys, built when the program is
// compiled: open addressing over a multiplicative hash of the two words; a
// slot with the empty key is free.
template <typename Value> class KeyIndex {
public:
    template <typename Names> constexpr KeyIndex(const Names& names) {
        for (const auto& entry : names) {
            const NameKey key = nameKey(entry.name);
            std::size_t i = slotOf(key);
            while (!(keys_[i] == NameKey()) && !(keys_[i] == key))
                i = (i + 1) % kSlots;
            keys_[i] = key;
            values_[i] = entry.value;
        }
    }
    constexpr Value find(NameKey key, Value absent) const {
        if (key == NameKey())
            return absent;
        for (std::size_t i = slotOf(key); !(keys_[i] == NameKey()); i = (i + 1) % kSlots)
            if (keys_[i] == key)
                return values_[i];
        return absent;
    }

private:
    static constexpr std::size_t kSlots = 128;
    static constexpr std::size_t slotOf(NameKey key) {
        return std::size_t(((key.low ^ (key.high * 0x9E3779B97F4A7C15u)) * 0xBF58476D1CE4E5B9u) >> 57);
    }
    std::array<NameKey, kSlots> keys_{};
    std::array<Value, kSlots> values_{};
};

struct TagEntry {
    std::string_view name;
    int value;
};
constexpr std::array<TagEntry, kTagCount> kTagNames = [] {
    std::array<TagEntry, kTagCount> names{};
    for (int i = 0; i < kTagCount; ++i)
        names[std::size_t(i)] = {kTags[std::size_t(i)].name, i};
    return names;
}();
constexpr KeyIndex<int> kTagIndex(kTagNames);
constexpr KeyIndex<AttrKind> kAttributeIndex(kAttributes);
} // namespace

int lookupTag(NameKey name) {
    return kTagIndex.find(name, -1);
}

bool tagKeepsAttributes(int tag) {
    return tag >= 0 && tag < kTagCount && kTags[std::size_t(tag)].keepsAttributes;
}

AttrKind lookupAttribute(NameKey name) {
    return kAttributeIndex.find(name, AttrKind::Unknown);
}

int fontSizeFor(int size, bool preformatted) {
    static constexpr int normal[7] = {8, 10, 12, 14, 18, 24, 36};
    static constexpr int pre[7] = {7, 8, 10, 12, 15, 20, 30};
    if (size < 1 || size > 7)
        return 12;
    return preformatted ? pre[size - 1] : normal[size - 1];
}

int headingFontSize(int level) {
    static constexpr int sizes[6] = {24, 18, 15, 12, 10, 8};
    return level >= 1 && level <= 6 ? sizes[level - 1] : 12;
}

} // namespace zorvel::html

namespace zorvel {

bool ColorFromString(const QString& text, QColor& colour) {
    const QString upper = text.toUpper();
    for (const auto& c : html::kColours) {
        if (upper == QLatin1String(c.name)) {
            colour = QColor::fromRgb(c.rgb);
            return true;
        }
    }
    QString hex = text;
    const qsizetype hash = hex.indexOf(u'#');
    if (hash >= 0)
        hex.remove(hash, 1);
    if (hex.isEmpty() || hex.size() > 8)
        return false;
    uint value = 0;
    for (const QChar ch : std::as_const(hex)) {
        const int digit = QChar::isDigit(ch.unicode()) && ch.unicode() < 128 ? ch.unicode() - '0'
                          : (ch.unicode() >= 'a' && ch.unicode() <= 'f')     ? ch.unicode() - 'a' + 10
                          : (ch.unicode() >= 'A' && ch.unicode() <= 'F')     ? ch.unicode() - 'A' + 10
                                                                             : -1;
        if (digit < 0)
            return false;
        value = value * 16 + uint(digit);
    }
    colour = QColor::fromRgb(value & 0xFFFFFF);
    return true;
}

} // namespace zorvel
