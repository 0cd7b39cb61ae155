#include "canvas.h"

#include <QHash>

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
size_t qHash(const Key& key, size_t seed) { return qHashMulti(seed, key.name, key.size, key.styles); }

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

} // namespace zorvel
