// Drawing a laid-out table, with its bevelled frames.
#include "model/document.h"
#include "model/limits.h"
#include "model/tables.h"

namespace zorvel {

namespace {

bool sameColor(const QColor& a, const QColor& b) {
    return a.rgb() == b.rgb();
}

} // namespace

void ThtmlTable::DrawFrame(Canvas& canvas, int x1, int y1, int x2, int y2, bool raised) const {
    const TSectionList& master = *ParentSectionList;
    const SystemColors system = canvas.systemColors();
    QColor light, dark;
    // Bevels show on the desktop's grey or on a background picture; on a
    // page's own colour the two shades could vanish, so the text colour frames.
    if (sameColor(master.Background, system.WindowFace) || (master.ShowImages && master.BackgroundBitmap)) {
        light = raised ? system.ButtonHighlight : system.ButtonShadow;
        dark = raised ? system.ButtonShadow : system.ButtonHighlight;
    } else {
        light = dark = master.Printing ? QColor(Qt::black) : master.FontColor;
    }
    // Up the left edge and along the top, then down the right and back along the bottom.
    canvas.drawLine(x1, y2, x1, y1, light);
    canvas.drawLine(x1, y1, x2, y1, light);
    canvas.drawLine(x2, y1, x2, y2, dark);
    canvas.drawLine(x2, y2, x1, y2, dark);
}

int ThtmlTable::Draw(Canvas& canvas, const QRect& DrawRect, int, int X, int Y) {
    const int result = addExtent(Y, SectionHeight);
    const int rectBottom = DrawRect.y() + DrawRect.height();
    if (GridFailed || result <= DrawRect.y() || Y >= rectBottom)
        return result;
    int y = Y;
    if (TopCaption) {
        Caption->Cell->Draw(canvas, DrawRect, FullWidth, X + TableLeft, y);
        y = addExtent(y, CaptionHeight);
    }
    const int rowsTop = y + CellSpacing;
    int rowTop = rowsTop;
    // The table's colour fills it behind its cells and the spacing between them.
    if (Background)
        canvas.fillRect(QRect(X + ColumnsLeft, rowsTop, TableWidth, y + BodyHeight - rowsTop),
                        QColor::fromRgb(Background));
    for (const auto& row : Rows) {
        if (rowTop >= rectBottom)
            break; // rows span downwards only: nothing below can reach up into the rectangle
        int x = addExtent(X, ColumnsLeft);
        for (int k = 0; k < row->Count(); ++k) {
            const TCellObj& cell = *row->Item(k);
            // Fillers take their column's width and draw nothing; an empty
            // cell shows no frame either.
            const int cellBottom = addExtent(rowTop, cell.CellHeight);
            // A cell's colour fills it inside its frame, empty or not.
            if (cell.ColSpan > 0 && cell.Background && cellBottom > DrawRect.y())
                canvas.fillRect(QRect(x + CellSpacing, rowTop + CellSpacing, cell.CellWidth - CellSpacing,
                                      cell.CellHeight - CellSpacing),
                                QColor::fromRgb(cell.Background));
            if (cell.ColSpan > 0 && cell.HasContents() && cellBottom > DrawRect.y()) {
                cell.Cell->Draw(canvas, DrawRect, cell.CellWidth - CellSpacing - 2 * CellPadding,
                                x + CellSpacing + CellPadding,
                                addExtent(rowTop, CellSpacing + CellPadding + cell.ContentOffset));
                if (Border)
                    DrawFrame(canvas, x + CellSpacing, rowTop + CellSpacing, addExtent(x, cell.CellWidth), cellBottom,
                              false);
            }
            x = addExtent(x, Widths[k]);
        }
        rowTop = addExtent(rowTop, row->RowHeight);
    }
    const int bodyBottom = addExtent(y, BodyHeight); // the last row's bottom and the spacing below it
    if (Border)
        DrawFrame(canvas, addExtent(X, ColumnsLeft), rowsTop, addExtent(X, ColumnsLeft + TableWidth), bodyBottom, true);
    if (!TopCaption)
        Caption->Cell->Draw(canvas, DrawRect, FullWidth, X + TableLeft, bodyBottom);
    return result;
}

} // namespace zorvel
