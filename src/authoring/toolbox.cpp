#include "toolbox.h"

#include "markup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace zorvel {

namespace {

enum class Look { Plain, Bold, Italic, Underline };

struct FormatButton {
    FormatCommand command;
    const char* objectName;
    const char* caption;
    const char* hint;
    Look look;
};

// The tool buttons of the text-format commands; Code to Citation are menu items only.
constexpr FormatButton kFormatButtons[] = {
    {FormatCommand::Bold, "Bold_Btn", "B", "Bold", Look::Bold},
    {FormatCommand::Italic, "Italic_Btn", "I", "Italic", Look::Italic},
    {FormatCommand::Underlined, "Underline_Btn", "U", "Underlined", Look::Underline},
    {FormatCommand::Strong, "Strong_Btn", "S", "Strong", Look::Bold},
    {FormatCommand::HorizontalLine, "HorizLine_Btn", "HR", "Horizontal line", Look::Plain},
    {FormatCommand::LineBreak, "Break_Btn", "BR", "Break a line", Look::Plain},
    {FormatCommand::Paragraph, "Paragraph_Btn", "P", "Paragraph break", Look::Plain},
    {FormatCommand::Blink, "Blink_Btn", "Blink", "Make a block of text Blink", Look::Plain},
    {FormatCommand::Center, "Center_Btn", "Ctr", "Centre a block of text", Look::Plain},
    {FormatCommand::Font, "Font_Btn", "Font", "Set the font for a block of text", Look::Plain},
    {FormatCommand::Registered, "Registered_Btn", "\u00ae", "Registered Symbol", Look::Plain},
    {FormatCommand::Copyright, "Copyright_Btn", "\u00a9", "Copyright Symbol", Look::Plain},
    {FormatCommand::Ampersand, "Ampersand_Btn", "&&", "Ampersand Symbol", Look::Plain},
    {FormatCommand::LessThan, "LessThan_Btn", "<", "Less Than Symbol", Look::Plain},
    {FormatCommand::GreaterThan, "GreaterThan_Btn", ">", "Greater Than Symbol", Look::Plain},
};

constexpr const char* kHeadingItems[] = {"", "H1 Biggest", "H2", "H3", "H4", "H5", "H6 Smallest"};
constexpr const char* kListItems[] = {"", "Numbered", "Bulleted", "Menu", "Directory", "Definition"};

constexpr int kFormatColumns = 3; // of the vertical box
constexpr int kButtonHeight = 24;
constexpr int kFormatButtonWidth = 34;

QComboBox* makeCombo(const char* objectName, const char* hint, const auto& items) {
    auto* combo = new QComboBox;
    combo->setObjectName(QLatin1String(objectName));
    combo->setToolTip(QLatin1String(hint));
    for (const char* item : items)
        combo->addItem(QString::fromUtf8(item));
    combo->setCurrentIndex(-1);
    return combo;
}

} // namespace

QToolButton* TToolBox::makeButton(const char* objectName, const char* caption, const char* hint) {
    auto* button = new QToolButton;
    QString name = QLatin1String(objectName);
    if (orientation_ == Qt::Horizontal)
        name += QLatin1String("_Horiz"); // names stay unique across the main window
    button->setObjectName(name);
    button->setText(QString::fromUtf8(caption));
    button->setToolTip(QString::fromUtf8(hint));
    button->setFocusPolicy(Qt::NoFocus); // the document keeps the focus
    button->setFixedHeight(kButtonHeight);
    return button;
}

TToolBox::TToolBox(Qt::Orientation orientation, QWidget* parent) : QWidget(parent), orientation_(orientation) {
    const bool vertical = orientation == Qt::Vertical;
    setObjectName(vertical ? QStringLiteral("ToolBox") : QStringLiteral("ToolBox_Horiz"));

    textFormatGroup_ = new QGroupBox(QStringLiteral("Text Format"));
    textFormatGroup_->setObjectName(vertical ? QStringLiteral("Text_Format_Group")
                                             : QStringLiteral("Text_Format_Group_Horiz"));
    auto* formatGrid = new QGridLayout(textFormatGroup_);
    formatGrid->setContentsMargins(4, 2, 4, 4);
    formatGrid->setSpacing(2);
    int index = 0;
    for (const FormatButton& b : kFormatButtons) {
        QToolButton* button = makeButton(b.objectName, b.caption, b.hint);
        button->setProperty("tag", int(b.command));
        button->setFixedWidth(kFormatButtonWidth);
        QFont font = button->font();
        font.setBold(b.look == Look::Bold);
        font.setItalic(b.look == Look::Italic);
        font.setUnderline(b.look == Look::Underline);
        button->setFont(font);
        formatButtons_ << button;
        if (vertical)
            formatGrid->addWidget(button, index / kFormatColumns, index % kFormatColumns);
        else
            formatGrid->addWidget(button, 0, index);
        ++index;
    }

    cutButton_ = makeButton("Cut_Btn", "Cut", "Cut");
    copyButton_ = makeButton("Copy_Btn", "Copy", "Copy");
    pasteButton_ = makeButton("Paste_Btn", "Paste", "Paste");
    headingBox_ = makeCombo(vertical ? "HeadingTextBox" : "ComboBox3", "Headings", kHeadingItems);
    listBox_ = makeCombo(vertical ? "ListTextBox" : "ComboBox2", "Lists", kListItems);
    linkButton_ = makeButton("Link_Btn", "Links", "Internal & External Links");
    imageButton_ = makeButton("Image_Btn", "Image", "Insert an image");
    tableButton_ = makeButton("Table_Btn", "Table", "Create a table");
    formButton_ = makeButton("Form_Btn", "Forms", "Create Forms");
    const QList<QToolButton*> commandButtons = {linkButton_, imageButton_, tableButton_, formButton_};
    const QList<QToolButton*> clipboardButtons = {cutButton_, copyButton_, pasteButton_};

    if (vertical) {
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(3, 3, 3, 3);
        column->setSpacing(4);
        rowCol_ = new QLabel(QStringLiteral("999: 999"));
        rowCol_->setObjectName(QStringLiteral("RowCol1"));
        rowCol_->setAlignment(Qt::AlignCenter);
        rowCol_->setFrameShape(QFrame::Panel);
        rowCol_->setFrameShadow(QFrame::Sunken);
        column->addWidget(rowCol_);
        auto* clipboardRow = new QHBoxLayout;
        clipboardRow->setSpacing(2);
        for (QToolButton* b : clipboardButtons) {
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            clipboardRow->addWidget(b);
        }
        column->addLayout(clipboardRow);
        column->addWidget(textFormatGroup_);
        column->addWidget(new QLabel(QStringLiteral("Headings")));
        column->addWidget(headingBox_);
        column->addWidget(new QLabel(QStringLiteral("Lists")));
        column->addWidget(listBox_);
        for (QToolButton* b : commandButtons) {
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            column->addWidget(b);
        }
        column->addStretch(1);
    } else {
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(3, 1, 3, 1);
        row->setSpacing(4);
        for (QToolButton* b : clipboardButtons)
            row->addWidget(b, 0, Qt::AlignBottom);
        row->addWidget(textFormatGroup_);
        for (QComboBox* combo : {headingBox_, listBox_}) {
            combo->setMinimumContentsLength(9);
            row->addWidget(combo, 0, Qt::AlignBottom);
        }
        for (QToolButton* b : commandButtons)
            row->addWidget(b, 0, Qt::AlignBottom);
        row->addStretch(1);
    }
}

} // namespace zorvel
