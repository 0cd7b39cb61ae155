#include "dialog_child.h"
#include "find_dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace zorvel {
namespace {

using testing::child;

// Counts the emissions of one signal.
struct Counter {
    int count = 0;
    template <typename Sender, typename Signal> Counter(Sender* sender, Signal signal) {
        QObject::connect(sender, signal, [this] { ++count; });
    }
};

TEST(TFindDialog, DefaultsAndFindNextHidesTheDialog) {
    TFindDialog dlg;
    EXPECT_FALSE(dlg.isModal());
    EXPECT_FALSE(child<QCheckBox>(dlg, "MatchCase")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dlg, "WholeWord")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dlg, "DirectionDown")->isChecked());
    auto* findNext = child<QPushButton>(dlg, "FindNext_Btn");
    EXPECT_FALSE(findNext->isEnabled()) << "nothing to find yet";

    dlg.showOrRaise();
    child<QLineEdit>(dlg, "FindText")->setText("abc");
    child<QCheckBox>(dlg, "MatchCase")->setChecked(true);
    child<QRadioButton>(dlg, "DirectionUp")->setChecked(true);
    EXPECT_EQ(dlg.findText(), "abc");
    EXPECT_TRUE(dlg.matchCase());
    EXPECT_TRUE(dlg.directionUp());

    Counter spy(&dlg, &TFindDialog::findNext);
    bool hiddenWhenSignalled = false;
    QObject::connect(&dlg, &TFindDialog::findNext, [&] { hiddenWhenSignalled = !dlg.isVisible(); });
    findNext->click();
    EXPECT_EQ(spy.count, 1);
    EXPECT_TRUE(hiddenWhenSignalled);

    dlg.showOrRaise();
    EXPECT_EQ(dlg.findText(), "abc") << "the text is kept for the next Find";
    child<QPushButton>(dlg, "Cancel_Btn")->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(spy.count, 1);
}

TEST(TReplaceDialog, EachButtonSignalsAndTheDialogStays) {
    TReplaceDialog dlg;
    EXPECT_FALSE(dlg.isModal());
    dlg.showOrRaise();
    child<QLineEdit>(dlg, "FindText")->setText("a");
    child<QLineEdit>(dlg, "ReplaceText")->setText("aa");
    EXPECT_EQ(dlg.findText(), "a");
    EXPECT_EQ(dlg.replaceText(), "aa");
    EXPECT_FALSE(dlg.matchCase());

    Counter find(&dlg, &TReplaceDialog::findNext);
    Counter one(&dlg, &TReplaceDialog::replace);
    Counter all(&dlg, &TReplaceDialog::replaceAll);
    child<QPushButton>(dlg, "FindNext_Btn")->click();
    child<QPushButton>(dlg, "Replace_Btn")->click();
    child<QPushButton>(dlg, "Replace_Btn")->click();
    child<QPushButton>(dlg, "ReplaceAll_Btn")->click();
    EXPECT_EQ(find.count, 1);
    EXPECT_EQ(one.count, 2);
    EXPECT_EQ(all.count, 1);
    EXPECT_TRUE(dlg.isVisible());

    child<QLineEdit>(dlg, "FindText")->clear();
    for (const char* name : {"FindNext_Btn", "Replace_Btn", "ReplaceAll_Btn"})
        EXPECT_FALSE(child<QPushButton>(dlg, name)->isEnabled()) << name;
    child<QPushButton>(dlg, "Cancel_Btn")->click();
    EXPECT_FALSE(dlg.isVisible());
}

} // namespace
} // namespace zorvel
