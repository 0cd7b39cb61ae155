#pragma once
// The one door through which the viewer measures and draws. The engine never
// touches a painter or a font-metrics object itself, so it runs headless and
// its tests use a canvas with fixed metrics.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringView>

namespace zorvel {

// A font as the viewer asks for it: face, size in points, style and colour.
struct FontDescription {
    QString name;
    int size = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = Qt::black;

    bool operator==(const FontDescription&) const = default;
};

struct FontMetricsInfo {
    int height = 0; // ascent + descent
    int ascent = 0;
    int descent = 0;
    int externalLeading = 0;
    int overhang = 0; // extra width of synthesised styles
    int averageCharWidth = 0;
};

// A font without its colour, interned once for the whole program: layout asks
// for extents many thousand times, and a small number indexes a canvas's
// per-font cache where a description would be hashed on every call.
using FontId = int;

class FontTable {
public:
    // The same id for every description that differs only in colour.
    static FontId intern(const FontDescription& font);
    // The description of an id, in black.
    static FontDescription describe(FontId id);
    static int count();
};

// The colours of the desktop that drawing compares the page's colours with.
struct SystemColors {
    QColor ButtonFace;      // the viewer's default background
    QColor ButtonShadow;    // dark half of an engraved rule
    QColor ButtonHighlight; // light half of an engraved rule
    QColor WindowFace;      // the background on which rules are engraved and list discs coloured
    QColor ButtonText;      // the viewer's default text colour
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual FontMetricsInfo fontMetrics(const FontDescription& font) = 0;
    virtual QSize textExtent(const FontDescription& font, QStringView text) = 0;
    virtual SystemColors systemColors() const = 0;

    // Text is placed by its top-left corner; an opaque background is filled first.
    virtual void drawText(int x, int y, const FontDescription& font, QStringView text,
                          const QColor* background = nullptr) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2, const QColor& color) = 0;
    // Outlines, fills and ellipses cover the rectangle's pixels and no more.
    virtual void drawRect(const QRect& rect, const QColor& color) = 0;
    virtual void fillRect(const QRect& rect, const QColor& color) = 0;
    virtual void drawEllipse(const QRect& rect, const QColor& color, bool filled) = 0;
    virtual void drawImage(int x, int y, const QImage& image) = 0;
    // Narrows drawing to the rectangle (within any clipping already in force) until clearClip.
    virtual void setClipRect(const QRect& rect) = 0;
    virtual void clearClip() = 0;

    // The same by interned font; layout's hot path. A canvas that keeps
    // per-font caches overrides these; by default they go by the description.
    virtual int textWidth(FontId font, QStringView text) { return textExtent(FontTable::describe(font), text).width(); }
    virtual FontMetricsInfo fontMetrics(FontId font) { return fontMetrics(FontTable::describe(font)); }

    // Line breaking's question: the largest count of characters from the
    // start of text whose textWidth is at most room (a run only grows as
    // characters are added), with that width in width (0 for no character).
    // The count never ends between the two halves of a character beyond U+FFFF.
    // By default a search over textWidth; a canvas that can add advances up
    // one at a time answers in a single pass over the characters that fit.
    virtual int fitCount(FontId font, QStringView text, int room, int& width);

    // A run's widths as narrowest-width measuring needs them, each as
    // textWidth gives it: the whole run, its first word (up to the first
    // space) and its last (after the last space), both -1 when empty, and the
    // widest word between spaces (0 when there is none). Without a space the
    // run is all one word: head and tail are then the whole width.
    struct Words {
        int width = 0;
        int head = -1;
        int tail = -1;
        int widest = 0;
        bool spaced = false;
    };
    // By default one textWidth per word; a canvas with per-character
    // advances overrides it with one pass.
    virtual Words measureWords(FontId font, QStringView text);
    virtual void drawText(int x, int y, FontId font, const QColor& color, QStringView text,
                          const QColor* background = nullptr) {
        FontDescription d = FontTable::describe(font);
        d.color = color;
        drawText(x, y, d, text, background);
    }
};

} // namespace zorvel
