#pragma once
// Tables: rows of cells, each cell a list of sections, and a caption. The
// table turns its spans into a rectangular grid, finds each column's
// narrowest and widest width, chooses column widths for the space it is
// given, lays its cells out, draws them with bevelled frames and passes hit
// tests and searches on to the cell under the point (defined in layout/ and
// draw/).
#include "errors.h"
#include "model/sections.h"

namespace zorvel {

class EProcessError : public Error {
public:
    using Error::Error;
};

class TCellObj : public TModelStorage {
public:
    using PoolRecord = TCellObj;
    TCellObj(TSectionList* master, const TAttributeList& attributes, VerticalAlign vAlign);
    TCellObj(const TCellObj& source, TSectionList* master);
    // A cell that only holds a place in the grid, under a span.
    static std::unique_ptr<TCellObj> Filler(TSectionList* master, int rowSpan);

    int ColSpan = 1; // 0 marks a filler cell made for a span
    int RowSpan = 1;
    int CellHeight = 0;
    int CellWidth = 0;
    int ContentHeight = 0;
    int ContentOffset = 0;
    VerticalAlign VAlign = VerticalAlign::Middle;
    int WidthPercent = 0;
    QRgb Background = 0; // its own BGCOLOR or its row's; 0 for none (a colour is opaque)
    std::unique_ptr<TCell> Cell;

    // Whether anything was written in the cell: only such cells are laid out,
    // drawn and framed.
    bool HasContents() const { return Cell->Count() > 0; }

    // What the last layout of the contents found, so that laying them out
    // again at the same width in the same pass only moves them.
    int LaidOutPass = -1;
    int LaidOutWidth = 0;
    int LaidOutHeight = 0;
};

// One table row.
class TCellList : public TFreeList<TCellObj>, public TModelStorage {
public:
    using PoolRecord = TCellList;
    explicit TCellList(TModelPool* pool) : TFreeList<TCellObj>(pool) {}
    int RowHeight = 0;
};

class ThtmlTable : public TSectionBase {
public:
    using PoolRecord = ThtmlTable;
    static constexpr int kMaxColumns = 30;

    ThtmlTable(TSectionList* master, Justification justify, const TAttributeList& attributes);
    const char* KindName() const override { return "Table"; }
    std::unique_ptr<TSectionBase> Clone(TSectionList* MasterList) const override;
    void UpdateFonts() override;

    int DrawLogic(Canvas& canvas, int Y, int Width, int& ScrollWidth, int& CharPos) override;
    int Draw(Canvas& canvas, const QRect& DrawRect, int Width, int X, int Y) override;
    void MinMaxWidth(Canvas& canvas, int& Min, int& Max) override;
    void MoveBy(int dy, int dpos) override;
    // Hit tests take X from the table's left edge (the left of the width it
    // was laid out in) and Y in layout's coordinates.
    bool GetURL(Canvas& canvas, int X, int Y, QString& URL) override;
    int FindCursor(Canvas& canvas, int X, int Y, int& XR, int& YR, int& CaretHeight) override;
    int FindString(int From, const QString& Text, bool MatchCase) override;
    bool CursorToXY(Canvas& canvas, int Cursor, int& X, int& Y) override;

    // Expands the spans into filler cells and counts the columns; throws
    // EProcessError when there are more than kMaxColumns. Runs once.
    void BuildGrid();
    // Each column's narrowest and widest width and percentage, from its cells
    // (in ColMin, ColMax, ColPercents), and the caption's narrowest width.
    void BuildGridAndMinMax(Canvas& canvas);

    TFreeList<TCellList> Rows;
    std::unique_ptr<TCellObj> Caption;
    bool Initialized = false;
    bool Border = false;
    bool TopCaption = true;
    int ColumnsLeft = 0;
    int TableLeft = 0;
    Justification Justify = Justification::Left;
    int NumCols = 0;
    int TableWidth = 0;
    int FullWidth = 0;
    int WidthPercent = 0;
    QRgb Background = 0; // BGCOLOR; 0 for none
    int CaptionHeight = 0;
    int BodyHeight = 0;
    int CellPadding = 2;
    int CellSpacing = 3;
    int CaptionMinWidth = 0;
    int Widths[kMaxColumns + 1] = {};
    int Percents[kMaxColumns + 1] = {};

    // The grid could not be built (too many columns): the table takes no
    // room, draws nothing and answers no hit test.
    bool GridFailed = false;
    // What BuildGridAndMinMax found, kept for the rest of the layout pass.
    int ColMin[kMaxColumns + 1] = {};
    int ColMax[kMaxColumns + 1] = {};
    int ColPercents[kMaxColumns + 1] = {};
    int ColMinSum = 0;
    int ColMaxSum = 0;

private:
    // Builds the grid the first time; on failure the error goes to the
    // document, which hands it to the viewer after the layout. False when
    // the table cannot be laid out.
    bool EnsureGrid();
    // Column widths for Avail pixels, from Min and Max (changed on the way
    // by the percentage rules).
    void ChooseWidths(int Avail, int* Min, int* Max);
    // Lays a cell's contents out at (Y, Width) and returns their height; the
    // same width already laid out in this pass is only moved there.
    int LayOutCell(Canvas& canvas, TCellObj& cell, int Y, int Width, int& CharPos);
    // The top of the first row, in layout's coordinates.
    int RowsTop() const;
    // The cell (or caption) under the point and the left of its contents
    // from the table's left; nullptr when there is none.
    TCell* CellAt(int X, int Y, int& ContentLeft);
    void DrawFrame(Canvas& canvas, int x1, int y1, int x2, int y2, bool raised) const;

    int minMaxPass_ = -1; // the layout pass ColMin and ColMax were found in
};

} // namespace zorvel
