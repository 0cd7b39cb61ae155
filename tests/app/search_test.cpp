// Find, replace, undo and the clipboard through the main window's commands
// and its modeless dialogs, on the real editor.
#include "find_dialogs.h"
#include "main_window_fixture.h"
#include "toolbox.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QToolButton>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

struct Selection {
    int start;
    int length;
    bool operator==(const Selection&) const = default;
};

void PrintTo(const Selection& s, std::ostream* os) {
    *os << "(" << s.start << ", " << s.length << ")";
}

class SearchTest : public MainWindowTest {
protected:
    // A document holding exactly text, unchanged and with nothing to undo.
    void startWith(const QString& text) {
        start();
        memo().setText(text);
        memo().document()->clearUndoRedoStacks();
        memo().setModified(false);
        frm->Save_Btn->setEnabled(false);
    }
    Selection selection() { return {memo().SelStart(), memo().SelLength()}; }

    template <typename D> void fill(D* dialog, const QString& find, bool matchCase, const QString& replace = {}) {
        dialog->template findChild<QLineEdit*>("FindText")->setText(find);
        dialog->template findChild<QCheckBox*>("MatchCase")->setChecked(matchCase);
        if (auto* edit = dialog->template findChild<QLineEdit*>("ReplaceText"))
            edit->setText(replace);
    }
    template <typename D> void press(D* dialog, const char* button) {
        dialog->template findChild<QPushButton*>(button)->click();
    }

    TFindDialog* openFind(const QString& find, bool matchCase) {
        frm->Find1Click();
        fill(frm->FindDialog, find, matchCase);
        return frm->FindDialog;
    }
    TReplaceDialog* openReplace(const QString& find, const QString& replace, bool matchCase = false) {
        frm->Replace1Click();
        fill(frm->ReplaceDialog, find, matchCase, replace);
        return frm->ReplaceDialog;
    }
};

struct FindCase {
    const char* text;
    const char* find;
    bool matchCase;
    std::vector<int> offsets; // of the successive matches; each has the find text's length
};

void PrintTo(const FindCase& c, std::ostream* os) {
    *os << "find \"" << c.find << "\" in \"" << c.text << "\"";
}

class FindSequence : public SearchTest, public ::testing::WithParamInterface<FindCase> {};

// The dialog's Find Next finds the first match, F3 the following ones, until
// the not-found notice, which leaves the last selection alone.
TEST_P(FindSequence, DialogThenF3UntilNotFound) {
    const FindCase& c = GetParam();
    const QString find = QString::fromUtf8(c.find);
    startWith(QString::fromUtf8(c.text));
    TFindDialog* dialog = openFind(find, c.matchCase);
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->parent(), frm.get());

    Selection last{memo().SelStart(), memo().SelLength()};
    for (size_t i = 0; i <= c.offsets.size(); ++i) {
        if (i == 0) {
            press(dialog, "FindNext_Btn");
            EXPECT_FALSE(dialog->isVisible()) << "the find dialog closes on Find Next";
        } else {
            frm->FindNext1Click();
        }
        if (i < c.offsets.size()) {
            last = {c.offsets[i], int(find.size())};
            EXPECT_EQ(selection(), last) << "match " << i;
            EXPECT_TRUE(prompter->messages.empty());
        }
    }
    EXPECT_EQ(prompter->messageTexts(), QStringList{"\"" + find + "\" not found"});
    EXPECT_EQ(prompter->messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(selection(), last);
    EXPECT_FALSE(memo().Modified()) << "finding changes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, FindSequence,
    ::testing::Values(FindCase{"Abc abc ABC", "abc", false, {0, 4, 8}}, FindCase{"Abc abc ABC", "abc", true, {4}},
                      FindCase{"aaa", "aa", false, {0, 1}}, FindCase{"x\r\nyé\r\nyÉ", "yÉ", false, {7}},
                      FindCase{"the", "he", false, {1}}, FindCase{"one\r\ntwo\r\ntwo", "TWO", false, {5, 10}}));

