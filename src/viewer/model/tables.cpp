// Table and cell construction from their attributes, and copying.
// The grid is in layout/table_grid.cpp, layout in layout/table_layout.cpp,
// hit tests in layout/hit_tests.cpp and drawing in draw/table_drawing.cpp.
#include "model/tables.h"

#include "model/document.h"
#include "model/limits.h"

#include <algorithm>

namespace zorvel {

TCellObj::TCellObj(TSectionList* master, const TAttributeList& attributes, VerticalAlign vAlign)
    : VAlign(vAlign), Cell(makeModel<TCell>(master->Pool, master)) {
    if (const TAttribute* a = attributes.Find(AttrKind::ColSpan); a && a->NumericValue > 1)
        ColSpan = std::min(a->NumericValue, kMaxColSpan);
    if (const TAttribute* a = attributes.Find(AttrKind::RowSpan); a && a->NumericValue > 1)
        RowSpan = std::min(a->NumericValue, kMaxRowSpan);
    if (const TAttribute* a = attributes.Find(AttrKind::Width); a && a->NumericValue >= 1 && a->NumericValue <= 99)
        WidthPercent = a->NumericValue;
}

TCellObj::TCellObj(const TCellObj& source, TSectionList* master)
    : ColSpan(source.ColSpan), RowSpan(source.RowSpan), CellHeight(source.CellHeight), CellWidth(source.CellWidth),
      ContentHeight(source.ContentHeight), ContentOffset(source.ContentOffset), VAlign(source.VAlign),
      WidthPercent(source.WidthPercent), Background(source.Background),
      Cell(makeModel<TCell>(master->Pool, *source.Cell, master)) {}

std::unique_ptr<TCellObj> TCellObj::Filler(TSectionList* master, int rowSpan) {
    auto filler = makeModel<TCellObj>(master->Pool, master, TAttributeList{}, VerticalAlign::Middle);
    filler->ColSpan = 0;
    filler->RowSpan = rowSpan;
    return filler;
}

ThtmlTable::ThtmlTable(TSectionList* master, Justification justify, const TAttributeList& attributes)
    : TSectionBase(master), Rows(&master->Pool),
      Caption(makeModel<TCellObj>(master->Pool, master, TAttributeList{}, VerticalAlign::Middle)), Justify(justify) {
    Caption->Cell->Add(makeModel<THeadingSpace>(master->Pool, master, 6));
    for (const TAttribute& a : attributes) {
        switch (a.Kind) {
        // Only whether there is a border counts: frames are one-pixel bevels
        // whatever the value, so BORDER=10 draws as BORDER does.
        case AttrKind::Border:
            Border = a.NumericValue > 0;
            break;
        case AttrKind::Align: {
            const QString v = a.ValueText.toUpper();
            if (v == QLatin1String("CENTER"))
                Justify = Justification::Center;
            else if (v == QLatin1String("RIGHT"))
                Justify = Justification::Right;
            break;
        }
        case AttrKind::Width:
            WidthPercent = a.NumericValue >= 1 && a.NumericValue <= 100 ? a.NumericValue : 0;
            break;
        case AttrKind::CellPadding:
            if (a.NumericValue >= 0)
                CellPadding = std::min(a.NumericValue, 49) + 1;
            break;
        case AttrKind::CellSpacing:
            if (a.NumericValue >= 0)
                CellSpacing = std::min(a.NumericValue, 39) + 1;
            break;
        default:
            break;
        }
    }
}

std::unique_ptr<TSectionBase> ThtmlTable::Clone(TSectionList* MasterList) const {
    auto copy = makeModel<ThtmlTable>(MasterList->Pool, MasterList, Justify, TAttributeList{});
    copy->SectionHeight = SectionHeight;
    for (const auto& row : Rows) {
        auto r = makeModel<TCellList>(MasterList->Pool, &MasterList->Pool);
        r->RowHeight = row->RowHeight;
        for (const auto& cell : *row)
            r->Add(makeModel<TCellObj>(MasterList->Pool, *cell, MasterList));
        copy->Rows.Add(std::move(r));
    }
    copy->Caption = makeModel<TCellObj>(MasterList->Pool, *Caption, MasterList);
    copy->Initialized = Initialized;
    copy->GridFailed = GridFailed;
    copy->Border = Border;
    copy->TopCaption = TopCaption;
    copy->ColumnsLeft = ColumnsLeft;
    copy->TableLeft = TableLeft;
    copy->NumCols = NumCols;
    copy->TableWidth = TableWidth;
    copy->FullWidth = FullWidth;
    copy->WidthPercent = WidthPercent;
    copy->Background = Background;
    copy->CaptionHeight = CaptionHeight;
    copy->BodyHeight = BodyHeight;
    copy->CellPadding = CellPadding;
    copy->CellSpacing = CellSpacing;
    copy->CaptionMinWidth = CaptionMinWidth;
    std::copy(std::begin(Widths), std::end(Widths), copy->Widths);
    std::copy(std::begin(Percents), std::end(Percents), copy->Percents);
    return copy;
}

void ThtmlTable::UpdateFonts() {
    for (const auto& row : Rows)
        for (const auto& cell : *row)
            cell->Cell->UpdateFonts();
    Caption->Cell->UpdateFonts();
}

} // namespace zorvel
