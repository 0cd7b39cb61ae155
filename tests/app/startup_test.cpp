// Start-up: the settings read with their defaults and corrections, the first document.
#include "main_window_fixture.h"
#include "toolbox.h"
#include "window_placement.h"

#include <QLabel>
#include <QTimer>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

TEST_F(MainWindowTest, WithoutASettingsFileEverythingTakesItsDefault) {
    start();
    // A maximized document adds its caption, as multiple-document windows do.
    EXPECT_EQ(frm->windowTitle(), "Zor-Vel - [<Untitled>]");
    EXPECT_EQ(frm->pos(), QPoint(10, 10));
    // The size is the outer one: shown, the frame is taken off the inside.
    EXPECT_EQ(frm->frameGeometry().size(), QSize(1004, 748));
    EXPECT_EQ(frm->size(), QSize(1004, 748) - (frm->frameGeometry().size() - frm->geometry().size()));
    EXPECT_TRUE(frm->FileHistory().isEmpty());
    EXPECT_FALSE(frm->MenuEntry[0]->isVisible());
    EXPECT_FALSE(frm->SaverTimer()->isActive());
    EXPECT_TRUE(frm->hintsShown());
    EXPECT_EQ(frm->hintColour(), QColor(255, 255, 0));
    EXPECT_EQ(frm->previewFontName(), "Arial");
    EXPECT_EQ(frm->previewFontSize(), 12);
    EXPECT_TRUE(frm->ShowImages1->isChecked());
    EXPECT_EQ(frm->EmailAddress(), "Put_Your_Email_Address_Here");
    EXPECT_EQ(frm->placement(), Placement::Left);
    EXPECT_TRUE(frm->MenuonLeft1->isChecked());
    EXPECT_EQ(frm->DocumentCount(), 1);
}

TEST_F(MainWindowTest, TheBlankPageHasTenLinesAndTheCaretOnTheSixth) {
    start();
    TEditForm* form = frm->ActiveDocument();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->caption(), "<Untitled>");
    EXPECT_TRUE(form->FileName.isEmpty());
    EXPECT_EQ(tabTexts(), QStringList{"<Untitled>"});
    EXPECT_EQ(memo().LineCount(), 10);
    EXPECT_EQ(memo().Text(), "<HTML>\r\n<HEAD>\r\n<TITLE>Put Your Pages's Title here </TITLE>\r\n</HEAD>\r\n"
                             "<BODY>\r\n  \r\n  \r\n  \r\n</BODY>\r\n</HTML>\r\n");
    EXPECT_EQ(memo().SelStart(), 78);
    EXPECT_EQ(memo().CaretRow(), 5);
    EXPECT_EQ(frm->RowCol1->text(), "6: 1");
    EXPECT_FALSE(frm->Save_Btn->isEnabled());
    EXPECT_FALSE(memo().Modified());
    EXPECT_TRUE(frm->ToolBox->isEnabled());
    EXPECT_TRUE(frm->HTML1->menuAction()->isEnabled());
}

TEST_F(MainWindowTest, StoredBoundsAreKeptInsideTheScreen) {
    struct Case {
        QByteArray size;
        QPoint pos;
        QSize expected;
    } cases[] = {
        {"Width=5000\nHeight=3000\n", {10, 10}, {1004, 748}},
        {"Left=300\nTop=40\nWidth=600\nHeight=400\n", {300, 40}, {600, 400}},
        {"Width=1024\nHeight=768\n", {0, 0}, {1024, 768}},
        {"Width=wide\n", {10, 10}, {1004, 748}},
        // Off the screen, wholly or in part: the whole window comes back onto it.
        {"Left=-100000\nTop=-100000\nWidth=600\nHeight=400\n", {0, 0}, {600, 400}},
        {"Left=100000\nTop=100000\n", {20, 20}, {1004, 748}},
        {"Left=-550\nTop=700\nWidth=600\nHeight=400\n", {0, 368}, {600, 400}},
    };
    for (const auto& c : cases) {
        writeIni("[Size]\n" + c.size);
        start({}, QSize(1024, 768), false);
        EXPECT_EQ(frm->pos(), c.pos) << c.size.constData();
        EXPECT_EQ(frm->size(), c.expected) << c.size.constData();
        frm.reset();
    }
}

