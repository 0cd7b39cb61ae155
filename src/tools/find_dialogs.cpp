#include "find_dialogs.h"

#include "dialog_kit.h"

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

} // namespace

TSearchDialog::TSearchDialog(QWidget* parent, const char* objectName, const char* caption)
    : QDialog(parent), grid_(new QGridLayout), buttons_(new QVBoxLayout) {
    setObjectName(QLatin1String(objectName));
    setWindowTitle(QString::fromLatin1(caption));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    findEdit_ = addTextRow(0, kFindWhat, "FindText");
}

QLineEdit* TSearchDialog::addTextRow(int row, const char* caption, const char* name) {
    auto* label = new QLabel(QString::fromLatin1(caption), this);
    auto* edit = named(new QLineEdit(this), name);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 30);
    label->setBuddy(edit);
    grid_->addWidget(label, row, 0);
    grid_->addWidget(edit, row, 1);
    return edit;
}

void TSearchDialog::addMatchOptions() {
    wholeWord_ = named(new QCheckBox(QString::fromLatin1(kWholeWord), this), "WholeWord");
    matchCase_ = named(new QCheckBox(QString::fromLatin1(kMatchCase), this), "MatchCase");
}

QPushButton* TSearchDialog::addButton(const char* caption, const char* name) {
    auto* button = named(new QPushButton(QString::fromLatin1(caption), this), name);
    button->setAutoDefault(false);
    buttons_->addWidget(button);
    return button;
}

void TSearchDialog::addFindNextButton() {
    findNextBtn_ = addButton(kFindNext, "FindNext_Btn");
    findNextBtn_->setDefault(true);
}

void TSearchDialog::finish(std::initializer_list<QPushButton*> searchButtons) {
    QPushButton* cancel = addButton(kCancel, "Cancel_Btn");
    buttons_->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid_);
    layout->addLayout(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto update = [this, buttons = std::vector<QPushButton*>(searchButtons)] {
        for (QPushButton* b : buttons)
            b->setEnabled(!findEdit_->text().isEmpty());
    };
    connect(findEdit_, &QLineEdit::textChanged, findEdit_, update);
    update();
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TSearchDialog::findText() const {
    return findEdit_->text();
}
void TSearchDialog::setFindText(const QString& text) {
    findEdit_->setText(text);
}
bool TSearchDialog::matchCase() const {
    return matchCase_->isChecked();
}
bool TSearchDialog::wholeWord() const {
    return wholeWord_->isChecked();
}

void TSearchDialog::showOrRaise() {
    show();
    raise();
    activateWindow();
    findEdit_->setFocus();
    findEdit_->selectAll();
}

TFindDialog::TFindDialog(QWidget* parent) : TSearchDialog(parent, "FindDialog", kFindCaption) {
    auto* options = new QHBoxLayout;
    auto* checks = new QVBoxLayout;
    addMatchOptions();
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
    grid_->addLayout(options, 1, 0, 1, 2);

    addFindNextButton();
    finish({findNextBtn_});
    connect(findNextBtn_, &QPushButton::clicked, this, [this] {
        hide();
        emit findNext();
    });
}

bool TFindDialog::directionUp() const {
    return up_->isChecked();
}

TReplaceDialog::TReplaceDialog(QWidget* parent) : TSearchDialog(parent, "ReplaceDialog", kReplaceCaption) {
    replaceEdit_ = addTextRow(1, kReplaceWith, "ReplaceText");
    addMatchOptions();
    grid_->setRowStretch(2, 1);
    grid_->addWidget(wholeWord_, 3, 0, 1, 2);
    grid_->addWidget(matchCase_, 4, 0, 1, 2);

    addFindNextButton();
    replaceBtn_ = addButton(kReplace, "Replace_Btn");
    replaceAllBtn_ = addButton(kReplaceAll, "ReplaceAll_Btn");
    finish({findNextBtn_, replaceBtn_, replaceAllBtn_});
    connect(findNextBtn_, &QPushButton::clicked, this, &TReplaceDialog::findNext);
    connect(replaceBtn_, &QPushButton::clicked, this, &TReplaceDialog::replace);
    connect(replaceAllBtn_, &QPushButton::clicked, this, &TReplaceDialog::replaceAll);
}

QString TReplaceDialog::replaceText() const {
    return replaceEdit_->text();
}
void TReplaceDialog::setReplaceText(const QString& text) {
    replaceEdit_->setText(text);
}

} // namespace zorvel
