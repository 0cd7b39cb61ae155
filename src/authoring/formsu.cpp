#include "formsu.h"

#include "dialog_kit.h"
#include "memo_text.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>

namespace zorvel {

namespace {

constexpr const char* kPageCaptions[kFormPageCount] = {
    "Skeleton", "Single Text", "Multiline Text", "RadioButtons", "CheckBoxes", "Selections", "Buttons",
};
constexpr const char* kSelectionHelp = "For each item you wish to see in the selection, enter it into the Value "
                                       "field below and press the  \"Add To List\" Button.";

QLineEdit* lineEdit(const char* name, bool number = false) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    if (number)
        edit->setMaximumWidth(80);
    return edit;
}

QPlainTextEdit* memo(const char* name) {
    auto* edit = new QPlainTextEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setTabChangesFocus(true);
    return edit;
}

QRadioButton* radio(const char* name, const char* caption) {
    auto* button = new QRadioButton(QLatin1String(caption));
    button->setObjectName(QLatin1String(name));
    return button;
}

// A page of labelled fields above a labelled text field.
QWidget* page(std::initializer_list<std::pair<const char*, QWidget*>> rows, const char* memoLabel = nullptr,
              QPlainTextEdit* memoField = nullptr) {
    auto* widget = new QWidget;
    auto* column = new QVBoxLayout(widget);
    auto* form = new QFormLayout;
    for (const auto& [label, field] : rows) {
        if (label)
            form->addRow(QLatin1String(label), field);
        else
            form->addRow(field);
    }
    column->addLayout(form);
    if (memoField) {
        column->addWidget(labelFor(memoLabel, memoField));
        column->addWidget(memoField, 1);
    } else {
        column->addStretch(1);
    }
    return widget;
}

} // namespace

TFormFrm::TFormFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormFrm"));
    setWindowTitle(QStringLiteral("Form Creation"));

    FormNoteBook = new QTabWidget;
    FormNoteBook->setObjectName(QStringLiteral("FormNoteBook"));
    FormNoteBook->setUsesScrollButtons(false); // every page's tab in sight
    QWidget* const pages[kFormPageCount] = {makeSkeletonPage(),     makeSingleTextPage(), makeMultilineTextPage(),
                                            makeRadioButtonsPage(), makeCheckBoxesPage(), makeSelectionsPage(),
                                            makeButtonsPage()};
    for (int i = 0; i < kFormPageCount; ++i)
        FormNoteBook->addTab(pages[i], QLatin1String(kPageCaptions[i]));
    // The first field of a page takes the focus when the page comes up.
    QWidget* const firstFields[kFormPageCount] = {Script_Name,   Single_Name,    MultiLine_Name, Radio_Name,
                                                  CheckBox_Name, Selection_Name, Submit_RAD};
    connect(FormNoteBook, &QTabWidget::currentChanged, this, [firstFields = std::to_array(firstFields)](int i) {
        if (i >= 0 && i < kFormPageCount)
            firstFields[static_cast<size_t>(i)]->setFocus();
    });

    const OkCancelRow buttons = makeOkCancelRow(this);
    OK_Btn = buttons.ok;
    Cancel_Btn = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FormNoteBook, 1);
    layout->addLayout(buttons.layout);
    resize(520, 380);
    Script_Name->setFocus();
}

QWidget* TFormFrm::makeSkeletonPage() {
    Script_Name = lineEdit("Script_Name");
    return page({{"Script to be run :", Script_Name}});
}

QWidget* TFormFrm::makeSingleTextPage() {
    Single_Name = lineEdit("Single_Name");
    Single_Size = lineEdit("Single_Size", true);
    MAXLENGTH = lineEdit("MAXLENGTH", true);
    Single_Memo = memo("Single_Memo");
    return page(
        {{"Name :", Single_Name}, {"No of characters :", Single_Size}, {"Maxium No. of Characters :", MAXLENGTH}},
        "Text to be displayed", Single_Memo);
}

QWidget* TFormFrm::makeMultilineTextPage() {
    MultiLine_Name = lineEdit("MultiLine_Name");
    MultiLine_Rows = lineEdit("MultiLine_Rows", true);
    MultiLine_Cols = lineEdit("MultiLine_Cols", true);
    Multiline_Memo = memo("Multiline_Memo");
    return page({{"Name :", MultiLine_Name}, {"No of Rows :", MultiLine_Rows}, {"No of Cols :", MultiLine_Cols}},
                "Text to be displayed", Multiline_Memo);
}

QWidget* TFormFrm::makeRadioButtonsPage() {
    Radio_Name = lineEdit("Radio_Name");
    Radio_Value = lineEdit("Radio_Value");
    Radio_Memo = memo("Radio_Memo");
    return page({{"Name or Group ID :", Radio_Name}, {"Value : ", Radio_Value}}, "To to be displayed", Radio_Memo);
}

QWidget* TFormFrm::makeCheckBoxesPage() {
    CheckBox_Name = lineEdit("CheckBox_Name");
    Value_Is_Checked = radio("Value_Is_Checked", "Button is Checked");
    CheckBox_Memo = memo("CheckBox_Memo");
    return page({{"Name :", CheckBox_Name}, {nullptr, Value_Is_Checked}}, "Text to be displayed", CheckBox_Memo);
}