TEST_F(SearchTest, EachFindDialogSearchStartsFromTheTopAgain) {
    startWith("ab ab");
    TFindDialog* dialog = openFind("ab", false);
    press(dialog, "FindNext_Btn");
    frm->FindNext1Click();
    EXPECT_EQ(selection(), (Selection{3, 2}));
    frm->Find1Click();
    press(dialog, "FindNext_Btn");
    EXPECT_EQ(selection(), (Selection{0, 2}));
}

// Whole word and the direction do what they say; F3 keeps the direction.
TEST_F(SearchTest, WholeWordAndUpAreHonouredByFindF3AndReplace) {
    startWith("<body> bod\r\nbod");
    TFindDialog* dialog = openFind("bod", false);
    dialog->findChild<QCheckBox*>("WholeWord")->setChecked(true);
    press(dialog, "FindNext_Btn");
    EXPECT_EQ(selection(), (Selection{7, 3}));

    memo().setSelStart(memo().Text().size());
    frm->Find1Click();
    dialog->findChild<QRadioButton*>("DirectionUp")->setChecked(true);
    press(dialog, "FindNext_Btn");
    EXPECT_EQ(selection(), (Selection{12, 3})) << "the last match first";
    frm->FindNext1Click();
    EXPECT_EQ(selection(), (Selection{7, 3}));
    frm->FindNext1Click();
    EXPECT_EQ(prompter->messageTexts(), QStringList{"\"bod\" not found"});

    TReplaceDialog* replace = openReplace("bod", "x");
    replace->findChild<QCheckBox*>("WholeWord")->setChecked(true);
    press(replace, "Replace_Btn");
    EXPECT_EQ(memo().Text(), "<body> x\r\nbod");
    press(replace, "ReplaceAll_Btn");
    EXPECT_EQ(memo().Text(), "<body> x\r\nx");
}

TEST_F(SearchTest, FindNextBeforeAnySearchReportsTheEmptyFindText) {
    startWith("text");
    frm->FindNext1Click();
    EXPECT_EQ(prompter->messageTexts(), QStringList{"\"\" not found"});
}

TEST_F(SearchTest, FindNextContinuesInTheSnapshotAfterAnEdit) {
    startWith("x x x");
    press(openFind("x", false), "FindNext_Btn");
    memo().setSelStart(0);
    memo().setSelText("yy"); // the live text shifts; the search does not
    frm->FindNext1Click();
    EXPECT_EQ(selection(), (Selection{2, 1}));
}

TEST_F(SearchTest, TheFoundLineStandsInTheMiddleOfTheView) {
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << (i == 200 ? QStringLiteral("needle") : QStringLiteral("line %1").arg(i));
    startWith(lines.join("\r\n"));
    ASSERT_GT(memo().VisibleLineCount(), 4);
    press(openFind("needle", false), "FindNext_Btn");
    EXPECT_EQ(memo().CaretRow(), 200);
    EXPECT_EQ(memo().verticalScrollBar()->value(), 200 - memo().VisibleLineCount() / 2);
}

TEST_F(SearchTest, ReplaceDialogFindAlwaysFindsTheFirstMatchAndMarksTheDocument) {
    startWith("cat cat");
    TReplaceDialog* dialog = openReplace("CAT", "dog");
    EXPECT_FALSE(dialog->isModal());
    press(dialog, "FindNext_Btn");
    press(dialog, "FindNext_Btn");
    EXPECT_EQ(selection(), (Selection{0, 3}));
    EXPECT_TRUE(dialog->isVisible()) << "the replace dialog stays open";
    EXPECT_TRUE(memo().Modified());
    EXPECT_TRUE(frm->Save_Btn->isEnabled());
    EXPECT_EQ(memo().Text(), "cat cat");

    fill(dialog, "cow", false, "dog");
    press(dialog, "FindNext_Btn");
    EXPECT_EQ(prompter->messageTexts(), QStringList{"\"cow\" not found"});
}

