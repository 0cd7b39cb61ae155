// The program-wide table of fonts in use, and the canvas's measuring by default.
#include "canvas/canvas.h"

#include <QHash>

#include <algorithm>

#include <deque>
#include <mutex>

namespace zorvel {

namespace {

struct Key {
    QString name;
    int size;
    int styles;
    bool operator==(const Key&) const = default;
};
size_t qHash(const Key& key, size_t seed) {
    return qHashMulti(seed, key.name, key.size, key.styles);
}

struct Table {
    std::mutex mutex;
    QHash<Key, FontId> ids;
    std::deque<FontDescription> fonts; // a deque keeps earlier entries in place as it grows
};

Table& table() {
    static Table t;
    return t;
}

} // namespace

FontId FontTable::intern(const FontDescription& font) {
    const int styles = (font.bold ? 1 : 0) | (font.italic ? 2 : 0) | (font.underline ? 4 : 0);
    // A page asks for the same font many times running; the last answer
    // spares hashing the name (and copying it). Each thread keeps its own.
    thread_local Key lastKey{QString(), -1, 0};
    thread_local FontId lastId = -1;
    if (font.size == lastKey.size && styles == lastKey.styles && font.name == lastKey.name)
        return lastId;
    const Key key{font.name, font.size, styles};
    Table& t = table();
    const std::lock_guard lock(t.mutex);
    lastKey = key;
    if (auto it = t.ids.constFind(key); it != t.ids.constEnd())
        return lastId = *it;
    FontDescription plain = font;
    plain.color = Qt::black;
    const FontId id = FontId(t.fonts.size());
    t.fonts.push_back(plain);
    t.ids.insert(key, id);
    return lastId = id;
}

FontDescription FontTable::describe(FontId id) {
    Table& t = table();
    const std::lock_guard lock(t.mutex);
    return id >= 0 && std::size_t(id) < t.fonts.size() ? t.fonts[std::size_t(id)] : FontDescription{};
}

int FontTable::count() {
    Table& t = table();
    const std::lock_guard lock(t.mutex);
    return int(t.fonts.size());
}

int Canvas::fitCount(FontId font, QStringView text, int room, int& width) {
    const int N = int(text.size());
    int measured = 0;
    // A count that would part the two halves of a character beyond U+FFFF
    // is as wide as the text before that character.
    auto parts = [&](int k) { return k > 0 && k < N && text[k - 1].isHighSurrogate() && text[k].isLowSurrogate(); };
    auto fits = [&](int k) {
        measured = textWidth(font, text.first(parts(k) ? k - 1 : k));
        return measured <= room;
    };
    // Binary search for the largest k that fits: low always counts as
    // fitting, and the candidates run from low to high + 1. The extent grows
    // with k, so k may first be bracketed by doubling: the search then finds
    // the same k while measuring strings about as long as a line, where its
    // first middle in a paragraph-long stretch would measure half the
    // paragraph for every line.
    int low = 0, lowWidth = 0, high = N - 1;
    // Most stretches (one font's run within a line) are short and fit whole:
    // one measurement settles them.
    constexpr int kTryWhole = 256;
    if (N <= kTryWhole) {
        if (fits(N)) {
            width = measured;
            return N;
        }
        high = N - 2;
    }
    for (int probe = N <= kTryWhole ? 1 : 32; probe < N; probe *= 2) {
        if (!fits(probe)) {
            high = probe - 2;
            break;
        }
        low = probe;
        lowWidth = measured;
    }
    while (high >= low) {
        const int mid = (low + high) / 2 + 1;
        if (!fits(mid)) {
            high = (low + high) / 2 - 1;
        } else {
            low = mid;
            lowWidth = measured;
        }
    }
    if (parts(low))
        --low; // as wide as it was
    width = lowWidth;
    return low;
}

Canvas::Words Canvas::measureWords(FontId font, QStringView text) {
    Words w;
    w.width = textWidth(font, text);
    const qsizetype first = text.indexOf(u' ');
    if (first < 0) {
        w.head = w.tail = text.isEmpty() ? -1 : w.width;
        return w;
    }
    w.spaced = true;
    const qsizetype last = text.lastIndexOf(u' ');
    if (first > 0)
        w.head = textWidth(font, text.first(first));
    if (last + 1 < text.size())
        w.tail = textWidth(font, text.sliced(last + 1));
    for (qsizetype i = first; i < last;) {
        while (i < last && text[i] == u' ')
            ++i;
        qsizetype j = i;
        while (j < last && text[j] != u' ')
            ++j;
        if (j > i)
            w.widest = std::max(w.widest, textWidth(font, text.sliced(i, j - i)));
        i = j;
    }
    return w;
}

} // namespace zorvel
