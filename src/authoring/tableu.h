#pragma once
// The table designer: caption, border, alignment and width of a table, its rows
// and columns with their headings, the cell texts and their justification, and
// a page that shows the table as it will look.
#include "impvgrid.h"
#include "prompter.h"
#include "table_text.h"
#include "table_view.h"

#include <QDialog>
#include <memory>
#include <optional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace zorvel {

class TTableFrm : public QDialog {
    Q_OBJECT
public:
    TTableFrm(Prompter& prompter, const TableViewMaker& makeView, QWidget* parent = nullptr);
    ~TTableFrm() override;

    // What the dialog holds now, a cell being typed included.
    TableFields fields() const;
    QString MakeTableText() const { return makeTableText(fields()); }

    void ColsChange();
    void RowsChange();
    void HeadColsSpinEditChange();
    void HeadRowsSpinEditChange();
    // Gives the selected cells, or the current one, the justification.
    void alignCells(TAlign align);
    void TabSet1Click(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* makeTablePart();
    QWidget* makeCellsPart();
    QWidget* makeDesignPage();
    void fitColumnsToGrid();

    Prompter& prompter_;
    std::unique_ptr<TableView> view_;
    // The heading counts the markup uses; a refused count leaves them as they were.
    int headingColumns_ = 0;
    int headingRows_ = 0;
    bool shown_ = false;

    QLineEdit* TableCaption;
    QRadioButton* TopRad;
    QRadioButton* BottomRad;
    QLineEdit* BorderWidth;
    QComboBox* AlignBox;
    QLineEdit* TableWidth;
    QRadioButton* Pixel_Btn;
    QRadioButton* Percent_Btn;
    QLineEdit* CellPad;
    QLineEdit* CellSpace;
    QSpinBox* Cols;
    QSpinBox* Rows;
    QSpinBox* HeadColsSpinEdit;
    QSpinBox* HeadRowsSpinEdit;
    TImproveGrid* Grid;
    QToolButton* LeftAlign_Btn;
    QToolButton* CentreAlign_Btn;
    QToolButton* RightAlign_Btn;
    QGroupBox* VerticalAlignment;
    QToolButton* VT_AlignBtn;
    QToolButton* VC_AlignBtn;
    QToolButton* VB_AlignBtn;
    QTabWidget* TabSet1;
    QPushButton* OK_Btn;
    QPushButton* Button1;
};

// The command: the table's markup, nullopt on Cancel.
std::optional<QString> runTableDialog(Prompter& prompter, const TableViewMaker& makeView, QWidget* parent);

} // namespace zorvel
