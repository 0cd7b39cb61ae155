// Where the tool box sits and how the main window lays itself out around it.
#include "main_window_fixture.h"
#include "toolbox.h"

#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

class LayoutTest : public MainWindowTest {
protected:
    QScrollArea* toolBoxScroll() const { return frm->findChild<QScrollArea*>(); }
    QWidget* central() const { return frm->centralWidget(); }
    // A widget's rectangle in the central widget's coordinates.
    QRect inCentral(QWidget* w) const { return QRect(w->mapTo(central(), QPoint(0, 0)), w->size()); }
    void settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    int contentWidth() const { return frm->ToolBox->sizeHint().width(); }
};

} // namespace

TEST_F(LayoutTest, EachPlacementItemMovesTheToolBoxStoresItAndCarriesTheCheckMark) {
    start();
    settle();
    struct Case {
        QAction* TMainFrm::*item;
        const char* stored;
        bool vertical;
    } cases[] = {
        {&TMainFrm::MenuonTop1, "Top", false},
        {&TMainFrm::MenuonBotom1, "Bottom", false},
        {&TMainFrm::MenuonRight1, "Right", true},
        {&TMainFrm::MenuonLeft1, "Left", true},
    };
    for (const auto& c : cases) {
        (frm.get()->*c.item)->trigger();
        settle();
        EXPECT_EQ(ini().readString("Options", "Menu_Position", ""), c.stored);
        for (QAction* other : {frm->MenuonLeft1, frm->MenuonRight1, frm->MenuonTop1, frm->MenuonBotom1})
            EXPECT_EQ(other->isChecked(), other == frm.get()->*c.item) << c.stored;
        EXPECT_EQ(toolBoxScroll()->isVisible(), c.vertical) << c.stored;
        EXPECT_EQ(frm->RowCol1->isVisible(), c.vertical) << c.stored;
        EXPECT_EQ(frm->ToolBox_Horiz->isVisible(), !c.vertical) << c.stored;

        const QRect docs = inCentral(frm->mdiArea);
        const QRect tabs = inCentral(frm->TabPanel);
        EXPECT_TRUE(frm->TabPanel->isVisible()) << c.stored;
        EXPECT_GE(tabs.height(), frm->FileTabSet->sizeHint().height()) << c.stored;
        EXPECT_GT(tabs.height(), 0) << c.stored;
        // The tab strip lies directly under the documents and is as wide as they are.
        EXPECT_EQ(tabs.top(), docs.bottom() + 1) << c.stored;
        EXPECT_EQ(tabs.left(), docs.left()) << c.stored;
        EXPECT_EQ(tabs.width(), docs.width()) << c.stored;
        if (c.vertical) {
            const QRect box = inCentral(toolBoxScroll());
            EXPECT_EQ(box.height(), central()->height()) << c.stored;
            if (QLatin1String(c.stored) == QLatin1String("Left")) {
                EXPECT_EQ(box.left(), 0);
                EXPECT_EQ(docs.left(), box.right() + 1);
            } else {
                EXPECT_EQ(box.right(), central()->width() - 1);
                EXPECT_EQ(docs.left(), 0);
                EXPECT_EQ(docs.right() + 1, box.left());
            }
        } else {
            const QRect box = inCentral(frm->ToolBox_Horiz);
            EXPECT_EQ(docs.width(), central()->width()) << c.stored;
            if (QLatin1String(c.stored) == QLatin1String("Top")) {
                // Directly below the speed bar.
                EXPECT_EQ(box.top(), 0);
                EXPECT_EQ(frm->ToolBox_Horiz->mapTo(frm.get(), QPoint(0, 0)).y(),
                          frm->SpeedBar->geometry().bottom() + 1);
                EXPECT_EQ(docs.top(), box.bottom() + 1);
            } else {
                EXPECT_EQ(box.bottom(), central()->height() - 1);
                EXPECT_EQ(box.top(), tabs.bottom() + 1);
            }
        }
    }
}

TEST_F(LayoutTest, TheStoredPlacementIsAppliedAtStartUpWithoutBeingWrittenBack) {
    writeIni("[Options]\nMenu_Position=bOTTOM\n");
    start();
    settle();
    EXPECT_TRUE(frm->MenuonBotom1->isChecked());
    EXPECT_EQ(inCentral(frm->ToolBox_Horiz).bottom(), central()->height() - 1);
    EXPECT_EQ(ini().readString("Options", "Menu_Position", ""), "bOTTOM");
}

