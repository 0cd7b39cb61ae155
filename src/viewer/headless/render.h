#pragma once
// `zorvel --render PAGE OUT.png [--width N]`: a page laid out and painted as
// the viewer control shows it, written whole to a PNG file, with no window.
#include "load/page_loader.h"

#include <QImage>
#include <QString>
#include <QTextStream>

namespace zorvel {

struct RenderOptions {
    int controlWidth = 800;        // the viewer's outer width the page is laid out for
    int scrollBarWidth = 16;       // the style's vertical scroll bar
    PageLook look = desktopLook(); // the control's own unless the caller says otherwise
};

struct RenderResult {
    QImage image;    // null when the page could not be read or painted
    QString error;   // the failure, empty on success (a parse error still gives the image)
    QString warning; // a table the layout had to leave out; the rest is rendered
};

// Parses the page with the options' look, lays it out as the control does
// and paints the whole surface: as wide as the control's view or the widest
// line with its margins, as tall as the document.
RenderResult renderPage(const QString& pagePath, const RenderOptions& options);

// The picture as the bytes of a PNG file; empty when it cannot be encoded.
QByteArray pngBytes(const QImage& image);

// renderPage, then the PNG written whole or not at all (a file that was there
// stays as it was). Returns 0 when the PNG was written (a warning goes to err),
// or 1 with the reason on err when the page could not be read or the file not
// written.
int runRender(const QString& pagePath, const QString& pngPath, const RenderOptions& options, QTextStream& err);

} // namespace zorvel