TEST_F(SearchTest, ReplaceAfterFindNextReplacesTheFirstMatchFromTheTop) {
    startWith("cat cat cat");
    TReplaceDialog* dialog = openReplace("cat", "dog");
    press(dialog, "FindNext_Btn");
    frm->FindNext1Click();
    ASSERT_EQ(selection(), (Selection{4, 3}));
    press(dialog, "Replace_Btn");
    EXPECT_EQ(memo().Text(), "dog cat cat");
    EXPECT_EQ(selection(), (Selection{3, 0})) << "the caret stands behind the inserted text";
    EXPECT_TRUE(memo().Modified());
    EXPECT_TRUE(frm->Save_Btn->isEnabled());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(prompter->messages.empty());

    // The search goes on behind the inserted text.
    frm->FindNext1Click();
    EXPECT_EQ(selection(), (Selection{4, 3}));
    frm->Undo1Click();
    EXPECT_EQ(memo().Text(), "cat cat cat");
}

TEST_F(SearchTest, ReplaceWithoutAMatchSaysSoAndChangesNothing) {
    startWith("abc");
    press(openReplace("x", "y"), "Replace_Btn");
    EXPECT_EQ(prompter->messageTexts(), QStringList{"\"x\" not found"});
    EXPECT_EQ(memo().Text(), "abc");
    EXPECT_FALSE(memo().Modified());
}

struct ReplaceAllCase {
    const char* text;
    const char* find;
    const char* replace;
    bool matchCase;
    const char* result;
    int caret;
};

void PrintTo(const ReplaceAllCase& c, std::ostream* os) {
    *os << "\"" << c.find << "\" by \"" << c.replace << "\" in \"" << c.text << "\"";
}

class ReplaceAllOnEditor : public SearchTest, public ::testing::WithParamInterface<ReplaceAllCase> {};

// One edit, so a single Undo brings the whole text back.
TEST_P(ReplaceAllOnEditor, GivesTheResultAndOneUndoRestoresIt) {
    const ReplaceAllCase& c = GetParam();
    const QString original = QString::fromUtf8(c.text);
    startWith(original);
    press(openReplace(QString::fromUtf8(c.find), QString::fromUtf8(c.replace), c.matchCase), "ReplaceAll_Btn");
    EXPECT_EQ(memo().Text(), QString::fromUtf8(c.result));
    EXPECT_EQ(selection(), (Selection{c.caret, 0}));
    EXPECT_TRUE(memo().Modified());
    EXPECT_TRUE(frm->Save_Btn->isEnabled());
    EXPECT_TRUE(prompter->messages.empty());
    EXPECT_TRUE(frm->ReplaceDialog->isVisible());

    frm->Undo1Click();
    EXPECT_EQ(memo().Text(), original);
    EXPECT_TRUE(prompter->messages.empty());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ReplaceAllOnEditor,
                         ::testing::Values(ReplaceAllCase{"aXa", "a", "aa", false, "aaXaa", 5},
                                           ReplaceAllCase{"a\r\nXA\r\na", "a", "aa", false, "aa\r\nXaa\r\naa", 11},
                                           ReplaceAllCase{"a\r\nXA\r\na", "a", "", true, "\r\nXA\r\n", 6},
                                           ReplaceAllCase{"<b>x</b> <B>y</B>", "<B>", "<I>", false, "<I>x</b> <I>y</B>",
                                                          12},
                                           ReplaceAllCase{"xa\r\nby a\r\nB", "a\r\nb", "-", true, "x-y a\r\nB", 2}));

TEST_F(SearchTest, ReplaceAllWithoutAMatchIsSilent) {
    startWith("abc");
    press(openReplace("x", "y"), "ReplaceAll_Btn");
    EXPECT_EQ(memo().Text(), "abc");
    EXPECT_TRUE(prompter->messages.empty());
    EXPECT_FALSE(memo().Modified());
    EXPECT_FALSE(frm->Save_Btn->isEnabled());
}