TEST_F(LayoutTest, TheVerticalToolBoxScrollsWhenTheWindowIsTooLow) {
    for (QAction* TMainFrm::*item : {&TMainFrm::MenuonLeft1, &TMainFrm::MenuonRight1}) {
        start();
        (frm.get()->*item)->trigger();
        const int needed = frm->ToolBox->sizeHint().height();
        struct Step {
            int height;
            bool scrolls;
            int extra;
        } steps[] = {{needed + 300, false, 5}, {needed / 2 + 150, true, 20}, {needed + 300, false, 5}};
        for (const auto& s : steps) {
            frm->resize(frm->width(), s.height);
            settle();
            ASSERT_EQ(frm->height(), s.height);
            const bool tooLow = toolBoxScroll()->height() < needed;
            ASSERT_EQ(tooLow, s.scrolls) << "the step heights do not test what they mean to";
            EXPECT_EQ(toolBoxScroll()->verticalScrollBar()->isVisible(), s.scrolls) << s.height;
            EXPECT_EQ(toolBoxScroll()->width(), contentWidth() + s.extra) << s.height;
            // The box is wider than its "Text Format" group and nothing of it is cut off.
            EXPECT_GT(contentWidth(), frm->ToolBox->textFormatGroup()->sizeHint().width());
            EXPECT_GE(frm->ToolBox->width(), contentWidth()) << s.height;
            EXPECT_GE(frm->ToolBox->height(), needed) << s.height;
        }
        TearDown();
    }
}

TEST_F(LayoutTest, TheTabStripGoesWithTheLastDocumentAndComesBackWithANewOne) {
    start();
    settle();
    EXPECT_TRUE(frm->TabPanel->isVisible());
    frm->Close1Click();
    settle();
    EXPECT_EQ(frm->DocumentCount(), 0);
    EXPECT_FALSE(frm->TabPanel->isVisible());
    // The tool box keeps its width without a document.
    EXPECT_EQ(toolBoxScroll()->width(), contentWidth() + 5);
    frm->New1Click();
    // It comes back with the next layout of the window.
    frm->resize(frm->width() - 10, frm->height());
    settle();
    EXPECT_TRUE(frm->TabPanel->isVisible());
    EXPECT_GE(frm->TabPanel->height(), frm->FileTabSet->sizeHint().height());
    EXPECT_GT(frm->TabPanel->height(), 0);
    EXPECT_EQ(tabTexts(), QStringList{"<Untitled>"});
}

TEST_F(LayoutTest, BrowserButtonsSitAtTheRightEndOfTheSpeedBar) {
    const QString web = file("web", "#!/bin/sh\n");
    const QString other = file("other web", "#!/bin/sh\n");
    struct Case {
        const char* what;
        QString first, second;
        bool shows1, shows2;
    } cases[] = {
        {"both", web, other, true, true},
        {"only the first", web, "", true, false},
        {"only the second", "", other, false, true},
    };
    for (const auto& c : cases) {
        writeIni(
            QStringLiteral("[Options]\nBrowser_Address=%1\nBrowser_Address_2=%2\n").arg(c.first, c.second).toUtf8());
        start();
        settle();
        QToolBar* bar = frm->SpeedBar;
        EXPECT_EQ(frm->Browser_Btn1->isVisible(), c.shows1) << c.what;
        EXPECT_EQ(frm->Browser_Btn2->isVisible(), c.shows2) << c.what;
        EXPECT_EQ(frm->Browser_Btn1->size(), QSize(51, 52));
        // The rightmost shown button ends where the bar's own margin begins.
        QToolButton* rightmost = c.shows2 ? frm->Browser_Btn2 : frm->Browser_Btn1;
        const int margin = bar->width() - 1 - rightmost->geometry().right();
        EXPECT_GE(margin, 0) << c.what;
        EXPECT_LE(margin, 6) << c.what;
        if (c.shows1 && c.shows2) {
            const int gap = frm->Browser_Btn2->geometry().left() - frm->Browser_Btn1->geometry().right() - 1;
            EXPECT_GE(gap, 0);
            EXPECT_LE(gap, 6);
        }
        // Nothing else of the speed bar lies to the right of a shown browser button.
        for (QWidget* w : {static_cast<QWidget*>(frm->New_Btn), static_cast<QWidget*>(frm->SpeedPreview_Btn)})
            EXPECT_LT(w->geometry().right(), rightmost->geometry().left()) << c.what;
        TearDown();
    }
}
