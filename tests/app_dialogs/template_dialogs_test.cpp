#include "scripted_prompter.h"
#include "template_fixture.h"
#include "tempmku.h"
#include "tempu.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::ScriptedPrompter;
using zorvel::testing::TemplateFixture;

namespace {

QStringList listed(QDialog& d) {
    QStringList out;
    auto* list = d.findChild<QListWidget*>("Template_List");
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QListWidget& list(QDialog& d) {
    return *d.findChild<QListWidget*>("Template_List");
}

// Fills TMakeTemp's fields and presses OK.
ScriptedPrompter::DialogScript typeTemplate(const QString& name, const QString& descr) {
    return [=](QDialog& d) {
        d.findChild<QLineEdit*>("Template_Name")->setText(name);
        d.findChild<QPlainTextEdit*>("Template_Descr")->setPlainText(descr);
        return int(QDialog::Accepted);
    };
}

} // namespace

TEST(TemplateChooser, NothingToChooseReturnsWithoutADialog) {
    TemplateFixture fx;
    ScriptedPrompter prompter;
    EXPECT_EQ(chooseTemplate(prompter, fx.ini, fx.programDir, nullptr).kind, TemplateChoiceKind::NoTemplates);
    fx.ini.writeInteger("Templates", "No_Templates", 0);
    EXPECT_EQ(chooseTemplate(prompter, fx.ini, fx.programDir, nullptr).kind, TemplateChoiceKind::NoUsable);
    fx.plant(1, "Gone");
    QFile::remove(TemplateIndex::filePath(fx.programDir, 1));
    EXPECT_EQ(chooseTemplate(prompter, fx.ini, fx.programDir, nullptr).kind, TemplateChoiceKind::NoUsable);
    EXPECT_TRUE(prompter.dialogsShown.empty());
}

TEST(TemplateChooser, ListsInNumberOrderAndShowsTheClickedDescription) {
    TemplateFixture fx;
    fx.plant(1, "Zeta", "the last letter");
    const QString alpha = fx.plant(2, "Alpha", "the first letter");
    ScriptedPrompter prompter;
    prompter.queueDialog([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Select a Template.");
        EXPECT_EQ(listed(d), QStringList({"Zeta", "Alpha"}));
        EXPECT_EQ(list(d).currentRow(), -1);
        list(d).setCurrentRow(1);
        emit list(d).itemClicked(list(d).item(1));
        EXPECT_EQ(d.findChild<QLabel*>("Template_Descr")->text(), "the first letter");
        return int(QDialog::Accepted);
    });
    const TemplateChoice choice = chooseTemplate(prompter, fx.ini, fx.programDir, nullptr);
    EXPECT_EQ(choice.kind, TemplateChoiceKind::Chosen);
    EXPECT_EQ(choice.path, alpha);
    EXPECT_EQ(prompter.dialogsShown, std::vector<QString>{"zorvel::TGetTemp"});
}

TEST(TemplateChooser, CancelAndOkWithoutASelectionBothCancelBlankPageAsksForIt) {
    TemplateFixture fx;
    fx.plant(1, "Only");
    ScriptedPrompter prompter;
    prompter.queueDialog([](QDialog& d) {
        list(d).setCurrentRow(0);
        return int(QDialog::Rejected);
    });
    prompter.queueDialog([](QDialog& d) {
        d.findChild<QPushButton*>("OK_Btn")->click();
        return d.result();
    });
    prompter.queueDialog([](QDialog& d) {
        d.findChild<QPushButton*>("Blank_Btn")->click();
        return d.result();
    });
    EXPECT_EQ(chooseTemplate(prompter, fx.ini, fx.programDir, nullptr).kind, TemplateChoiceKind::Cancelled);
    EXPECT_EQ(chooseTemplate(prompter, fx.ini, fx.programDir, nullptr).kind, TemplateChoiceKind::Cancelled);
    EXPECT_EQ(chooseTemplate(prompter, fx.ini, fx.programDir, nullptr).kind, TemplateChoiceKind::BlankPage);
    EXPECT_TRUE(prompter.drained());
}

TEST(SaveAsTemplate, ListsUsableNamesSortedWithTheFirstSelected) {
    TemplateFixture fx;
    fx.plant(1, "Zeta");
    fx.plant(2, "Alpha");
    fx.plant(3, "middle");
    fx.plant(4, "Deleted");
    QFile::remove(TemplateIndex::filePath(fx.programDir, 4));
    ScriptedPrompter prompter;
    prompter.queueDialog([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Save as a Template");
        EXPECT_EQ(listed(d), QStringList({"Alpha", "middle", "Zeta"}));
        EXPECT_EQ(list(d).currentRow(), 0);
        EXPECT_TRUE(d.findChild<QLineEdit*>("Template_Name")->text().isEmpty());
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(saveAsTemplate(prompter, fx.ini, fx.programDir, nullptr));
    EXPECT_EQ(fx.key("No_Templates"), "4");
}

TEST(SaveAsTemplate, ClickingAnEntryTakesItsNameAndAStoredDescription) {
    TemplateFixture fx;
    fx.plant(1, "Zeta", "described");
    fx.plant(2, "Alpha");
    ScriptedPrompter prompter;
    prompter.queueDialog([](QDialog& d) {
        auto* name = d.findChild<QLineEdit*>("Template_Name");
        auto* descr = d.findChild<QPlainTextEdit*>("Template_Descr");
        descr->setPlainText("typed");
        emit list(d).itemClicked(list(d).item(0)); // Alpha, no description: the typed one stays
        EXPECT_EQ(name->text(), "Alpha");
        EXPECT_EQ(descr->toPlainText(), "typed");
        list(d).setCurrentRow(1); // Zeta, with the arrow keys
        EXPECT_EQ(name->text(), "Zeta");
        EXPECT_EQ(descr->toPlainText(), "described");
        return int(QDialog::Accepted);
    });
    const auto saved = saveAsTemplate(prompter, fx.ini, fx.programDir, nullptr);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->number, 1);
    EXPECT_EQ(saved->path, TemplateIndex::filePath(fx.programDir, 1));
}

TEST(SaveAsTemplate, FirstTemplateWithoutASectionAndAnEmptyListAtZero) {
    TemplateFixture fx;
    ScriptedPrompter prompter;
    prompter.queueDialog([](QDialog& d) {
        EXPECT_TRUE(listed(d).isEmpty());
        return typeTemplate("My page", "line one\nline two")(d);
    });
    const auto saved = saveAsTemplate(prompter, fx.ini, fx.programDir, nullptr);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->number, 1);
    EXPECT_EQ(saved->path, fx.programDir + "template/temp1.tpl");
    EXPECT_EQ(templateCaption(saved->number), "temp1.tpl");
    EXPECT_EQ(fx.key("TempDescr_1"), "line one");

    TemplateFixture zero;
    zero.ini.writeInteger("Templates", "No_Templates", 0);
    prompter.queueDialog([](QDialog& d) {
        EXPECT_TRUE(listed(d).isEmpty());
        return typeTemplate("Next", "")(d);
    });
    EXPECT_EQ(saveAsTemplate(prompter, zero.ini, zero.programDir, nullptr)->number, 1);
}

TEST(SaveAsTemplate, ABlankNameStoresNothing) {
    TemplateFixture fx;
    fx.plant(1, "Zeta");
    const QByteArray before = fx.tmp.read("zor-vel.ini");
    ScriptedPrompter prompter;
    prompter.queueDialog(typeTemplate("   ", "description"));
    prompter.queueDialog(typeTemplate("", ""));
    EXPECT_FALSE(saveAsTemplate(prompter, fx.ini, fx.programDir, nullptr));
    EXPECT_FALSE(saveAsTemplate(prompter, fx.ini, fx.programDir, nullptr));
    EXPECT_EQ(fx.tmp.read("zor-vel.ini"), before);
}

TEST(SaveAsTemplate, AgainUnderAnExistingNameAndUnderAnotherCase) {
    TemplateFixture fx;
    fx.plant(1, "Zeta", "z");
    fx.plant(2, "Alpha", "a");
    ScriptedPrompter prompter;
    prompter.queueDialog(typeTemplate("Alpha", "rewritten"));
    prompter.queueDialog(typeTemplate("alpha", "lower"));
    EXPECT_EQ(saveAsTemplate(prompter, fx.ini, fx.programDir, nullptr)->number, 2);
    EXPECT_EQ(fx.key("TempDescr_2"), "rewritten");
    EXPECT_EQ(fx.key("TempDescr_1"), "z");
    EXPECT_EQ(saveAsTemplate(prompter, fx.ini, fx.programDir, nullptr)->number, 3);
}

TEST(TemplateDialogs, HintsAndLabelsAsTheUserSeesThem) {
    TemplateFixture fx;
    TemplateIndex index(fx.ini, fx.programDir);
    TMakeTemp make(index);
    TGetTemp get;
    struct Case {
        QDialog* dialog;
        const char* control;
        const char* hint;
    } cases[] = {
        {&make, "Template_List", "List of avialable templates"},
        {&make, "Template_Name", "Name for template."},
        {&make, "Template_Descr", "Description of selected template"},
        {&get, "Template_List", "List of avialble templates"},
        {&get, "Template_Descr", "Description of selected template"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.dialog->findChild<QWidget*>(c.control)->toolTip(), c.hint) << c.control;
    for (QDialog* d : {static_cast<QDialog*>(&make), static_cast<QDialog*>(&get)}) {
        EXPECT_EQ(d->findChild<QPushButton*>("OK_Btn")->text(), "&Ok");
        EXPECT_EQ(d->findChild<QPushButton*>("Cancel_Btn")->text(), "&Cancel");
        EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint);
    }
    EXPECT_EQ(get.findChild<QLabel*>("Heading_Label")->text(), "Select a Template.");
}

TEST(TemplateChooser, MovingWithTheKeysChoosesTheEntry) {
    TemplateFixture fx;
    fx.plant(1, "Zeta");
    const QString alpha = fx.plant(2, "Alpha");
    ScriptedPrompter prompter;
    prompter.queueDialog([](QDialog& d) {
        list(d).setFocus();
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(&list(d), &down);
        QCoreApplication::sendEvent(&list(d), &down);
        return int(QDialog::Accepted);
    });
    const TemplateChoice choice = chooseTemplate(prompter, fx.ini, fx.programDir, nullptr);
    EXPECT_EQ(choice.kind, TemplateChoiceKind::Chosen);
    EXPECT_EQ(choice.path, alpha);
}
