// Drawing a laid-out table, with its bevelled frames, and passing hit tests
// and searches on to the cell under the point.
#include "model/document.h"
#include "model/tables.h"

namespace zorvel {

namespace {

bool sameColor(const QColor& a, const QColor& b) { return a.rgb() == b.rgb(); }

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
    const int result = Y + SectionHeight;
    const int rectBottom = DrawRect.y() + DrawRect.height();
    if (GridFailed || result <= DrawRect.y() || Y >= rectBottom)
        return result;
    int y = Y;
    if (TopCaption) {
        Caption->Cell->Draw(canvas, DrawRect, FullWidth, X + TableLeft, y);
        y += CaptionHeight;
    }
    const int rowsTop = y + CellSpacing;
    int rowTop = rowsTop;
    for (const auto& row : Rows) {
        if (rowTop >= rectBottom)
            break; // rows span downwards only: nothing below can reach up into the rectangle
        int x = X + ColumnsLeft;
        for (int k = 0; k < row->Count(); ++k) {
            const TCellObj& cell = *row->Item(k);
            // Fillers take their column's width and draw nothing; an empty
            // cell shows no frame either.
            if (cell.ColSpan > 0 && cell.HasContents() && rowTop + cell.CellHeight > DrawRect.y()) {
                cell.Cell->Draw(canvas, DrawRect, cell.CellWidth - CellSpacing - 2 * CellPadding,
                                x + CellSpacing + CellPadding, rowTop + CellSpacing + CellPadding + cell.ContentOffset);
                if (Border)
                    DrawFrame(canvas, x + CellSpacing, rowTop + CellSpacing, x + cell.CellWidth,
                              rowTop + cell.CellHeight, false);
            }
            x += Widths[k];
        }
        rowTop += row->RowHeight;
    }
    const int bodyBottom = y + BodyHeight; // the last row's bottom and the spacing below it
    if (Border)
        DrawFrame(canvas, X + ColumnsLeft, rowsTop, X + ColumnsLeft + TableWidth, bodyBottom, true);
    if (!TopCaption)
        Caption->Cell->Draw(canvas, DrawRect, FullWidth, X + TableLeft, bodyBottom);
    return result;
}

TCell* ThtmlTable::CellAt(int X, int Y, int& ContentLeft) {
    if (GridFailed)
        return nullptr;
    const int y = Y - TopY;
    if (TopCaption ? y < CaptionHeight : y >= BodyHeight) {
        if (X < TableLeft || X >= TableLeft + FullWidth)
            return nullptr;
        ContentLeft = TableLeft;
        return Caption->Cell.get();
    }
    if (X < ColumnsLeft || X >= ColumnsLeft + TableWidth)
        return nullptr;
    int rowTop = RowsTop();
    for (const auto& row : Rows) {
        if (rowTop > Y)
            break;
        int x = ColumnsLeft;
        for (int k = 0; k < row->Count(); ++k) {
            TCellObj& cell = *row->Item(k);
            if (cell.ColSpan > 0 && X >= x && X < x + cell.CellWidth && Y >= rowTop && Y < rowTop + cell.CellHeight) {
                ContentLeft = x + CellSpacing + CellPadding;
                return cell.Cell.get();
            }
            x += Widths[k];
        }
        rowTop += row->RowHeight;
    }
    return nullptr;
}

// The cells' sections know their tops from the layout, so Y goes on as it
// is; X is moved to the left of the cell's contents.
bool ThtmlTable::GetURL(Canvas& canvas, int X, int Y, QString& URL) {
    int left = 0;
    TCell* cell = CellAt(X, Y, left);
    return cell && cell->GetURL(canvas, X - left, Y, URL);
}

int ThtmlTable::FindCursor(Canvas& canvas, int X, int Y, int& XR, int& YR, int& CaretHeight) {
    int left = 0;
    TCell* cell = CellAt(X, Y, left);
    if (!cell)
        return -1;
    const int position = cell->FindCursor(canvas, X - left, Y, XR, YR, CaretHeight);
    if (position >= 0) {
        XR += left;
        YR -= TopY; // a section answers from its own top; the cell gave the page's
    }
    return position;
}

bool ThtmlTable::CursorToXY(Canvas& canvas, int Cursor, int& X, int& Y) {
    if (GridFailed)
        return false;
    if (TopCaption && Caption->Cell->CursorToXY(canvas, Cursor, X, Y)) {
        X += TableLeft;
        return true;
    }
    for (const auto& row : Rows) {
        int x = ColumnsLeft;
        for (int k = 0; k < row->Count(); ++k) {
            TCellObj& cell = *row->Item(k);
            if (cell.ColSpan > 0 && cell.Cell->CursorToXY(canvas, Cursor, X, Y)) {
                X += x + CellSpacing + CellPadding;
                return true;
            }
            x += Widths[k];
        }
    }
    if (!TopCaption && Caption->Cell->CursorToXY(canvas, Cursor, X, Y)) {
        X += TableLeft;
        return true;
    }
    return false;
}

int ThtmlTable::FindString(int From, const QString& Text, bool MatchCase) {
    if (GridFailed)
        return -1;
    // In the order the cells' characters were counted: a top caption, the
    // cells row by row, a bottom caption.
    if (TopCaption)
        if (const int at = Caption->Cell->FindString(From, Text, MatchCase); at >= 0)
            return at;
    for (const auto& row : Rows)
        for (const auto& cell : *row)
            if (cell->ColSpan > 0)
                if (const int at = cell->Cell->FindString(From, Text, MatchCase); at >= 0)
                    return at;
    if (!TopCaption)
        return Caption->Cell->FindString(From, Text, MatchCase);
    return -1;
}

} // namespace zorvel
