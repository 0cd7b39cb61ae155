#include "markup.h"
#include "toolbox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zorvel;

namespace {

QStringList items(const QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

} // namespace

TEST(ToolBox, BothBoxesHoldTheSameTaggedButtonsWithTheirHints) {
    const struct {
        int tag;
        const char* hint;
        const char* text;
    } expected[] = {
        {1, "Bold", "B"},
        {2, "Italic", "I"},
        {3, "Underlined", nullptr},
        {4, "Strong", nullptr},
        {5, "Horizontal line", nullptr},
        {6, "Break a line", nullptr},
        {7, "Paragraph break", nullptr},
        {13, "Make a block of text Blink", nullptr},
        {14, "Centre a block of text", nullptr},
        {15, "Set the font for a block of text", nullptr},
        {16, "Registered Symbol", nullptr},
        {17, "Copyright Symbol", nullptr},
        {18, "Ampersand Symbol", "&&"},
        {19, "Less Than Symbol", "<"},
        {20, "Greater Than Symbol", ">"},
    };
    for (Qt::Orientation o : {Qt::Vertical, Qt::Horizontal}) {
        TToolBox box(o);
        const auto& buttons = box.formatButtons();
        ASSERT_EQ(buttons.size(), static_cast<qsizetype>(std::size(expected)));
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            EXPECT_EQ(commandNumber(buttons[i]), expected[i].tag);
            EXPECT_EQ(buttons[i]->toolTip(), expected[i].hint);
            if (expected[i].text) {
                EXPECT_EQ(buttons[i]->text(), expected[i].text);
            }
            EXPECT_TRUE(textFormatInsertion(commandNumber(buttons[i]), QString()).has_value());
            EXPECT_EQ(buttons[i]->parentWidget(), box.textFormatGroup());
        }
        EXPECT_EQ(box.textFormatGroup()->title(), "Text Format");
        EXPECT_EQ(box.linkButton()->text(), "Links");
        EXPECT_EQ(box.linkButton()->toolTip(), "Internal & External Links");
        EXPECT_EQ(box.imageButton()->toolTip(), "Insert an image");
        EXPECT_EQ(box.tableButton()->toolTip(), "Create a table");
        EXPECT_EQ(box.formButton()->text(), "Forms");
        EXPECT_EQ(box.formButton()->toolTip(), "Create Forms");
        EXPECT_EQ(box.cutButton()->toolTip(), "Cut");
        EXPECT_EQ(box.copyButton()->toolTip(), "Copy");
        EXPECT_EQ(box.pasteButton()->toolTip(), "Paste");
    }
}

TEST(ToolBox, ComboBoxesHaveTheirFixedItemsAndTheirNamesInEachOrientation) {
    const QStringList headings{"", "H1 Biggest", "H2", "H3", "H4", "H5", "H6 Smallest"};
    const QStringList lists{"", "Numbered", "Bulleted", "Menu", "Directory", "Definition"};
    TToolBox vertical(Qt::Vertical);
    TToolBox horizontal(Qt::Horizontal);
    EXPECT_EQ(vertical.objectName(), "ToolBox");
    EXPECT_EQ(horizontal.objectName(), "ToolBox_Horiz");
    EXPECT_EQ(vertical.findChild<QComboBox*>("HeadingTextBox"), vertical.headingBox());
    EXPECT_EQ(vertical.findChild<QComboBox*>("ListTextBox"), vertical.listBox());
    EXPECT_EQ(horizontal.findChild<QComboBox*>("ComboBox3"), horizontal.headingBox());
    EXPECT_EQ(horizontal.findChild<QComboBox*>("ComboBox2"), horizontal.listBox());
    for (TToolBox* box : {&vertical, &horizontal}) {
        EXPECT_EQ(items(box->headingBox()), headings);
        EXPECT_EQ(items(box->listBox()), lists);
        box->headingBox()->setCurrentIndex(3);
        EXPECT_EQ(commandNumber(box->headingBox()), 3);
    }
    EXPECT_EQ(vertical.findChild<QLabel*>("RowCol1"), vertical.rowCol());
    EXPECT_EQ(vertical.rowCol()->text(), "999: 999");
    EXPECT_EQ(horizontal.rowCol(), nullptr);
}

TEST(ToolBox, TheFormsButtonIsTheLowestOfTheVerticalBoxAndItScrollsWhenTooLow) {
    QScrollArea area;
    auto* box = new TToolBox(Qt::Vertical);
    area.setWidget(box);
    area.setWidgetResizable(true);
    area.resize(200, 900);
    area.show();
    box->adjustSize();
    const int formBottom = box->formButton()->geometry().bottom();
    for (QWidget* w : box->findChildren<QWidget*>()) {
        if (w != box->formButton() && w->parentWidget() == box && w->isVisible()) {
            EXPECT_LT(w->geometry().bottom(), formBottom) << w->objectName().toStdString();
        }
    }
    EXPECT_FALSE(area.verticalScrollBar()->isVisible());
    area.resize(200, 150);
    QCoreApplication::processEvents();
    EXPECT_TRUE(area.verticalScrollBar()->isVisible());
    EXPECT_GE(box->height(), box->minimumSizeHint().height());
}
