// Templates from the main window: Save As Template, and New from a template.
#include "main_window_fixture.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

ScriptedPrompter::DialogScript nameTemplate(const QString& name, const QString& description = QString()) {
    return [=](QDialog& d) {
        d.findChild<QLineEdit*>("Template_Name")->setText(name);
        d.findChild<QPlainTextEdit*>("Template_Descr")->setPlainText(description);
        d.findChild<QPushButton*>("OK_Btn")->click();
        return d.result();
    };
}

ScriptedPrompter::DialogScript chooseEntry(const QString& name) {
    return [=](QDialog& d) {
        auto* list = d.findChild<QListWidget*>("Template_List");
        const auto found = list->findItems(name, Qt::MatchExactly);
        if (found.isEmpty())
            return int(QDialog::Rejected);
        list->setCurrentItem(found.first());
        d.findChild<QPushButton*>("OK_Btn")->click();
        return d.result();
    };
}

} // namespace

TEST_F(MainWindowTest, ASavedTemplateStartsAnUntitledPageThatNeverChangesIt) {
    start();
    memo().setText("<HTML>\r\n<BODY>Letterhead</BODY>\r\n</HTML>\r\n");
    prompter->queueDialog(nameTemplate("Letter", "With the address"));
    frm->SaveAsTemplate1Click();
    const QString templateFile = dir() + "template/temp1.tpl";
    ASSERT_TRUE(QFile::exists(templateFile));
    const QByteArray stored = tmp.read("template/temp1.tpl");
    EXPECT_EQ(stored, QByteArray("<HTML>\r\n<BODY>Letterhead</BODY>\r\n</HTML>\r\n"));
    EXPECT_EQ(ini().readString("Templates", "No_Templates", ""), "1");
    EXPECT_EQ(ini().readString("Templates", "TempName_1", ""), "Letter");

    prompter->queueDialog(chooseEntry("Letter"));
    frm->New1Click();
    ASSERT_EQ(frm->DocumentCount(), 2);
    TEditForm* page = frm->ActiveDocument();
    EXPECT_EQ(page->caption(), "Untitled");
    EXPECT_EQ(tabTexts().last(), "Untitled");
    EXPECT_TRUE(page->FileName.isEmpty());
    EXPECT_EQ(memo().Text(), "<HTML>\r\n<BODY>Letterhead</BODY>\r\n</HTML>\r\n");
    EXPECT_FALSE(memo().Modified());

    // Saving asks for a name: the template is never the target.
    memo().setSelStart(0);
    memo().setSelText("<!-- mine -->");
    const QString mine = tmp.file("mine.htm");
    prompter->queueFile(mine);
    frm->Save1Click();
    ASSERT_EQ(prompter->fileDialogs.size(), 1u);
    EXPECT_EQ(prompter->fileDialogs[0].title, "Save a HTML file");
    EXPECT_EQ(page->FileName, mine);
    EXPECT_TRUE(tmp.read("mine.htm").startsWith("<!-- mine -->"));
    EXPECT_EQ(tmp.read("template/temp1.tpl"), stored);
    EXPECT_TRUE(prompter->drained());
}

TEST_F(MainWindowTest, AfterSaveAsTemplateTheDocumentIsTheTemplateFile) {
    start();
    const QString tabBefore = tabTexts().at(0);
    memo().setSelText("<P>draft</P>");
    prompter->queueDialog(nameTemplate("Plain page"));
    frm->SaveAsTemplate1Click();
    TEditForm* form = frm->ActiveDocument();
    const QString path = dir() + "template/temp1.tpl";
    EXPECT_EQ(form->FileName, path);
    EXPECT_EQ(form->caption(), "temp1.tpl");
    EXPECT_EQ(tabTexts(), QStringList{tabBefore}); // the tab keeps its text
    EXPECT_FALSE(memo().Modified());
    EXPECT_FALSE(frm->Save_Btn->isEnabled());
    // The recent files were empty and stay so.
    EXPECT_TRUE(frm->FileHistory().isEmpty());

    // A later Save writes the template.
    memo().setSelText("<P>final</P>");
    frm->Save1Click();
    EXPECT_TRUE(prompter->fileDialogs.empty());
    EXPECT_TRUE(tmp.read("template/temp1.tpl").contains("<P>final</P>"));
}

