#pragma once
// Tables as the parser builds them: rows of cells, each cell a list of
// sections, and a caption. Grid building and layout work on these fields.
#include "htmlsubs.h"

#include <stdexcept>

namespace zorvel {

class EProcessError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TCellObj {
public:
    TCellObj(TSectionList* master, const TAttributeList& attributes, int vAlign);
    TCellObj(const TCellObj& source, TSectionList* master);

    int ColSpan = 1; // 0 marks a filler cell made for a span
    int RowSpan = 1;
    int CellHeight = 0;
    int CellWidth = 0;
    int ContentHeight = 0;
    int ContentOffset = 0;
    int VAlign = 1; // 0 top, 1 middle, 2 bottom
    int WidthPercent = 0;
    std::unique_ptr<TCell> Cell;
};

// One table row.
class TCellList : public TFreeList<TCellObj> {
public:
    int RowHeight = 0;
};

class ThtmlTable : public TSectionBase {
public:
    static constexpr int kMaxColumns = 30;

    ThtmlTable(TSectionList* master, int justify, const TAttributeList& attributes);
    const char* KindName() const override { return "Table"; }
    std::unique_ptr<TSectionBase> Clone(TSectionList* MasterList) const override;
    void UpdateFonts() override;

    TFreeList<TCellList> Rows;
    std::unique_ptr<TCellObj> Caption;
    bool Initialized = false;
    bool Border = false;
    bool TopCaption = true;
    int ColumnsLeft = 0;
    int TableLeft = 0;
    int Justify = 1;
    int NumCols = 0;
    int TableWidth = 0;
    int FullWidth = 0;
    int WidthPercent = 0;
    int CaptionHeight = 0;
    int BodyHeight = 0;
    int CellPadding = 2;
    int CellSpacing = 3;
    int CaptionMinWidth = 0;
    int Widths[kMaxColumns + 1] = {};
    int Percents[kMaxColumns + 1] = {};
};

} // namespace zorvel
