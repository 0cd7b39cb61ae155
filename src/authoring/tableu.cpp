#include "tableu.h"

#include "dialog_kit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zorvel {

namespace {

constexpr int kMaxCount = 999;
constexpr const char* kAlignItems[] = {"Left", "Right", "Centre"};

struct AlignButton {
    const char* name;
    const char* caption;
    const char* hint;
    TAlign align;
};

constexpr AlignButton kHorizontalButtons[] = {
    {"LeftAlign_Btn", "Left", "Left align cells", {Qt::AlignLeft, Qt::AlignTop}},
    {"CentreAlign_Btn", "Centre", "Centre Align cells", {Qt::AlignHCenter, Qt::AlignTop}},
    {"RightAlign_Btn", "Right", "Right align Cells", {Qt::AlignRight, Qt::AlignTop}},
};
constexpr AlignButton kVerticalButtons[] = {
    {"VT_AlignBtn", "Top", nullptr, {Qt::AlignLeft, Qt::AlignTop}},
    {"VC_AlignBtn", "Centre", nullptr, {Qt::AlignLeft, Qt::AlignVCenter}},
    {"VB_AlignBtn", "Bottom", nullptr, {Qt::AlignLeft, Qt::AlignBottom}},
};

QLineEdit* field(const char* name, const char* text) {
    auto* edit = named(new QLineEdit(QLatin1String(text)), name);
    edit->setMaximumWidth(70);
    return edit;
}

QSpinBox* spin(const char* name, int minimum, int value) {
    auto* box = named(new QSpinBox, name);
    box->setRange(minimum, kMaxCount);
    box->setValue(value);
    // The grid follows the number once it is typed, not digit by digit.
    box->setKeyboardTracking(false);
    return box;
}

// Four lines of text, justified as the button justifies cells.
QIcon justifyGlyph(Qt::Alignment horizontal) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 1));
    const int lengths[] = {14, 9, 12, 7};
    for (int i = 0; i < 4; ++i) {
        const int length = lengths[i];
        int left = 1;
        if (horizontal & Qt::AlignHCenter)
            left = (16 - length) / 2;
        else if (horizontal & Qt::AlignRight)
            left = 15 - length;
        const int y = 2 + 4 * i;
        painter.drawLine(left, y, left + length - 1, y);
    }
    return QIcon(picture);
}