TEST_F(SearchTest, UndoWithNothingToUndoSaysSoAndStillMarksTheDocument) {
    startWith("text");
    frm->Undo1Click();
    EXPECT_EQ(prompter->messageTexts(), QStringList{"Cannot undo last operation .."});
    EXPECT_EQ(prompter->messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(memo().Text(), "text");
    EXPECT_TRUE(memo().Modified());
    EXPECT_TRUE(frm->Save_Btn->isEnabled());
}

TEST_F(SearchTest, UndoTakesBackATagInsertionThenTheEditBeforeIt) {
    startWith("word");
    memo().setSelStart(4);
    memo().setSelText(" more");
    memo().setSelStart(0);
    memo().setSelLength(4);
    frm->Text_Format_Click(frm->ToolBox->formatButtons().first());
    const QString tagged = memo().Text();
    ASSERT_NE(tagged, "word more");
    frm->Undo1Click();
    EXPECT_EQ(memo().Text(), "word more");
    EXPECT_EQ(selection(), (Selection{0, 4})) << "the replaced selection is selected again";
    frm->Undo1Click();
    EXPECT_EQ(memo().Text(), "word");
    EXPECT_TRUE(prompter->messages.empty());
}

// The override is what Qt asks before its own shortcuts; accepted, the press follows.
void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent override(QEvent::ShortcutOverride, key, modifiers);
    QCoreApplication::sendEvent(target, &override);
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(target, &press);
}

TEST_F(SearchTest, RedoByMenuAndBothKeysTakesAgainWhatUndoTookBackAndIsGreyedOtherwise) {
    startWith("word");
    EXPECT_FALSE(frm->Redo1->isEnabled());
    memo().setSelStart(4);
    memo().setFocus();
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_S, Qt::NoModifier, "s");
    QCoreApplication::sendEvent(&memo(), &typed);
    memo().setSelStart(0);
    memo().setSelLength(4);
    frm->Text_Format_Click(frm->ToolBox->formatButtons().first()); // a command
    const QString both = memo().Text();
    frm->Undo1Click();
    frm->Undo1Click();
    EXPECT_EQ(memo().Text(), "word");
    EXPECT_TRUE(frm->Redo1->isEnabled());

    memo().setModified(false);
    pressKey(&memo(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(memo().Text(), "words");
    EXPECT_TRUE(memo().Modified());
    pressKey(&memo(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(memo().Text(), both);
    EXPECT_FALSE(frm->Redo1->isEnabled());
    frm->Undo1Click();
    frm->Redo1->trigger();
    EXPECT_EQ(memo().Text(), both);

    // Each document has its own: another one in front has nothing to redo.
    frm->Undo1Click();
    TEditForm* first = frm->ActiveDocument();
    frm->New1Click();
    EXPECT_FALSE(frm->Redo1->isEnabled());
    frm->mdiArea->setActiveSubWindow(first);
    EXPECT_TRUE(frm->Redo1->isEnabled());
    EXPECT_TRUE(prompter->messages.empty());
}

TEST_F(SearchTest, ClipboardCommandsMoveTextAndMarkTheDocument) {
    startWith("one two");
    memo().setSelStart(0);
    memo().setSelLength(3);
    frm->Copy1Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "one");
    EXPECT_TRUE(memo().Modified()) << "Copy marks the document too";
    EXPECT_TRUE(frm->Save_Btn->isEnabled());

    memo().setModified(false);
    memo().setSelStart(4);
    memo().setSelLength(3);
    frm->ToolBox->cutButton()->click();
    EXPECT_EQ(memo().Text(), "one ");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "two");
    EXPECT_TRUE(memo().Modified());

    memo().setSelStart(0);
    frm->Paste1Click();
    EXPECT_EQ(memo().Text(), "twoone ");
}

TEST_F(SearchTest, WithNoDocumentOpenTheCommandsDoNothing) {
    start();
    ASSERT_TRUE(frm->CloseAll1Click());
    ASSERT_EQ(frm->DocumentCount(), 0);
    for (auto command :
         {&TMainFrm::Undo1Click, &TMainFrm::Redo1Click, &TMainFrm::Cut1Click, &TMainFrm::Copy1Click,
          &TMainFrm::Paste1Click, &TMainFrm::Find1Click, &TMainFrm::FindNext1Click, &TMainFrm::FindDialogFind,
          &TMainFrm::Replace1Click, &TMainFrm::ReplaceDialogFind, &TMainFrm::RemoveTags1Click})
        (frm.get()->*command)();
    frm->ReplaceDialogReplace(false);
    frm->ReplaceDialogReplace(true);
    EXPECT_TRUE(prompter->messages.empty());
    EXPECT_TRUE(prompter->dialogsShown.empty());
    EXPECT_EQ(frm->FindDialog, nullptr);
    EXPECT_EQ(frm->ReplaceDialog, nullptr);
}

} // namespace
