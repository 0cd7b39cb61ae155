// A table's layout: column widths for the width it is given, row heights,
// the caption above or below, and the cells laid out in place.
#include "model/document.h"
#include "model/limits.h"
#include "model/tables.h"

#include <algorithm>
#include <numeric>

namespace zorvel {

namespace {

// Moves a laid-out cell's contents as a new layout at the same width would place them.
void moveCell(TCell& cell, int dy, int dpos) {
    cell.TopY = addExtent(cell.TopY, dy);
    cell.StartPos += dpos;
    for (const auto& s : cell)
        s->MoveBy(dy, dpos);
}

} // namespace

void ThtmlTable::MoveBy(int dy, int dpos) {
    TSectionBase::MoveBy(dy, dpos);
    moveCell(*Caption->Cell, dy, dpos);
    for (const auto& row : Rows)
        for (const auto& cell : *row)
            moveCell(*cell->Cell, dy, dpos);
}

int ThtmlTable::LayOutCell(Canvas& canvas, TCellObj& cell, int Y, int Width, int& CharPos) {
    // Every cell is laid out twice, once to size its row and once in place,
    // at the same width: the second time only moves it. Without this a table
    // nested n deep would lay its cells out 2^n times.
    TCell& contents = *cell.Cell;
    const int pass = ParentSectionList->LayoutPass;
    if (cell.LaidOutPass == pass && cell.LaidOutWidth == Width) {
        moveCell(contents, Y - contents.TopY, CharPos - contents.StartPos);
        CharPos += contents.Len;
        return cell.LaidOutHeight;
    }
    int scrollWidth = 0;
    cell.LaidOutHeight = contents.DoLogic(canvas, Y, Width, scrollWidth, CharPos);
    cell.LaidOutPass = pass;
    cell.LaidOutWidth = Width;
    return cell.LaidOutHeight;
}

void ThtmlTable::ChooseWidths(int Avail, int* Min, int* Max) {
    const int n = NumCols;
    int minSum = std::accumulate(Min, Min + n, 0);
    int maxSum = std::accumulate(Max, Max + n, 0);
    std::fill(std::begin(Widths), std::end(Widths), 0);
    if (minSum >= Avail) {
        // No room even for the narrowest layout: the table overflows.
        std::copy(Min, Min + n, Widths);
        return;
    }
    const int PercentSum = std::accumulate(Percents, Percents + n, 0);
    if ((PercentSum > 0 && PercentSum <= 100) || WidthPercent > 0) {
        // Ideal: the narrowest table in which every percentage column gets
        // its share and every other column its widest width. NP is what the
        // other columns need at their widest; when the percentages leave them
        // nothing, no width is enough (30000 stands for that).
        int Ideal = 0, NP = 0;
        for (int k = 0; k < n; ++k) {
            if (Percents[k] > 0)
                Ideal = std::max(Ideal, mulDiv(Max[k], 100, Percents[k]));
            else
                NP += Max[k];
        }
        const int others = PercentSum >= 100 ? (NP > 0 ? 30000 : 0) : mulDiv(NP, 100, 100 - PercentSum);
        Ideal = std::max(Ideal, others);
        if (Avail >= Ideal) {
            // Everything fits: a table with a WIDTH takes all of it, and the
            // other columns share what the percentages leave in proportion to
            // their widest widths. (Nothing to share when they are all empty,
            // or when the percentages pass 100.)
            if (WidthPercent > 0)
                Ideal = Avail;
            const int Rest = std::max(0, mulDiv(Ideal, 100 - PercentSum, 100));
            for (int k = 0; k < n; ++k)
                Widths[k] = Percents[k] > 0 ? mulDiv(Ideal, Percents[k], 100) : NP > 0 ? mulDiv(Max[k], Rest, NP) : 0;
            return;
        }
        // Too narrow for all wishes. A percentage column that would come out
        // narrower than its narrowest width gives up its percentage; if the
        // others still do not fit beside the columns without one, all
        // percentages shrink to fit and the test is made again. What remains
        // is fixed: such a column is exactly its share wide, and the general
        // rule below spreads the rest.
        for (;;) {
            int w[kMaxColumns + 1] = {};
            for (int k = 0; k < n; ++k)
                if (Percents[k] > 0) {
                    w[k] = mulDiv(Avail, Percents[k], 100) - 1;
                    if (w[k] < Min[k])
                        Percents[k] = 0;
                }
            int NS = 0, PW = 0, kept = 0;
            for (int k = 0; k < n; ++k) {
                if (Percents[k] > 0) {
                    PW += w[k];
                    ++kept;
                } else {
                    NS += Min[k];
                }
            }
            if (kept == 0)
                break;
            if (Avail < NS + PW) {
                bool shrunk = false;
                for (int k = 0; k < n; ++k)
                    if (Percents[k] > 0) {
                        const int p = mulDiv(Percents[k], Avail - NS, PW);
                        shrunk = shrunk || p != Percents[k];
                        Percents[k] = p;
                    }
                // Rounding can leave a small percentage where it was; asking
                // again would then never end.
                if (!shrunk)
                    break;
                continue;
            }
            for (int k = 0; k < n; ++k)
                if (Percents[k] > 0)
                    Min[k] = Max[k] = mulDiv(Avail, Percents[k], 100);
            minSum = std::accumulate(Min, Min + n, 0);
            maxSum = std::accumulate(Max, Max + n, 0);
            break;
        }
    }
    // The general rule: every column at its widest when that fits; else each
    // gets its narrowest width plus a share of the room left, in proportion
    // to how much wider it would like to be.
    for (int k = 0; k < n; ++k)
        Widths[k] = Avail < maxSum && maxSum != minSum
                        ? Min[k] + mulDiv(Max[k] - Min[k], Avail - minSum, maxSum - minSum)
                        : Max[k];
}

int ThtmlTable::RowsTop() const {
    return addExtent(TopY, (TopCaption ? CaptionHeight : 0) + CellSpacing);
}

int ThtmlTable::DrawLogic(Canvas& canvas, int Y, int Width, int& ScrollWidth, int& CharPos) {
    TopY = Y;
    StartPos = CharPos;
    SectionHeight = 0;
    Len = 0;
    ScrollWidth = 0;
    if (!EnsureGrid()) {
        CaptionHeight = BodyHeight = TableWidth = FullWidth = 0;
        return 0;
    }

    // A WIDTH is always a percentage of the width given; the spacing right
    // of the last column is no column's.
    int Avail = WidthPercent > 0 ? mulDiv(Width, WidthPercent, 100) : Width;
    BuildGridAndMinMax(canvas);
    Avail -= CellSpacing;
    int Min[kMaxColumns + 1], Max[kMaxColumns + 1];
    std::copy(std::begin(ColMin), std::end(ColMin), Min);
    std::copy(std::begin(ColMax), std::end(ColMax), Max);
    std::copy(std::begin(ColPercents), std::end(ColPercents), Percents);
    ChooseWidths(Avail, Min, Max);

    TableWidth = CellSpacing + std::accumulate(Widths, Widths + NumCols, 0);
    FullWidth = std::max(TableWidth, CaptionMinWidth);

    // Row heights: cells spanning one row first, so that a taller cell
    // spanning several rows only adds what those rows lack, shared evenly.
    // The cells are laid out at the top here and moved into place below.
    // Only the spans some cell has are visited, each in the rows where
    // such a cell starts: one tall span costs its rows once, not once for
    // every shorter span as well.
    const int rowCount = Rows.Count();
    std::vector<int> heights(std::size_t(rowCount), 0);
    std::vector<std::pair<int, int>> spanStarts; // (rows spanned, first row)
    for (int i = 0; i < rowCount; ++i)
        for (const auto& cell : *Rows.Item(i))
            if (cell->ColSpan > 0)
                spanStarts.emplace_back(cell->RowSpan, i);
    std::sort(spanStarts.begin(), spanStarts.end());
    spanStarts.erase(std::unique(spanStarts.begin(), spanStarts.end()), spanStarts.end());
    for (const auto& [j, i] : spanStarts) {
        TCellList& row = *Rows.Item(i);
        int H = 0;
        for (int k = 0; k < row.Count(); ++k) {
            TCellObj& cell = *row.Item(k);
            if (cell.ColSpan <= 0 || cell.RowSpan != j)
                continue;
            cell.CellWidth = std::accumulate(Widths + k, Widths + k + cell.ColSpan, 0);
            int chars = CharPos;
            cell.ContentHeight = LayOutCell(canvas, cell, 0, cell.CellWidth - 2 * CellPadding - CellSpacing, chars);
            H = std::max(H, addExtent(cell.ContentHeight, 2 * CellPadding + CellSpacing));
        }
        if (j == 1) {
            heights[std::size_t(i)] = H;
            continue;
        }
        const auto first = heights.begin() + i;
        const qint64 sum = std::accumulate(first, first + j, qint64(0));
        if (sum < H)
            for (auto h = first; h != first + j; ++h)
                *h = addExtent(*h, (H - sum) / j + 1);
    }
    int height = 0;
    CaptionHeight = 0;
    if (TopCaption) {
        CaptionHeight = LayOutCell(canvas, *Caption, Y, FullWidth, CharPos);
        height = CaptionHeight;
    }
    height = addExtent(height, CellSpacing);
    for (int i = 0; i < rowCount; ++i) {
        TCellList& row = *Rows.Item(i);
        row.RowHeight = heights[std::size_t(i)];
        const int rowTop = addExtent(Y, height);
        height = addExtent(height, row.RowHeight);
        for (int k = 0; k < row.Count(); ++k) {
            TCellObj& cell = *row.Item(k);
            cell.CellHeight =
                addExtent(std::accumulate(heights.begin() + i, heights.begin() + i + cell.RowSpan, qint64(0)), 0);
            if (cell.ColSpan <= 0 || !cell.HasContents())
                continue;
            const int room = cell.CellHeight - cell.ContentHeight - CellSpacing - 2 * CellPadding;
            cell.ContentOffset = cell.VAlign == VerticalAlign::Top      ? 0
                                 : cell.VAlign == VerticalAlign::Middle ? room / 2
                                                                        : room;
            LayOutCell(canvas, cell, addExtent(rowTop, CellSpacing + CellPadding + cell.ContentOffset),
                       cell.CellWidth - CellSpacing - 2 * CellPadding, CharPos);
        }
    }
    height = addExtent(height, CellSpacing);
    BodyHeight = height - CaptionHeight;
    if (!TopCaption) {
        CaptionHeight = LayOutCell(canvas, *Caption, addExtent(Y, height), FullWidth, CharPos);
        height = addExtent(height, CaptionHeight);
    }

    // Alignment moves the whole table, caption and all; columns narrower
    // than a wide caption are centred under it.
    TableLeft = 0;
    if (FullWidth < Width) {
        if (Justify == Justification::Center)
            TableLeft = (Width - FullWidth) / 2;
        else if (Justify == Justification::Right)
            TableLeft = Width - FullWidth;
    }
    ColumnsLeft = (FullWidth - TableWidth) / 2 + TableLeft;

    Len = CharPos - StartPos;
    ScrollWidth = FullWidth;
    SectionHeight = height;
    return SectionHeight;
}

} // namespace zorvel