QToolButton* alignButton(const AlignButton& b, bool glyph) {
    auto* button = named(new QToolButton, b.name);
    button->setText(QLatin1String(b.caption));
    button->setAccessibleName(QLatin1String(b.caption));
    if (b.hint)
        button->setToolTip(QLatin1String(b.hint));
    if (glyph) {
        button->setIcon(justifyGlyph(b.align.horizontal));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    // The grid keeps its selection and its cell being typed.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TTableFrm::TTableFrm(Prompter& prompter, const TableViewMaker& makeView, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("TableFrm"));
    setWindowTitle(QStringLiteral("Tables"));

    TableCaption = named(new QLineEdit, "TableCaption");
    TopRad = named(new QRadioButton(QStringLiteral("Top")), "TopRad");
    BottomRad = named(new QRadioButton(QStringLiteral("Bottom")), "BottomRad");
    TopRad->setChecked(true);
    auto* captionPlace = new QButtonGroup(this);
    captionPlace->addButton(TopRad);
    captionPlace->addButton(BottomRad);
    auto* captionRow = new QHBoxLayout;
    captionRow->addWidget(labelFor("Caption :", TableCaption));
    captionRow->addWidget(TableCaption, 1);
    captionRow->addWidget(TopRad);
    captionRow->addWidget(BottomRad);

    auto* settings = new QHBoxLayout;
    settings->addWidget(makeTablePart());
    settings->addWidget(makeCellsPart());
    auto* headings = named(new QGroupBox(QStringLiteral("&Headings")), "Headings");
    HeadColsSpinEdit = spin("HeadColsSpinEdit", 0, 0);
    HeadRowsSpinEdit = spin("HeadRowsSpinEdit", 0, 0);
    auto* headingForm = new QFormLayout(headings);
    headingForm->addRow(labelFor("Co&ls :", HeadColsSpinEdit), HeadColsSpinEdit);
    headingForm->addRow(labelFor("Ro&ws", HeadRowsSpinEdit), HeadRowsSpinEdit);
    settings->addWidget(headings, 0, Qt::AlignTop);
    settings->addStretch(1);

    TabSet1 = named(new QTabWidget, "TabSet1");
    TabSet1->addTab(makeDesignPage(), QStringLiteral("Design"));
    auto* preview = named(new QWidget, "Preview");
    view_ = makeView ? makeView(preview) : makeSourceTableView(preview);
    view_->widget()->setObjectName(QStringLiteral("TableViewer"));
    auto* previewLayout = new QVBoxLayout(preview);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    previewLayout->addWidget(view_->widget());
    TabSet1->addTab(preview, QStringLiteral("Test"));

    const OkCancelRow buttons = makeOkCancelRow(this);
    OK_Btn = buttons.ok;
    Button1 = buttons.cancel;
    Button1->setObjectName(QStringLiteral("Button1"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(captionRow);
    layout->addLayout(settings);
    layout->addWidget(TabSet1, 1);
    layout->addLayout(buttons.layout);

    connect(Cols, &QSpinBox::valueChanged, this, &TTableFrm::ColsChange);
    connect(Rows, &QSpinBox::valueChanged, this, &TTableFrm::RowsChange);
    connect(HeadColsSpinEdit, &QSpinBox::valueChanged, this, &TTableFrm::HeadColsSpinEditChange);
    connect(HeadRowsSpinEdit, &QSpinBox::valueChanged, this, &TTableFrm::HeadRowsSpinEditChange);
    connect(TabSet1, &QTabWidget::currentChanged, this, &TTableFrm::TabSet1Click);
    TableCaption->setFocus();
}

TTableFrm::~TTableFrm() = default;

QWidget* TTableFrm::makeTablePart() {
    auto* part = new QWidget;
    BorderWidth = field("BorderWidth", "10");
    AlignBox = named(new QComboBox, "AlignBox");
    AlignBox->setEditable(true);
    for (const char* item : kAlignItems)
        AlignBox->addItem(QLatin1String(item));
    AlignBox->setCurrentIndex(0);
    TableWidth = field("TableWidth", "100");
    Pixel_Btn = named(new QRadioButton(QStringLiteral("Pixels")), "Pixel_Btn");
    Percent_Btn = named(new QRadioButton(QStringLiteral("Percent.")), "Percent_Btn");
    Percent_Btn->setChecked(true);
    auto* unit = new QButtonGroup(part);
    unit->addButton(Pixel_Btn);
    unit->addButton(Percent_Btn);
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(TableWidth);
    widthRow->addWidget(Pixel_Btn);
    widthRow->addWidget(Percent_Btn);

    auto* form = new QFormLayout(part);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(labelFor("&Border Width", BorderWidth), BorderWidth);
    form->addRow(labelFor("&Alignment :", AlignBox), AlignBox);
    form->addRow(labelFor("&Table width", TableWidth), widthRow);
    return part;
}

QWidget* TTableFrm::makeCellsPart() {
    auto* part = new QWidget;
    CellPad = field("CellPad", TableFields::kDefaultCellPadding);
    CellSpace = field("CellSpace", TableFields::kDefaultCellSpacing);
    Cols = spin("Cols", 1, 2);
    Rows = spin("Rows", 1, 2);
    auto* form = new QFormLayout(part);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(labelFor("&Cell Padding", CellPad), CellPad);
    form->addRow(labelFor("Cell &Spacing", CellSpace), CellSpace);
    form->addRow(labelFor("No &Columns", Cols), Cols);
    form->addRow(labelFor("No &Rows", Rows), Rows);
    return part;
}

QWidget* TTableFrm::makeDesignPage() {
    auto* page = named(new QWidget, "Code");
    Grid = new TImproveGrid(page);
    Grid->setMinimumSize(480, 180);

    auto* horizontal = named(new QGroupBox(QStringLiteral("Horizontal Alignment")), "HorizontalAlignment");
    auto* horizontalRow = new QHBoxLayout(horizontal);
    QToolButton** horizontalButtons[] = {&LeftAlign_Btn, &CentreAlign_Btn, &RightAlign_Btn};
    for (int i = 0; i < 3; ++i) {
        *horizontalButtons[i] = alignButton(kHorizontalButtons[i], true);
        horizontalRow->addWidget(*horizontalButtons[i]);
        const TAlign align = kHorizontalButtons[i].align;
        connect(*horizontalButtons[i], &QToolButton::clicked, this, [this, align] { alignCells(align); });
    }
    VerticalAlignment = named(new QGroupBox(QStringLiteral("Vertical Alignment")), "VerticalAlignment");
    auto* verticalRow = new QHBoxLayout(VerticalAlignment);
    QToolButton** verticalButtons[] = {&VT_AlignBtn, &VC_AlignBtn, &VB_AlignBtn};
    for (int i = 0; i < 3; ++i) {
        *verticalButtons[i] = alignButton(kVerticalButtons[i], false);
        verticalRow->addWidget(*verticalButtons[i]);
        const TAlign align = kVerticalButtons[i].align;
        connect(*verticalButtons[i], &QToolButton::clicked, this, [this, align] { alignCells(align); });
    }
    VerticalAlignment->hide(); // the markup does not carry it

    auto* side = new QVBoxLayout;
    side->addWidget(horizontal);
    side->addWidget(VerticalAlignment);
    side->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(Grid, 1);
    layout->addLayout(side);
    return page;
}

void TTableFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        fitColumnsToGrid();
    }
}

void TTableFrm::fitColumnsToGrid() {
    Grid->setDefaultColumnWidth(Grid->viewport()->width() / Cols->value());
}

void TTableFrm::ColsChange() {
    Grid->setColumns(Cols->value());
    fitColumnsToGrid();
}

void TTableFrm::RowsChange() {
    Grid->setRows(Rows->value());
}

void TTableFrm::HeadColsSpinEditChange() {
    const int count = HeadColsSpinEdit->value();
    if (const auto refusal = Grid->setFixedColumns(count)) {
        prompter_.notice(*refusal, MessageIcon::Error);
        // The box shows again the count that is in force.
        const QSignalBlocker quiet(HeadColsSpinEdit);
        HeadColsSpinEdit->setValue(headingColumns_);
        return;
    }
    headingColumns_ = count;
}

void TTableFrm::HeadRowsSpinEditChange() {
    const int count = HeadRowsSpinEdit->value();
    if (const auto refusal = Grid->setFixedRows(count)) {
        prompter_.notice(*refusal, MessageIcon::Error);
        const QSignalBlocker quiet(HeadRowsSpinEdit);
        HeadRowsSpinEdit->setValue(headingRows_);
        return;
    }
    headingRows_ = count;
}

void TTableFrm::alignCells(TAlign align) {
    const int row = Grid->currentRow();
    const int column = Grid->currentColumn();
    if (row < 0 || column < 0)
        return;
    const QList<QTableWidgetSelectionRange> ranges = Grid->selectedRanges();
    if (ranges.isEmpty() || (ranges.first().rowCount() == 1 && ranges.first().columnCount() == 1)) {
        Grid->setJustification(row, column, align);
        return;
    }
    const QTableWidgetSelectionRange& range = ranges.first();
    for (int r = range.topRow(); r <= range.bottomRow(); ++r)
        for (int c = range.leftColumn(); c <= range.rightColumn(); ++c)
            Grid->setJustification(r, c, align);
}

void TTableFrm::TabSet1Click(int index) {
    view_->Clear();
    if (index == 1)
        view_->LoadFromBuffer(MakeTableText());
}

TableFields TTableFrm::fields() const {
    Grid->commitEditor();
    TableFields f;
    f.caption = TableCaption->text();
    f.captionAtBottom = BottomRad->isChecked();
    f.border = BorderWidth->text();
    f.align = AlignBox->currentText();
    f.width = TableWidth->text();
    f.widthInPercent = Percent_Btn->isChecked();
    f.cellPadding = CellPad->text();
    f.cellSpacing = CellSpace->text();
    f.rows = Grid->rowCount();
    f.cols = Grid->columnCount();
    f.headingRows = headingRows_;
    f.headingCols = headingColumns_;
    f.cells.reserve(static_cast<std::size_t>(f.rows) * static_cast<std::size_t>(f.cols));
    for (int r = 0; r < f.rows; ++r) {
        for (int c = 0; c < f.cols; ++c) {
            const Qt::Alignment h = Grid->justification(r, c).horizontal;
            const CellJustify justify = (h & Qt::AlignHCenter) ? CellJustify::Centre
                                        : (h & Qt::AlignRight) ? CellJustify::Right
                                                               : CellJustify::Left;
            f.cells.push_back({Grid->cellText(r, c), justify});
        }
    }
    return f;
}

std::optional<QString> runTableDialog(Prompter& prompter, const TableViewMaker& makeView, QWidget* parent) {
    TTableFrm dialog(prompter, makeView, parent);
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.MakeTableText();
}

} // namespace zorvel
