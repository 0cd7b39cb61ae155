#pragma once
// The table designer's grid: cell texts with a justification per cell, leading
// heading rows and columns drawn raised, and rows that grow to fit wrapped text.
#include <QTableWidget>
#include <optional>

namespace zorvel {

// A cell's justification as the text-drawing flags take it.
struct TAlign {
    Qt::Alignment horizontal = Qt::AlignLeft;
    Qt::Alignment vertical = Qt::AlignTop;
};

class TImproveGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr const char* kFixedColumnsRefused = "Fixed column count must be less than column count";
    static constexpr const char* kFixedRowsRefused = "Fixed row count must be less than row count";

    explicit TImproveGrid(QWidget* parent = nullptr);

    // Column and row counts; lowering one below its fixed count lowers the fixed count.
    void setColumns(int count);
    void setRows(int count);
    int fixedColumns() const { return fixedColumns_; }
    int fixedRows() const { return fixedRows_; }
    // A count not less than the column (row) count is refused with the message returned.
    std::optional<QString> setFixedColumns(int count);
    std::optional<QString> setFixedRows(int count);
    bool isFixed(int row, int column) const { return row < fixedRows_ || column < fixedColumns_; }

    // Every column gets this width.
    void setDefaultColumnWidth(int width);

    QString cellText(int row, int column) const;
    // A cell that was never given one counts as left and top.
    bool hasJustification(int row, int column) const;
    TAlign justification(int row, int column) const;
    void setJustification(int row, int column, TAlign align);

    // Kept for the designer's sake; the drawing does not use them.
    quint16 GlobalTextJust() const { return globalTextJust_; }
    void setGlobalTextJust(quint16 value);
    quint16 GlobalVerticalJust() const { return globalVerticalJust_; }
    // Only 0, 4 and 8 (top, centre, bottom) are taken; other values are ignored.
    void setGlobalVerticalJust(quint16 value);

    // Takes what is being typed into a cell into the grid.
    void commitEditor();
    // Raises the row's height where a cell's wrapped text needs more; never lowers it.
    void fitRowToText(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitAllRows();

    int fixedColumns_ = 0;
    int fixedRows_ = 0;
    quint16 globalTextJust_ = 0;
    quint16 globalVerticalJust_ = 0;
};

} // namespace zorvel
