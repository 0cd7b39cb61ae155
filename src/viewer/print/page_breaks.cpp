// Where the printed pages of a laid-out document break: never inside a text
// line, whether it stands on the page or in a table cell at any depth.
#include "model/limits.h"
#include "model/tables.h"
#include "print/printing.h"

#include <algorithm>

namespace zorvel {

namespace {

// Calls onText(section, top) and onTable(table) for the sections of the list
// that y lies inside, and goes on into the cells of those tables. Sections
// lie one below the other from the list's top, and a table's cells know
// their own tops from the layout, so only the sections around y and the
// cells of the tables among them are looked into.
template <class OnText, class OnTable> void forSectionsAt(const TCell& list, int y, OnText& onText, OnTable& onTable) {
    int top = list.TopY;
    for (const auto& section : list) {
        if (top >= y)
            break;
        const int bottom = addExtent(top, section->SectionHeight);
        if (bottom > y) {
            if (const auto* text = dynamic_cast<const TSection*>(section.get())) {
                onText(*text, top);
            } else if (const auto* table = dynamic_cast<const ThtmlTable*>(section.get())) {
                onTable(*table);
                // Cells beside each other all reach y: every one is asked.
                forSectionsAt(*table->Caption->Cell, y, onText, onTable);
                for (const auto& row : table->Rows)
                    for (const auto& cell : *row)
                        if (cell->ColSpan > 0)
                            forSectionsAt(*cell->Cell, y, onText, onTable);
            }
        }
        top = bottom;
    }
}

// Where a page that ends at y inside a table row, above all of the row's
// contents, had better end: at the row's top, so that the row's frames begin
// on the next page instead of showing their first pixels at this one's foot.
// Below the first row the page takes in the pixel of the row above's frame
// bottom. The highest such place, when y is in such rows at any depth.
std::optional<int> rowTopAbove(const TSectionList& document, int y) {
    std::optional<int> highest;
    auto onText = [](const TSection&, int) {};
    auto onTable = [&](const ThtmlTable& table) {
        int rowTop = addExtent(table.TopY, (table.TopCaption ? table.CaptionHeight : 0) + table.CellSpacing);
        for (int r = 0; r < table.Rows.Count() && rowTop < y; ++r) {
            const TCellList& row = *table.Rows.Item(r);
            const int rowBottom = addExtent(rowTop, row.RowHeight);
            if (y <= rowBottom && std::none_of(row.begin(), row.end(), [&](const auto& cell) {
                    return cell->ColSpan > 0 && cell->HasContents() && cell->Cell->TopY < y;
                })) {
                const int place = r == 0 ? rowTop : rowTop + 1;
                if (!highest || place < *highest)
                    highest = place;
            }
            rowTop = rowBottom;
        }
    };
    forSectionsAt(document, y, onText, onTable);
    return highest;
}

} // namespace

std::optional<int> lineTopAcross(const TSectionList& document, int y, int maxSpan) {
    std::optional<int> highest;
    // A line starting at y is not cut by it.
    auto onText = [&](const TSection& text, int top) {
        int lineTop = top;
        for (const auto& line : text.LineRecs) {
            if (lineTop >= y)
                break;
            const int span = TSection::LineSpan(*line);
            const int lineBottom = addExtent(lineTop, span);
            if (lineBottom > y && span <= maxSpan && (!highest || lineTop < *highest))
                highest = lineTop;
            lineTop = lineBottom;
        }
    };
    auto onTable = [](const ThtmlTable&) {};
    forSectionsAt(document, y, onText, onTable);
    return highest;
}

std::optional<int> pageBreakAt(const TSectionList& document, int pageTop, int y) {
    // Moving the end up to the top of a line it cuts can cut another line in
    // a cell beside it, whose lines end elsewhere; the search goes on until a
    // place cuts nothing. Each step is the top of a line that every place
    // between it and the one before cuts, so no place between what is found
    // and y is free: the page is as long as it can be.
    int end = y;
    while (const std::optional<int> top = lineTopAcross(document, end)) {
        if (*top <= pageTop)
            return std::nullopt;
        end = *top;
    }
    // A cell spanning from a row above may have a line across the row's top.
    if (const std::optional<int> row = rowTopAbove(document, end);
        row && *row > pageTop && !lineTopAcross(document, *row))
        end = *row;
    return end;
}

std::vector<PrintPage> paginate(const TSectionList& document, int pageHeight, int lastPage) {
    int documentHeight = 0;
    for (const auto& section : document)
        documentHeight = addExtent(documentHeight, section->SectionHeight);
    std::vector<PrintPage> pages;
    PrintPage page{0, pageHeight, std::numeric_limits<int>::min()};
    for (int i = 1; i <= lastPage; ++i) {
        page.bottom = addExtent(page.top, pageHeight);
        if (page.bottom >= documentHeight) {
            pages.push_back(page); // the document ends on this page
            break;
        }
        int next = page.bottom;
        const std::optional<int> end = pageBreakAt(document, page.top, page.bottom);
        // A page takes at least half a page. Ending it higher, above a line
        // taller than a page that is cut wherever it goes, would leave a
        // sheet all but blank.
        if (end && 2 * (*end - page.top) >= pageHeight) {
            page.bottom = next = *end;
        } else {
            // Every place in the page's lower half cuts a line: one taller
            // than a page (a picture, mostly), or one of the lines of cells
            // side by side that never end together. A line taller than a page
            // fits on none, so it is cut at the page's full height. The lines
            // that would be cut there and fit on a page are left for the
            // next, which starts at the highest of them and so shows again
            // the strip between it and this page's end; the lines this page
            // printed whole in that strip are not printed again.
            next = lineTopAcross(document, page.bottom, pageHeight).value_or(page.bottom);
        }
        pages.push_back(page);
        page.printedTo = page.bottom;
        page.top = next;
    }
    return pages;
}

} // namespace zorvel