TEST_F(MainWindowTest, SaveAsTemplateMovesThePathToTheTopOfAListThatIsNotEmpty) {
    const QString a = file("a.htm", "<HTML>a</HTML>\r\n");
    const QString b = file("b.htm", "<HTML>b</HTML>\r\n");
    start({a});
    prompter->queueFile(b);
    frm->Open1Click();
    EXPECT_EQ(frm->FileHistory().entries(), (QStringList{b, a}));
    const QString menuBefore = frm->MenuEntry[0]->text();

    // Saved twice under one name: one template, rewritten, listed once.
    for (int i = 0; i < 2; ++i) {
        prompter->queueDialog(nameTemplate("B page"));
        frm->SaveAsTemplate1Click();
    }
    const QString path = dir() + "template/temp1.tpl";
    EXPECT_EQ(frm->FileHistory().entries(), (QStringList{path, b, a}));
    EXPECT_EQ(ini().readString("Templates", "No_Templates", ""), "1");
    EXPECT_EQ(frm->MenuEntry[0]->text(), menuBefore); // the menu waits for its next rebuild
    EXPECT_EQ(tmp.read("b.htm"), QByteArray("<HTML>b</HTML>\r\n"));
    EXPECT_EQ(tmp.read("template/temp1.tpl"), QByteArray("<HTML>b</HTML>\r\n"));
}

TEST_F(MainWindowTest, SaveAsTemplateCancelledOrWithoutANameLeavesTheDocumentAlone) {
    start();
    memo().setSelText("x");
    prompter->queueDialog([](QDialog&) { return int(QDialog::Rejected); });
    frm->SaveAsTemplate1Click();
    prompter->queueDialog(nameTemplate("   "));
    frm->SaveAsTemplate1Click();
    EXPECT_TRUE(frm->ActiveDocument()->FileName.isEmpty());
    EXPECT_EQ(frm->ActiveDocument()->caption(), "<Untitled>");
    EXPECT_TRUE(memo().Modified());
    EXPECT_FALSE(QDir(dir() + "template").exists());
    EXPECT_TRUE(prompter->messages.empty());
}

TEST_F(MainWindowTest, SaveAsTemplateFailuresShowTheirOwnTextAndTheDocumentStaysAsItWas) {
    struct Case {
        const char* what;
        std::function<void(const TempDir&)> spoil;
        const char* textStart;
    } cases[] = {
        {"settings file cannot be written", [](const TempDir& t) { QDir(t.path()).mkdir("zor-vel.ini"); },
         "Unable to write to "},
        {"template directory cannot be made", [](const TempDir& t) { t.write("template", "a file"); }, ""},
        {"template file cannot be written",
         [](const TempDir& t) { QDir(t.path()).mkpath("template/temp1.tpl/inside"); }, ""},
    };
    for (const auto& c : cases) {
        start();
        c.spoil(tmp);
        memo().setSelText("x");
        prompter->queueDialog(nameTemplate("T"));
        frm->SaveAsTemplate1Click();
        ASSERT_EQ(prompter->messages.size(), 1u) << c.what;
        EXPECT_FALSE(prompter->messages[0].text.isEmpty()) << c.what;
        EXPECT_TRUE(prompter->messages[0].text.startsWith(QLatin1String(c.textStart))) << c.what;
        EXPECT_TRUE(frm->ActiveDocument()->FileName.isEmpty()) << c.what;
        EXPECT_EQ(frm->ActiveDocument()->caption(), "<Untitled>") << c.what;
        EXPECT_TRUE(memo().Modified()) << c.what;
        TearDown();
        QDir(dir() + "template").removeRecursively();
        QFile::remove(dir() + "template");
        QDir(dir() + "zor-vel.ini").removeRecursively();
        QFile::remove(dir() + "zor-vel.ini");
    }
}
