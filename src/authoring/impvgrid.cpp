#include "impvgrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <qdrawutil.h>

namespace zorvel {

namespace {

constexpr int kTextInset = 2;           // the text keeps this far from each side of its cell
constexpr int kMinimumColumnWidth = 24; // narrow enough for many columns, still usable

// Lays the text out in lines of the given width; a word is broken only where it
// alone is wider than the line. Returns the height of the lines.
qreal layOut(QTextLayout& layout, qreal width, Qt::Alignment horizontal) {
    QTextOption option(horizontal);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

// The grid draws its cells itself: heading cells as raised buttons, the others
// in the window colour, the text wrapped and justified as the cell says.
class CellPainter final : public QStyledItemDelegate {
public:
    explicit CellPainter(TImproveGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QPalette& palette = option.palette;
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const bool fixed = grid_->isFixed(index.row(), index.column());
        painter->save();
        if (fixed) {
            const QBrush face = selected ? palette.highlight() : palette.button();
            qDrawShadePanel(painter, option.rect, palette, false, 1, &face);
        } else {
            painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
        }
        const QString text = index.data(Qt::DisplayRole).toString();
        if (!text.isEmpty()) {
            const TAlign align = grid_->justification(index.row(), index.column());
            const QRect area = option.rect.adjusted(kTextInset, kTextInset, -kTextInset, -kTextInset);
            QTextLayout layout(text, option.font);
            const qreal height = layOut(layout, area.width(), align.horizontal);
            qreal top = area.top();
            if (align.vertical & Qt::AlignVCenter)
                top += (area.height() - height) / 2;
            else if (align.vertical & Qt::AlignBottom)
                top += area.height() - height;
            painter->setPen(selected ? palette.highlightedText().color()
                                     : (fixed ? palette.buttonText().color() : palette.text().color()));
            painter->setClipRect(area);
            layout.draw(painter, QPointF(area.left(), top));
        }
        painter->restore();
    }

private:
    TImproveGrid* grid_;
};

} // namespace

TImproveGrid::TImproveGrid(QWidget* parent) : QTableWidget(2, 2, parent) {
    setObjectName(QStringLiteral("Grid"));
    setItemDelegate(new CellPainter(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Typing starts editing a cell, as does a double click or F2; an editor opened
    // by a mere click would take the mouse and keep a drag from selecting cells.
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setWordWrap(true);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) { fitRowToText(item->row()); });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        for (int row = 0; row < rowCount(); ++row)
            if (!cellText(row, column).isEmpty())
                fitRowToText(row);
    });
}

void TImproveGrid::setColumns(int count) {
    setColumnCount(count);
    if (fixedColumns_ >= count)
        fixedColumns_ = std::max(0, count - 1);
    viewport()->update();
}

void TImproveGrid::setRows(int count) {
    setRowCount(count);
    if (fixedRows_ >= count)
        fixedRows_ = std::max(0, count - 1);
    viewport()->update();
}

std::optional<QString> TImproveGrid::setFixedColumns(int count) {
    if (count >= columnCount())
        return QString::fromLatin1(kFixedColumnsRefused);
    fixedColumns_ = std::max(0, count);
    viewport()->update();
    return std::nullopt;
}

std::optional<QString> TImproveGrid::setFixedRows(int count) {
    if (count >= rowCount())
        return QString::fromLatin1(kFixedRowsRefused);
    fixedRows_ = std::max(0, count);
    viewport()->update();
    return std::nullopt;
}

void TImproveGrid::setDefaultColumnWidth(int width) {
    width = std::max(width, kMinimumColumnWidth);
    QHeaderView* header = horizontalHeader();
    const QSignalBlocker quiet(header); // one fitting pass for all columns, not one per column
    header->setDefaultSectionSize(width);
    for (int column = 0; column < columnCount(); ++column)
        header->resizeSection(column, width);
    fitAllRows();
}

QString TImproveGrid::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

bool TImproveGrid::hasJustification(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell && cell->data(Qt::TextAlignmentRole).isValid();
}

TAlign TImproveGrid::justification(int row, int column) const {
    if (!hasJustification(row, column))
        return {};
    const auto flags = Qt::Alignment(item(row, column)->data(Qt::TextAlignmentRole).toInt());
    return {flags & Qt::AlignHorizontal_Mask, flags & Qt::AlignVertical_Mask};
}

void TImproveGrid::setJustification(int row, int column, TAlign align) {
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        setItem(row, column, cell);
    }
    cell->setData(Qt::TextAlignmentRole, int(align.horizontal | align.vertical));
}

void TImproveGrid::setGlobalTextJust(quint16 value) {
    globalTextJust_ = value;
    viewport()->update();
}

void TImproveGrid::setGlobalVerticalJust(quint16 value) {
    if (value != 0 && value != 4 && value != 8)
        return;
    globalVerticalJust_ = value;
    viewport()->update();
}

void TImproveGrid::commitEditor() {
    if (QWidget* editor = indexWidget(currentIndex()))
        commitData(editor);
}

void TImproveGrid::fitRowToText(int row) {
    int needed = 0;
    for (int column = 0; column < columnCount(); ++column) {
        const QString text = cellText(row, column);
        if (text.isEmpty())
            continue;
        QTextLayout layout(text, font());
        const qreal height = layOut(layout, columnWidth(column) - 2 * kTextInset, Qt::AlignLeft);
        if (layout.lineCount() > 1)
            needed = std::max(needed, int(std::ceil(height + QFontMetricsF(font()).height() / 2)));
    }
    if (rowHeight(row) < needed)
        setRowHeight(row, needed);
}

void TImproveGrid::fitAllRows() {
    for (int row = 0; row < rowCount(); ++row)
        fitRowToText(row);
}

void TImproveGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    // Enter finishes the cell and goes to the one below instead of closing the
    // dialog; the editor's own commit is queued, so the move waits for it.
    event->accept();
    QMetaObject::invokeMethod(
        this,
        [this] {
            commitEditor();
            if (currentRow() >= 0 && currentRow() + 1 < rowCount())
                setCurrentCell(currentRow() + 1, currentColumn());
        },
        Qt::QueuedConnection);
}

} // namespace zorvel
