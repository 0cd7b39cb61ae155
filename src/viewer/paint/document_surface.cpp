// A document laid out on the viewer's surface, and a band of it painted.
#include "paint/document_surface.h"

#include "paint/qt_canvas.h"

#include <QPainter>

#include <algorithm>

namespace zorvel {

int layoutWidthForControl(int controlWidth, int scrollBarWidth) {
    return controlWidth - scrollBarWidth - 24;
}

QSize DocumentSurface::size(QSize view) const {
    return QSize(std::max(scrollWidth + 2 * kDocumentMargin, view.width()), std::max(height, view.height()));
}

DocumentSurface layoutDocument(TSectionList& document, Canvas& canvas, int textWidth) {
    DocumentSurface s;
    s.textWidth = textWidth;
    int chars = 0;
    s.height = document.DoLogic(canvas, 0, textWidth, s.scrollWidth, chars);
    return s;
}

namespace {

// The first multiple of step at or before v, for negative v too.
int alignDown(int v, int step) {
    return v >= 0 ? v / step * step : -((-v + step - 1) / step) * step;
}

} // namespace

void paintDocumentBand(QPainter& painter, TSectionList& document, const QRect& band, int surfaceWidth) {
    const QImage* tile = document.ShowImages && !document.Printing ? document.GetBackgroundBitmap() : nullptr;
    if (tile && !tile->isNull()) {
        // Tiles stay put on the surface while it scrolls: they start at the
        // multiples of their size at or before the band's corner.
        for (int y = alignDown(band.y(), tile->height()); y < band.y() + band.height(); y += tile->height())
            for (int x = alignDown(band.x(), tile->width()); x < band.x() + band.width(); x += tile->width())
                painter.drawImage(x - band.x(), y - band.y(), *tile);
    } else {
        painter.fillRect(QRect(QPoint(0, 0), band.size()), document.Background);
    }
    painter.save();
    painter.translate(-band.x(), -band.y());
    {
        QtCanvas canvas(&painter);
        document.Draw(canvas, band, surfaceWidth - 2 * kDocumentMargin, kDocumentMargin, 0);
    }
    painter.restore();
}

} // namespace zorvel
