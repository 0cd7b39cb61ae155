// Style flags, the table of shared fonts, and a section's font runs.
#include "model/fonts.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <mutex>
#include <unordered_map>

namespace zorvel {

void addStyles(FontDescription& font, TFontStyles styles) {
    if (styles & kStyleBold)
        font.bold = true;
    if (styles & kStyleItalic)
        font.italic = true;
    if (styles & kStyleUnderline)
        font.underline = true;
}

TFontStyles stylesOf(const FontDescription& font) {
    return (font.bold ? kStyleBold : 0) | (font.italic ? kStyleItalic : 0) | (font.underline ? kStyleUnderline : 0);
}

namespace {

struct SharedFontHash {
    std::size_t operator()(const TMyFont& f) const noexcept {
        return qHash(f.name) ^ std::size_t(f.size) * 31 ^ std::size_t(f.NormalSize) * 1021 ^
               std::size_t(stylesOf(f) | (f.Fixed ? 8 : 0)) << 20 ^ std::size_t(f.color.rgba()) * 7919;
    }
};

// The name last: it is nearly always the same, and the slowest to compare.
// Colours and names are nearly always copies of the same few values, which
// the same bits and the same shared text settle without a call.
struct SameFont {
    static bool sameColour(const QColor& a, const QColor& b) {
        return std::memcmp(&a, &b, sizeof(QColor)) == 0 || a == b;
    }
    static bool sameName(const QString& a, const QString& b) {
        return a.size() == b.size() &&
               (a.constData() == b.constData() ||
                std::memcmp(a.constData(), b.constData(), std::size_t(a.size()) * sizeof(QChar)) == 0);
    }
    bool operator()(const TMyFont& a, const TMyFont& b) const noexcept {
        return a.size == b.size && a.NormalSize == b.NormalSize && a.bold == b.bold && a.italic == b.italic &&
               a.underline == b.underline && a.Fixed == b.Fixed && sameColour(a.color, b.color) &&
               sameName(a.name, b.name);
    }
};

struct SharedFontTable {
    std::mutex mutex;
    std::deque<TSharedFont::Entry> fonts; // never moved: the model points into it
    std::unordered_map<TMyFont, const TSharedFont::Entry*, SharedFontHash, SameFont> index;
};

SharedFontTable& sharedFonts() {
    static auto* t = new SharedFontTable; // never destroyed: the model may be freed during exit
    return *t;
}

const TSharedFont::Entry* internFont(const TMyFont& font) {
    // A page switches among a few fonts (text, links, bold, code): the last
    // few answers spare the hash.
    thread_local std::array<const TSharedFont::Entry*, 4> recent{};
    thread_local unsigned replace = 0;
    for (const TSharedFont::Entry* e : recent)
        if (e && SameFont()(e->font, font))
            return e;
    const TSharedFont::Entry* found = nullptr;
    {
        SharedFontTable& t = sharedFonts();
        const std::lock_guard lock(t.mutex);
        if (auto it = t.index.find(font); it != t.index.end()) {
            found = it->second;
        } else {
            t.fonts.push_back({font, FontTable::intern(font)});
            found = &t.fonts.back();
            t.index.emplace(font, found);
        }
    }
    recent[replace++ % recent.size()] = found;
    return found;
}

} // namespace

TSharedFont::TSharedFont() {
    static const Entry* plain = internFont(TMyFont{});
    entry_ = plain;
}

TSharedFont::TSharedFont(const TMyFont& font) : entry_(internFont(font)) {}

TFontObj::TFontObj(int pos, const TMyFont& font, TLinkText link) : Pos(pos), LinkURL(std::move(link)), RunFont_(font) {}

TRunMetrics TFontObj::Metrics(Canvas& screen) const {
    const FontMetricsInfo m = screen.fontMetrics(Id());
    return {m.height + m.externalLeading, m.height, m.overhang, m.descent};
}

TFontObj* TFontList::GetFontObjAt(int pos, int* index) const {
    if (empty())
        return nullptr;
    // The last run that starts at or before pos; runs are in position order.
    int low = 0, high = Count(); // the first run starting after pos is in [low, high]
    while (low < high) {
        const int mid = (low + high) / 2;
        if (pos < Item(mid)->Pos)
            high = mid;
        else
            low = mid + 1;
    }
    const int at = low > 0 ? low - 1 : 0;
    if (index)
        *index = at;
    return Item(at);
}

const TMyFont* TFontList::GetFontAt(int pos) const {
    const TFontObj* f = GetFontObjAt(pos);
    return f ? &f->RunFont() : nullptr;
}

int TFontList::GetFontCountAt(int pos, int textLength) const {
    int index = 0;
    if (!GetFontObjAt(pos, &index))
        return textLength - pos;
    if (index + 1 < Count())
        return Item(index + 1)->Pos - pos;
    return textLength - pos;
}

} // namespace zorvel