QWidget* TFormFrm::makeSelectionsPage() {
    Selection_Name = lineEdit("Selection_Name");
    Selection_Value = lineEdit("Selection_Value");
    Selection_Value->installEventFilter(this);
    Selection_List = new QListWidget;
    Selection_List->setObjectName(QStringLiteral("Selection_List"));
    Selection_List->setSelectionMode(QAbstractItemView::SingleSelection);
    Add_Btn = new QPushButton(QStringLiteral("Add to List"));
    Add_Btn->setObjectName(QStringLiteral("Add_Btn"));
    Add_Btn->setAutoDefault(false);
    Delete_Btn = new QPushButton(QStringLiteral("&Delete Item"));
    Delete_Btn->setObjectName(QStringLiteral("Delete_Btn"));
    Delete_Btn->setAutoDefault(false);
    connect(Add_Btn, &QPushButton::clicked, this, &TFormFrm::Add_BtnClick);
    connect(Delete_Btn, &QPushButton::clicked, this, &TFormFrm::Delete_BtnClick);

    auto* help = new QLabel(QLatin1String(kSelectionHelp));
    help->setTextFormat(Qt::PlainText);
    help->setWordWrap(true);
    QLabel* valueLabel = labelFor("Selection Value :", Selection_Value);

    auto* group = new QGroupBox(QStringLiteral("Create Selection List"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(help, 0, 0, 1, 3);
    grid->addWidget(valueLabel, 1, 0);
    grid->addWidget(Selection_Value, 1, 1);
    grid->addWidget(Add_Btn, 1, 2);
    grid->addWidget(Selection_List, 2, 1, 2, 1);
    grid->addWidget(Delete_Btn, 2, 2, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);

    auto* widget = new QWidget;
    auto* column = new QVBoxLayout(widget);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name :"), Selection_Name);
    column->addLayout(form);
    column->addWidget(group, 1);
    return widget;
}

QWidget* TFormFrm::makeButtonsPage() {
    Submit_RAD = radio("Submit_RAD", "Submit");
    Reset_RAD = radio("Reset_RAD", "Reset");
    auto* group = new QGroupBox(QStringLiteral("Button Type"));
    auto* row = new QHBoxLayout(group);
    row->addWidget(Submit_RAD);
    row->addWidget(Reset_RAD);
    row->addStretch(1);
    Button_Memo = memo("Button_Memo");
    return page({{nullptr, group}}, "Text to be displayed on Button :", Button_Memo);
}

void TFormFrm::setMemos(const QString& crlfText) {
    for (QPlainTextEdit* m : {Single_Memo, Multiline_Memo, Radio_Memo, CheckBox_Memo, Button_Memo})
        setMemoText(m, crlfText);
}

void TFormFrm::showPage(FormPage page) {
    FormNoteBook->setCurrentIndex(static_cast<int>(page));
}

void TFormFrm::Add_BtnClick() {
    const QString value = Selection_Value->text();
    if (value.isEmpty())
        return;
    Selection_List->addItem(value);
    Selection_Value->clear();
}

void TFormFrm::Delete_BtnClick() {
    int row = -1;
    for (int i = 0; i < Selection_List->count() && row < 0; ++i)
        if (Selection_List->item(i)->isSelected())
            row = i;
    if (row >= 0)
        delete Selection_List->takeItem(row);
    // The entry that moved into the deleted one's place is selected; past the end, none is.
    if (row >= 0 && row < Selection_List->count()) {
        Selection_List->setCurrentRow(row);
    } else {
        Selection_List->clearSelection();
        Selection_List->setCurrentRow(-1);
    }
}

bool TFormFrm::Selection_ValueKeyPress(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    Add_BtnClick();
    return true;
}

bool TFormFrm::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the value field adds it to the list instead of closing the dialog.
    if (watched == Selection_Value && event->type() == QEvent::KeyPress &&
        Selection_ValueKeyPress(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

FormFields TFormFrm::fields() const {
    FormFields f;
    f.page = static_cast<FormPage>(FormNoteBook->currentIndex());
    f.scriptName = Script_Name->text();
    f.singleName = Single_Name->text();
    f.singleSize = Single_Size->text();
    f.maxLength = MAXLENGTH->text();
    f.singleMemo = memoText(Single_Memo);
    f.multiLineName = MultiLine_Name->text();
    f.multiLineRows = MultiLine_Rows->text();
    f.multiLineCols = MultiLine_Cols->text();
    f.multilineMemo = memoText(Multiline_Memo);
    f.radioName = Radio_Name->text();
    f.radioValue = Radio_Value->text();
    f.radioMemo = memoText(Radio_Memo);
    f.checkBoxName = CheckBox_Name->text();
    f.valueIsChecked = Value_Is_Checked->isChecked();
    f.checkBoxMemo = memoText(CheckBox_Memo);
    f.selectionName = Selection_Name->text();
    for (int i = 0; i < Selection_List->count(); ++i)
        f.selectionList << Selection_List->item(i)->text();
    f.submit = Submit_RAD->isChecked();
    f.reset = Reset_RAD->isChecked();
    f.buttonMemo = memoText(Button_Memo);
    return f;
}

std::optional<FormFields> runFormDialog(Prompter& prompter, FormPage page, const QString& selText, QWidget* parent) {
    TFormFrm dialog(parent);
    if (!selText.isEmpty())
        dialog.setMemos(selText);
    dialog.showPage(page);
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.fields();
}

} // namespace zorvel
