#pragma once
// The canvas on a QPainter (screen, image or printer). Without a painter it
// only measures, on the given paint device or the screen.
#include "canvas.h"

#include <QFont>
#include <QHash>

class QPainter;
class QPaintDevice;

namespace zorvel {

QFont toQFont(const FontDescription& font);

class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter* painter = nullptr, QPaintDevice* device = nullptr);

    FontMetricsInfo fontMetrics(const FontDescription& font) override;
    QSize textExtent(const FontDescription& font, QStringView text) override;

    void drawText(int x, int y, const FontDescription& font, QStringView text, const QColor* background) override;
    void drawLine(int x1, int y1, int x2, int y2, const QColor& color) override;
    void drawRect(const QRect& rect, const QColor& color) override;
    void fillRect(const QRect& rect, const QColor& color) override;
    void drawEllipse(const QRect& rect, const QColor& color, bool filled) override;
    void drawImage(int x, int y, const QImage& image) override;
    void setClipRect(const QRect& rect) override;
    void clearClip() override;

private:
    struct Entry {
        QFont font;
        FontMetricsInfo metrics;
    };
    const Entry& entryFor(const FontDescription& font);

    struct Key {
        QString name;
        int size;
        int styles;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed) { return qHashMulti(seed, key.name, key.size, key.styles); }

    QPainter* painter_;
    QPaintDevice* device_;
    // Measuring a QFont is costly; pages use few distinct fonts.
    QHash<Key, Entry> cache_;
};

} // namespace zorvel