// Several monitors, each given by the area windows may use (a panel takes the primary's bottom).
TEST(WindowPlacement, TheScreenHoldingMostOfTheWindowTakesAllOfIt) {
    const std::vector<QRect> screens = {{0, 0, 1920, 1040}, {1920, 0, 1280, 1024}, {-1280, 0, 1280, 1024}};
    const struct {
        QRect stored, placed;
    } cases[] = {
        {{2300, 100, 800, 600}, {2300, 100, 800, 600}},  // wholly on the second: kept
        {{1800, 100, 800, 600}, {1920, 100, 800, 600}},  // mostly on the second
        {{1500, 800, 800, 600}, {1120, 440, 800, 600}},  // mostly on the primary, bottom off it
        {{5000, 5000, 800, 600}, {1120, 440, 800, 600}}, // on none: the primary
        {{2000, 0, 1600, 1200}, {1920, 0, 1280, 1024}},  // larger than its screen: shrunk to it
        {{-1300, 10, 800, 600}, {-1280, 10, 800, 600}},  // left of the primary
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeOnScreens(c.stored, screens), c.placed) << c.stored.x() << "," << c.stored.y();
}

TEST_F(MainWindowTest, OptionsAreReadWithTheirCorrections) {
    writeIni("[Options]\nShow_Help=0\nFlyBy_BGColour=-5\nPreview_Font_Name=Times New Roman\nPreview_Font_Size=0\n"
             "Show_Graphics=0\nEmail_Address=me@example.org\n");
    start();
    EXPECT_FALSE(frm->hintsShown());
    EXPECT_EQ(frm->hintColour(), QColor(255, 255, 0));
    EXPECT_EQ(frm->previewFontName(), "Times New Roman");
    EXPECT_EQ(frm->previewFontSize(), 12);
    EXPECT_FALSE(frm->ShowImages1->isChecked());
    EXPECT_EQ(frm->EmailAddress(), "me@example.org");
}

TEST_F(MainWindowTest, TheSaveIntervalIsDecimalOrHexadecimalMinutes) {
    struct Case {
        const char* value;
        bool on;
        int limit;
    } cases[] = {
        {"0x5", true, 300}, {"0x", false, 0}, {"1", true, 60}, {"0", false, 0}, {"-3", false, 0},
    };
    for (const auto& c : cases) {
        writeIni(QByteArray("[Options]\nSave_Interval=") + c.value + "\n");
        start({}, QSize(1024, 768), false);
        EXPECT_EQ(frm->SaverTimer()->isActive(), c.on) << c.value;
        EXPECT_EQ(frm->session().autoSave().counter().limit(), c.limit) << c.value;
        EXPECT_EQ(frm->SaverTimer()->interval(), 1000);
        frm.reset();
    }
}

TEST_F(MainWindowTest, TheStoredPlacementChoosesTheToolBox) {
    struct Case {
        const char* value;
        Placement placement;
        bool vertical;
        QAction* TMainFrm::*checked;
    } cases[] = {
        {"TOP", Placement::Top, false, &TMainFrm::MenuonTop1},
        {"bottom", Placement::Bottom, false, &TMainFrm::MenuonBotom1},
        {"Right", Placement::Right, true, &TMainFrm::MenuonRight1},
        {"Middle", Placement::AsDesigned, true, nullptr},
    };
    for (const auto& c : cases) {
        writeIni(QByteArray("[Options]\nMenu_Position=") + c.value + "\n");
        start();
        EXPECT_EQ(frm->placement(), c.placement) << c.value;
        EXPECT_EQ(frm->ToolBox_Horiz->isVisible(), !c.vertical) << c.value;
        for (QAction* item : {frm->MenuonLeft1, frm->MenuonRight1, frm->MenuonTop1, frm->MenuonBotom1})
            EXPECT_EQ(item->isChecked(), c.checked && item == frm.get()->*c.checked) << c.value;
        TearDown();
    }
}

