#include "find_dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zorvel {

namespace {

// The standard dialogs' own wording.
constexpr const char* kFindCaption = "Find";
constexpr const char* kReplaceCaption = "Replace";
constexpr const char* kFindWhat = "Fi&nd what:";
constexpr const char* kReplaceWith = "Re&place with:";
constexpr const char* kWholeWord = "Match &whole word only";
constexpr const char* kMatchCase = "Match &case";
constexpr const char* kDirection = "Direction";
constexpr const char* kUp = "&Up";
constexpr const char* kDown = "&Down";
constexpr const char* kFindNext = "&Find Next";
constexpr const char* kReplace = "&Replace";
constexpr const char* kReplaceAll = "Replace &All";
constexpr const char* kCancel = "Cancel";

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* addTextRow(QDialog* dialog, QGridLayout* grid, int row, const char* caption, const char* name) {
    auto* label = new QLabel(QString::fromLatin1(caption), dialog);
    auto* edit = named(new QLineEdit(dialog), name);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 30);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QPushButton* addButton(QDialog* dialog, QVBoxLayout* column, const char* caption, const char* name) {
    auto* button = named(new QPushButton(QString::fromLatin1(caption), dialog), name);
    button->setAutoDefault(false);
    column->addWidget(button);
    return button;
}

void makeModeless(QDialog* dialog, const char* caption) {
    dialog->setWindowTitle(QString::fromLatin1(caption));
    dialog->setModal(false);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

// The search buttons can do nothing without a find text, as in the standard dialogs.
void enableWithText(QLineEdit* edit, std::initializer_list<QPushButton*> buttons) {
    auto update = [edit, buttons = std::vector<QPushButton*>(buttons)] {
        for (QPushButton* b : buttons)
            b->setEnabled(!edit->text().isEmpty());
    };
    QObject::connect(edit, &QLineEdit::textChanged, edit, update);
    update();
}

} // namespace

TFindDialog::TFindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog"));
    makeModeless(this, kFindCaption);

    auto* grid = new QGridLayout;
    findEdit_ = addTextRow(this, grid, 0, kFindWhat, "FindText");

    auto* options = new QHBoxLayout;
    auto* checks = new QVBoxLayout;
    wholeWord_ = named(new QCheckBox(QString::fromLatin1(kWholeWord), this), "WholeWord");
    matchCase_ = named(new QCheckBox(QString::fromLatin1(kMatchCase), this), "MatchCase");
    checks->addStretch();
    checks->addWidget(wholeWord_);
    checks->addWidget(matchCase_);
    options->addLayout(checks);
    auto* direction = named(new QGroupBox(QString::fromLatin1(kDirection), this), "Direction");
    auto* dirLayout = new QHBoxLayout(direction);
    up_ = named(new QRadioButton(QString::fromLatin1(kUp), direction), "DirectionUp");
    down_ = named(new QRadioButton(QString::fromLatin1(kDown), direction), "DirectionDown");
    down_->setChecked(true);
    dirLayout->addWidget(up_);
    dirLayout->addWidget(down_);
    options->addWidget(direction);
    grid->addLayout(options, 1, 0, 1, 2);

    auto* column = new QVBoxLayout;
    findNextBtn_ = addButton(this, column, kFindNext, "FindNext_Btn");
    findNextBtn_->setDefault(true);
    QPushButton* cancel = addButton(this, column, kCancel, "Cancel_Btn");
    column->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(column);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    enableWithText(findEdit_, {findNextBtn_});
    connect(findNextBtn_, &QPushButton::clicked, this, [this] {
        hide();
        emit findNext();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFindDialog::findText() const {
    return findEdit_->text();
}
void TFindDialog::setFindText(const QString& text) {
    findEdit_->setText(text);
}
bool TFindDialog::matchCase() const {
    return matchCase_->isChecked();
}
bool TFindDialog::wholeWord() const {
    return wholeWord_->isChecked();
}
bool TFindDialog::directionUp() const {
    return up_->isChecked();
}

void TFindDialog::showOrRaise() {
    show();
    raise();
    activateWindow();
    findEdit_->setFocus();
    findEdit_->selectAll();
}

TReplaceDialog::TReplaceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ReplaceDialog"));
    makeModeless(this, kReplaceCaption);

    auto* grid = new QGridLayout;
    findEdit_ = addTextRow(this, grid, 0, kFindWhat, "FindText");
    replaceEdit_ = addTextRow(this, grid, 1, kReplaceWith, "ReplaceText");
    wholeWord_ = named(new QCheckBox(QString::fromLatin1(kWholeWord), this), "WholeWord");
    matchCase_ = named(new QCheckBox(QString::fromLatin1(kMatchCase), this), "MatchCase");
    grid->setRowStretch(2, 1);
    grid->addWidget(wholeWord_, 3, 0, 1, 2);
    grid->addWidget(matchCase_, 4, 0, 1, 2);

    auto* column = new QVBoxLayout;
    findNextBtn_ = addButton(this, column, kFindNext, "FindNext_Btn");
    findNextBtn_->setDefault(true);
    replaceBtn_ = addButton(this, column, kReplace, "Replace_Btn");
    replaceAllBtn_ = addButton(this, column, kReplaceAll, "ReplaceAll_Btn");
    QPushButton* cancel = addButton(this, column, kCancel, "Cancel_Btn");
    column->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(column);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    enableWithText(findEdit_, {findNextBtn_, replaceBtn_, replaceAllBtn_});
    connect(findNextBtn_, &QPushButton::clicked, this, &TReplaceDialog::findNext);
    connect(replaceBtn_, &QPushButton::clicked, this, &TReplaceDialog::replace);
    connect(replaceAllBtn_, &QPushButton::clicked, this, &TReplaceDialog::replaceAll);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TReplaceDialog::findText() const {
    return findEdit_->text();
}
void TReplaceDialog::setFindText(const QString& text) {
    findEdit_->setText(text);
}
QString TReplaceDialog::replaceText() const {
    return replaceEdit_->text();
}
void TReplaceDialog::setReplaceText(const QString& text) {
    replaceEdit_->setText(text);
}
bool TReplaceDialog::matchCase() const {
    return matchCase_->isChecked();
}
bool TReplaceDialog::wholeWord() const {
    return wholeWord_->isChecked();
}

void TReplaceDialog::showOrRaise() {
    show();
    raise();
    activateWindow();
    findEdit_->setFocus();
    findEdit_->selectAll();
}

} // namespace zorvel
