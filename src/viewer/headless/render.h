#pragma once
// `zorvel --render PAGE OUT.png [--width N]`: a page laid out and painted as
// the viewer control shows it, written whole to a PNG file, with no window.
#include <QImage>
#include <QString>
#include <QTextStream>

namespace zorvel {

struct RenderOptions {
    int controlWidth = 800;   // the viewer's outer width the page is laid out for
    int scrollBarWidth = 16;  // the style's vertical scroll bar
    bool showImages = true;
};

struct RenderResult {
    QImage image;  // null when the page could not be read or painted
    QString error; // the failure, empty on success (a parse error still gives the image)
};

// Parses the page with the viewer's defaults (the desktop's button face
// behind its text), lays it out as the control does and paints the whole
// surface: as wide as the control's view or the widest line with its
// margins, as tall as the document.
RenderResult renderPage(const QString& pagePath, const RenderOptions& options);

// renderPage, then the PNG written. Returns 0, or 1 with the error on err.
int runRender(const QString& pagePath, const QString& pngPath, const RenderOptions& options, QTextStream& err);

} // namespace zorvel