TEST_F(MainWindowTest, RecentFilesMustBeAbsoluteExistingPaths) {
    const QString one = file("one.htm", "1");
    const QString three = file("three.htm", "3");
    writeIni(QStringLiteral("[File_History]\nNo_Files=4\nFile_1=%1\nFile_3=%2\nFile_4=relative.htm\n")
                 .arg(one, three)
                 .toUtf8());
    start();
    EXPECT_EQ(frm->FileHistory().entries(), (QStringList{one, three}));
    EXPECT_EQ(frm->MenuEntry[0]->text(), "&1 - " + one);
    EXPECT_EQ(frm->MenuEntry[1]->text(), "&2 - " + three);
    EXPECT_FALSE(frm->MenuEntry[2]->isVisible());
    EXPECT_TRUE(frm->HistorySeparator->isVisible());
    ASSERT_TRUE(frm->Exit1Click());
    EXPECT_EQ(ini().readInteger("File_History", "No_Files", -1), 2);
    EXPECT_EQ(ini().readString("File_History", "File_1", ""), one);
    EXPECT_EQ(ini().readString("File_History", "File_2", ""), three);
}

// A history grown to thousands of entries (edited by hand, or by another
// program): only what the menu can show is read.
TEST_F(MainWindowTest, AHistoryOfThousandsKeepsTheFirstFiveUsableFiles) {
    QStringList files;
    for (int n = 0; n < 8; ++n)
        files << file(QStringLiteral("p%1.htm").arg(n), "x");
    QByteArray text = "[File_History]\nNo_Files=20000\n";
    for (int n = 1; n <= 20000; ++n)
        text += "File_" + QByteArray::number(n) + "=" +
                (n <= 3 ? tmp.file(QStringLiteral("gone.htm")) : files[n % 8]).toUtf8() + "\n";
    writeIni(text);
    start();
    EXPECT_EQ(frm->FileHistory().entries(), (QStringList{files[4], files[5], files[6], files[7], files[0]}));
}

TEST_F(MainWindowTest, TheFileOnTheCommandLineOpensWithATabAndIsFirstAtExit) {
    const QString page = file("Page.htm", "<P>hello\r\n");
    start({page});
    EXPECT_EQ(frm->DocumentCount(), 1);
    EXPECT_EQ(frm->ActiveDocument()->caption(), "Page.htm");
    EXPECT_EQ(tabTexts(), QStringList{"Page.htm"});
    EXPECT_EQ(frm->FileHistory().entries().value(0), page);
    EXPECT_FALSE(frm->MenuEntry[0]->isVisible()); // not rebuilt at start-up
    ASSERT_TRUE(frm->Exit1Click());
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(ini().readString("File_History", "File_1", ""), page);
    EXPECT_EQ(ini().readInteger("Size", "Width", 0), 1004);
}

TEST_F(MainWindowTest, AnUnreadableCommandLineFileIsReportedAndTheBlankPageOpens) {
    start({tmp.file("missing.htm")});
    EXPECT_EQ(
        prompter->messageTexts(),
        QStringList{"Exception error in Open1Click\r\nPlease report this error to support@zorvel.org\r\nThe file " +
                    tmp.file("missing.htm") + " does not exist."});
    EXPECT_EQ(frm->DocumentCount(), 1);
    EXPECT_EQ(frm->ActiveDocument()->caption(), "<Untitled>");
    EXPECT_EQ(tabTexts(), QStringList{"<Untitled>"});
}
