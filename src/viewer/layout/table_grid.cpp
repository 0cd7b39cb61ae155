// A table's grid: spans expanded into filler cells, and each column's
// narrowest and widest width and percentage found from its cells.
#include "model/document.h"
#include "model/limits.h"
#include "model/tables.h"

#include <algorithm>

namespace zorvel {

namespace {

constexpr const char* kTooManyColumns = "Table has too many Columns";

// Rows only ever grow while the grid is built, so a row past the limit
// already decides the outcome; stopping there keeps a COLSPAN of a million
// from making a million fillers first.
void checkColumns(const TCellList& row) {
    if (row.Count() > ThtmlTable::kMaxColumns)
        throw EProcessError(kTooManyColumns);
}

} // namespace

void ThtmlTable::BuildGrid() {
    Initialized = true;
    TSectionList* const master = ParentSectionList;
    // A cell spanning k columns is followed by k - 1 fillers, so that a cell's
    // index in its row is its column. The fillers keep the cell's row span,
    // so the rows below get fillers under every spanned column.
    for (const auto& row : Rows) {
        for (int i = row->Count() - 1; i >= 0; --i) {
            const TCellObj& cell = *row->Item(i);
            if (cell.ColSpan <= 1)
                continue;
            if (cell.ColSpan - 1 > kMaxColumns - row->Count())
                throw EProcessError(kTooManyColumns);
            const int rowSpan = cell.RowSpan;
            for (int n = 1; n < cell.ColSpan; ++n)
                row->insert(row->begin() + i + 1, TCellObj::Filler(master, rowSpan));
        }
    }
    // A cell spanning rows puts a filler at its column in each row below; a
    // span past the last row is cut there. A shorter row is first padded up
    // to that column, so the filler lands under the cell.
    const int rowCount = Rows.Count();
    for (int r = 0; r < rowCount; ++r) {
        TCellList& row = *Rows.Item(r);
        for (int k = 0; k < row.Count(); ++k) {
            TCellObj& cell = *row.Item(k);
            cell.RowSpan = std::min(cell.RowSpan, rowCount - r);
            for (int n = 1; n < cell.RowSpan; ++n) {
                TCellList& below = *Rows.Item(r + n);
                while (below.Count() < k)
                    below.Add(TCellObj::Filler(master, 0));
                below.insert(below.begin() + k, TCellObj::Filler(master, 0));
                checkColumns(below);
            }
        }
    }
    NumCols = 0;
    for (const auto& row : Rows)
        NumCols = std::max(NumCols, row->Count());
    if (NumCols > kMaxColumns)
        throw EProcessError(kTooManyColumns);
}

bool ThtmlTable::EnsureGrid() {
    if (!Initialized) {
        try {
            BuildGrid();
        } catch (const EProcessError& e) {
            // The table drops out of the page; the rest is laid out and shown,
            // and the viewer tells the user once, after the layout.
            GridFailed = true;
            if (ParentSectionList && !ParentSectionList->LayoutError)
                ParentSectionList->LayoutError = e.text();
        }
    }
    return !GridFailed;
}

void ThtmlTable::BuildGridAndMinMax(Canvas& canvas) {
    // Asked by the enclosing cell and again by the table's own layout: the
    // cells are measured once per layout pass (nested tables would otherwise
    // measure their cells once per level above them).
    const int pass = ParentSectionList->LayoutPass;
    if (minMaxPass_ == pass)
        return;
    minMaxPass_ = pass;
    std::fill(std::begin(ColMin), std::end(ColMin), 0);
    std::fill(std::begin(ColMax), std::end(ColMax), 0);
    std::fill(std::begin(ColPercents), std::end(ColPercents), 0);
    // Each cell needs its padding on both sides and the spacing on its left.
    const int Extra = 2 * CellPadding + CellSpacing;
    int widestSpan = 0;
    for (const auto& row : Rows)
        for (const auto& cell : *row)
            widestSpan = std::max(widestSpan, cell->ColSpan);
    // Single columns first, so that a spanning cell shares its width out in
    // proportion to what the columns under it already need.
    for (int s = 1; s <= widestSpan; ++s) {
        for (const auto& row : Rows) {
            for (int k = 0; k < row->Count(); ++k) {
                const TCellObj& cell = *row->Item(k);
                if (cell.ColSpan != s)
                    continue;
                int mn = 0, mx = 0;
                cell.Cell->MinMaxWidth(canvas, mn, mx);
                // However wide its contents, a column stays narrow enough for
                // the table's widths to be added up.
                mn = std::min(mn + Extra, kMaxColumnWidth);
                mx = std::min(mx + Extra, kMaxColumnWidth);
                if (s == 1) {
                    ColMin[k] = std::max(ColMin[k], mn);
                    ColMax[k] = std::max(ColMax[k], mx);
                    ColPercents[k] = std::max(ColPercents[k], cell.WidthPercent);
                    continue;
                }
                int MinSum = 0, MaxSum = 0, P = 0, Free = 0;
                for (int j = k; j < k + s; ++j) {
                    MinSum += ColMin[j];
                    MaxSum += ColMax[j];
                    if (ColPercents[j] > 0)
                        P += ColPercents[j];
                    else
                        ++Free;
                }
                const int h = cell.WidthPercent;
                if (h > 0 || P > 0) {
                    // The cell's percentage is shared among the spanned
                    // columns that have none; when all have one, theirs are
                    // stretched to add up to the cell's. Its widths then go
                    // to the columns by their share of the percentage.
                    for (int j = k; j < k + s; ++j)
                        if (ColPercents[j] <= 0)
                            ColPercents[j] = Free > 0 ? std::max(0, (h - P) / Free) : 0;
                    if (Free == 0 && P < h)
                        for (int j = k; j < k + s; ++j)
                            ColPercents[j] = mulDiv(ColPercents[j], h, P);
                    const int T = std::max(h, P);
                    for (int j = k; j < k + s; ++j) {
                        ColMax[j] = std::max(ColMax[j], mulDiv(mx, ColPercents[j], T));
                        ColMin[j] = std::max(ColMin[j], mulDiv(mn, ColPercents[j], T));
                    }
                } else if (MaxSum != 0 && MinSum != 0) {
                    // In proportion to what each column already needs.
                    for (int j = k; j < k + s; ++j) {
                        ColMax[j] = std::max(ColMax[j], mulDiv(mx, ColMax[j], MaxSum));
                        ColMin[j] = std::max(ColMin[j], mulDiv(mn, ColMin[j], MinSum));
                    }
                } else {
                    // Columns with nothing of their own share it evenly.
                    for (int j = k; j < k + s; ++j) {
                        ColMax[j] = mx / s;
                        ColMin[j] = mn / s;
                    }
                }
            }
        }
    }
    ColMinSum = 0;
    ColMaxSum = 0;
    for (int k = 0; k < NumCols; ++k) {
        ColMinSum += ColMin[k];
        ColMaxSum += ColMax[k];
    }
    int captionMax = 0;
    Caption->Cell->MinMaxWidth(canvas, CaptionMinWidth, captionMax);
}

void ThtmlTable::MinMaxWidth(Canvas& canvas, int& Min, int& Max) {
    Min = 0;
    Max = 0;
    if (!EnsureGrid())
        return;
    BuildGridAndMinMax(canvas);
    // The columns, the spacing right of the last one and a padding's worth of
    // slack; a wide caption can make the table wider than its columns.
    Min = std::max(CaptionMinWidth, ColMinSum + CellSpacing + CellPadding);
    Max = std::max(CaptionMinWidth, ColMaxSum + CellSpacing + CellPadding);
}

} // namespace zorvel
