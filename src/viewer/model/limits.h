#pragma once
// How big a page may make its layout, decided once for every stage.
//
// Positions and sizes are ints, as the canvas, Qt's painter and the scroll
// bars take them, and a page supplies many of them: spans, control sizes,
// pictures, text of any length, tables nested in tables. So:
//  - every size a page supplies is clamped where it is read, to what a screen
//    can use: COLSPAN to kMaxColSpan and ROWSPAN to kMaxRowSpan, a form
//    control's SIZE, ROWS and COLS to kMaxControlUnits and its box to
//    kMaxControlExtent pixels either way, a table column's widths to
//    kMaxColumnWidth; a picture is as large as the image decoder allows
//    (256 MB, so under 2^26 pixels a side);
//  - a position, a height or a width that may grow with the page (a place
//    on the page, a section's, row's or cell's height, a line's or word's
//    width) is at most kMaxExtent, and two of them are added with addExtent,
//    which stops there. Two such values always fit an int together, whatever
//    the page and however deeply its tables nest;
//  - the viewer shows at most kMaxDocumentHeight pixels of a page, less than
//    where the sums stop, and says "HTML file too large, display truncated"
//    for a taller one. What lies further down is laid out all the same, with
//    its places stopped at kMaxExtent where no scrolling reaches.
// A page has to be absurd to meet these limits: a billion pixels are some
// sixty million lines of text.
#include <QtGlobal>

#include <algorithm>

namespace zorvel {

inline constexpr int kMaxExtent = (1 << 30) - 1;
inline constexpr int kMaxDocumentHeight = 1'000'000'000;
inline constexpr int kMaxColSpan = 1000;
inline constexpr int kMaxRowSpan = 65534;
inline constexpr int kMaxControlUnits = 1000;
inline constexpr int kMaxControlExtent = 4000;
inline constexpr int kMaxColumnWidth = 1 << 24;

// a + b for positions, heights and widths: never past kMaxExtent either way.
inline int addExtent(qint64 a, qint64 b) {
    return int(std::clamp<qint64>(a + b, -kMaxExtent, kMaxExtent));
}

} // namespace zorvel
