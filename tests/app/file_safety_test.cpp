// Nothing the user writes is lost: settings that cannot be written, questions
// that can be cancelled, counts in the settings file that would never end.
#include "main_window_fixture.h"
#include "app_messages.h"

#include <QDir>
#include <QTimer>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

namespace {
// A folder where the settings file should be: nothing can replace it.
void makeSettingsUnwritable(const TempDir& tmp) { ASSERT_TRUE(QDir(tmp.path()).mkdir("zor-vel.ini")); }
} // namespace

TEST_F(MainWindowTest, ExitEndsTheProgramWhenTheSettingsCannotBeWritten) {
    start();
    makeSettingsUnwritable(tmp);
    EXPECT_TRUE(frm->Exit1Click());
    EXPECT_EQ(exitCode, 0);
    ASSERT_EQ(prompter->messages.size(), 1u);
    EXPECT_TRUE(prompter->messages[0].text.startsWith("Exception error in Exit1Click ..\r\nUnable to write to " +
                                                      dir() + "zor-vel.ini: "))
        << prompter->messages[0].text.toStdString();
}

TEST_F(MainWindowTest, SaveAsSavesEvenWhenTheFolderCannotBeRemembered) {
    start();
    memo().setSelText("text");
    makeSettingsUnwritable(tmp);
    const QString target = tmp.file("page.htm");
    prompter->queueFile(target);
    frm->SaveAs1Click();
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_FALSE(memo().Modified());
    EXPECT_FALSE(frm->Save_Btn->isEnabled());
    EXPECT_EQ(frm->ActiveDocument()->FileName, target);
    ASSERT_EQ(prompter->messages.size(), 1u);
    EXPECT_TRUE(prompter->messages[0].text.startsWith("Unable to write to " + dir() + "zor-vel.ini\r\n"));
}

// Cancel on a close question keeps the document, its text and every later one.
TEST_F(MainWindowTest, CancelStopsTheCloseCloseAllAndTheExit) {
    const QString a = file("a.htm", "a");
    start({a});
    memo().setSelText("changed ");
    prompter->queueAnswer(MessageAnswer::Cancel);
    frm->Close1Click();
    EXPECT_EQ(frm->DocumentCount(), 1);
    EXPECT_TRUE(memo().Modified());
    EXPECT_EQ(prompter->messages.back().buttons, MessageButtons::YesNoCancel);

    prompter->queueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(frm->CloseAll1Click());
    EXPECT_EQ(frm->DocumentCount(), 1);

    prompter->queueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(frm->Exit1Click());
    EXPECT_EQ(exitCode, -1);
    EXPECT_EQ(frm->DocumentCount(), 1);
    EXPECT_EQ(prompter->messageTexts(), QStringList({"There is unsaved text, Save it or not ..?",
                                                     "Save file :a.htm ?", "Save file :a.htm ?"}));
    EXPECT_EQ(tmp.read("a.htm"), QByteArray("a"));
}

// Counts far beyond the keys the file holds read what is there, at once.
TEST_F(MainWindowTest, HugeCountsInTheSettingsFileReadOnlyWhatIsThere) {
    const QString a = file("a.htm", "a");
    writeIni("[File_History]\nNo_Files=2147483647\nFile_1=" + a.toUtf8() +
             "\n[Templates]\nNo_Templates=2147483647\n[URLS]\nNo_URLS=2147483647\nURL_1=http://x\n"
             "[Options]\nSave_Interval=71582789\n");
    start();
    EXPECT_EQ(frm->FileHistory.entries(), QStringList{a});
    // 71582789 minutes in seconds does not fit an int: as good as never, not 44 seconds.
    EXPECT_EQ(frm->autoSave.limit(), std::numeric_limits<int>::max());
    frm->New1Click(); // no usable template: a blank page
    EXPECT_EQ(frm->DocumentCount(), 2);
}
