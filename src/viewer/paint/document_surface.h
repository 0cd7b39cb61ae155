#pragma once
// The viewer's drawing surface: where a laid-out document sits on it and how
// a band of it is painted. The viewer control and `zorvel --render` both
// paint through here, so a rendered page looks as the control shows it.
#include "model/document.h"

#include <QRect>
#include <QSize>

class QPainter;

namespace zorvel {

// The document's left edge lies this far into the surface; its widest line
// gets the same margin on the right.
inline constexpr int kDocumentMargin = 10;

// The width a control of the given outer width lays its page out in: the
// width less a vertical scroll bar, whether or not one is shown (so showing
// it never changes the layout), less 24 pixels of margins and frame.
int layoutWidthForControl(int controlWidth, int scrollBarWidth);

struct DocumentSurface {
    int textWidth = 0;   // the width the document was laid out in
    int height = 0;      // the document's height
    int scrollWidth = 0; // its widest line or picture, from its left edge

    // As wide as the widest line with its margins and at least as wide as the
    // view; as tall as the document and at least as tall as the view.
    QSize size(QSize view) const;
};

// Lays the document out from the top in textWidth pixels, measuring on canvas.
DocumentSurface layoutDocument(TSectionList& document, Canvas& canvas, int textWidth);

// Paints the part of the surface that band covers (surface coordinates: x
// from the surface's left edge, y from the document's top) so that the band's
// top-left corner lands on the painter's origin. The background comes first:
// the page's picture tiled from the surface's origin when images are shown
// and the page is not being printed, otherwise its colour.
void paintDocumentBand(QPainter& painter, TSectionList& document, const QRect& band, int surfaceWidth);

} // namespace zorvel
