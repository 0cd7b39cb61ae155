// Hit tests on the laid-out document: the link and the character under a
// point, the place of a character, and text search; a table passes them on to
// the cell under the point.
#include "model/limits.h"
#include "model/tables.h"

#include <algorithm>

namespace zorvel {

int TSection::LineAt(int Y, int& LineTop) const {
    int top = 0;
    for (int i = 0; i < LineRecs.Count(); ++i) {
        const int next = addExtent(top, LineSpan(*LineRecs.Item(i)));
        if (Y >= top && Y < next) {
            LineTop = top;
            return i;
        }
        top = next;
    }
    return -1;
}

bool TSection::GetURL(Canvas& canvas, int X, int Y, QString& URL) {
    int top = 0;
    const int i = LineAt(Y - TopY, top);
    if (i < 0)
        return false;
    const LineRec& line = *LineRecs.Item(i);
    if (X < line.LineIndent)
        return false;
    // The character under X is the first one that no longer fits left of it.
    const int n = FitCount(canvas, X - line.LineIndent, line.CharCount, line.Start);
    if (n >= line.CharCount)
        return false;
    const TFontObj* f = Fonts.GetFontObjAt(line.Start + n);
    if (!f || f->LinkURL.isEmpty())
        return false;
    URL = f->LinkURL.toString();
    return true;
}

int TSection::FindCursor(Canvas& canvas, int X, int Y, int& XR, int& YR, int& CaretHeight) {
    int top = 0;
    const int i = LineAt(Y - TopY, top);
    if (i < 0)
        return -1;
    const LineRec& line = *LineRecs.Item(i);
    if (X < line.LineIndent)
        return -1;
    int n = FitCount(canvas, X - line.LineIndent, line.CharCount, line.Start);
    XR = addExtent(RunWidth(canvas, line.Start, n), line.LineIndent);
    // Past the middle of the next character the caret goes after it.
    if (n < line.CharCount) {
        const int next = RunWidth(canvas, line.Start + n, 1);
        if (XR + next / 2 < X) {
            ++n;
            XR = addExtent(XR, next);
        }
    }
    YR = top;
    CaretHeight = LineSpan(line);
    return StartPos + line.Start + n;
}

bool TSection::CursorToXY(Canvas& canvas, int Cursor, int& X, int& Y) {
    if (Cursor < StartPos || Cursor >= StartPos + Len)
        return false;
    const int offset = Cursor - StartPos;
    int y = TopY;
    for (const auto& line : LineRecs) {
        if (offset < line->Start + line->CharCount) {
            X = addExtent(RunWidth(canvas, line->Start, offset - line->Start), line->LineIndent);
            Y = y;
            return true;
        }
        y = addExtent(y, LineSpan(*line));
    }
    return false;
}

int TSection::FindString(int From, const QString& Text, bool MatchCase) {
    if (Text.isEmpty() || From >= StartPos + Len)
        return -1;
    // Without MatchCase a letter matches its other case anywhere in the text,
    // the first letter included.
    const qsizetype at =
        TextBuffer().indexOf(Text, std::max(0, From - StartPos), MatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    return at < 0 ? -1 : StartPos + int(at);
}

bool TCell::GetURL(Canvas& canvas, int X, int Y, QString& URL) {
    int top = 0, index = 0;
    TSectionBase* s = FindSectionAtPosition(Y - TopY, top, index);
    return s && s->GetURL(canvas, X, Y, URL);
}

int TCell::FindCursor(Canvas& canvas, int X, int Y, int& XR, int& YR, int& CaretHeight) {
    int top = 0, index = 0;
    TSectionBase* s = FindSectionAtPosition(Y - TopY, top, index);
    if (!s)
        return -1;
    const int position = s->FindCursor(canvas, X, Y, XR, YR, CaretHeight);
    if (position >= 0)
        YR = addExtent(YR, addExtent(TopY, top));
    return position;
}

bool TCell::CursorToXY(Canvas& canvas, int Cursor, int& X, int& Y) {
    return std::any_of(begin(), end(), [&](const auto& s) { return s->CursorToXY(canvas, Cursor, X, Y); });
}

int TCell::FindString(int From, const QString& Text, bool MatchCase) {
    for (const auto& s : *this)
        if (const int at = s->FindString(From, Text, MatchCase); at >= 0)
            return at;
    return -1;
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
            if (cell.ColSpan > 0 && X >= x && X < addExtent(x, cell.CellWidth) && Y >= rowTop &&
                Y < addExtent(rowTop, cell.CellHeight)) {
                ContentLeft = x + CellSpacing + CellPadding;
                return cell.Cell.get();
            }
            x = addExtent(x, Widths[k]);
        }
        rowTop = addExtent(rowTop, row->RowHeight);
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
        XR = addExtent(XR, left);
        YR -= TopY; // a section answers from its own top; the cell gave the page's
    }
    return position;
}

bool ThtmlTable::CursorToXY(Canvas& canvas, int Cursor, int& X, int& Y) {
    if (GridFailed)
        return false;
    if (TopCaption && Caption->Cell->CursorToXY(canvas, Cursor, X, Y)) {
        X = addExtent(X, TableLeft);
        return true;
    }
    for (const auto& row : Rows) {
        int x = ColumnsLeft;
        for (int k = 0; k < row->Count(); ++k) {
            TCellObj& cell = *row->Item(k);
            if (cell.ColSpan > 0 && cell.Cell->CursorToXY(canvas, Cursor, X, Y)) {
                X = addExtent(X, x + CellSpacing + CellPadding);
                return true;
            }
            x = addExtent(x, Widths[k]);
        }
    }
    if (!TopCaption && Caption->Cell->CursorToXY(canvas, Cursor, X, Y)) {
        X = addExtent(X, TableLeft);
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
