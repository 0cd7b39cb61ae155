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
    int bandHeight = 256;          // runRender paints and encodes this many rows at a time
};

// A picture wider than this shows the page's left part: a row of it is all
// the memory a band may take.
inline constexpr int kMaxRenderWidth = 32768;

struct RenderResult {
    QImage image;    // null when the page could not be read or painted
    QString error;   // the failure, empty on success (a parse error still gives the image)
    QString warning; // what the picture leaves out: a table, a part too wide or too tall
};

// Parses the page with the options' look, lays it out as the control does
// and paints the whole surface in one picture: as wide as the control's view
// or the widest line with its margins, as tall as the document (at most as
// wide and as tall as the viewer and runRender show).
RenderResult renderPage(const QString& pagePath, const RenderOptions& options);

// The page laid out the same way and painted a band at a time into a PNG
// file, written whole or not at all (a file that was there stays as it was),
// so that memory stays small however tall the page is. Returns 0 when the
// PNG was written (a warning goes to err), or 1 with the reason on err when
// the page could not be read or the file not written.
int runRender(const QString& pagePath, const QString& pngPath, const RenderOptions& options, QTextStream& err);

} // namespace zorvel
