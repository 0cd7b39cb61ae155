// The documents' session driven without the main window: document windows that
// no frame holds, a view that records what the window would be told.
#include "document_session.h"
#include "editfrmu.h"
#include "ini_profile.h"
#include "scripted_prompter.h"
#include "temp_dir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

struct RecordingView : SessionView {
    TEditForm* current = nullptr;
    std::vector<TEditForm*> marks;
    QStringList notes;
    QStringList journalProblems;

    TEditForm* currentDocument() const override { return current; }
    void changedMarkMoved(TEditForm& form) override { marks.push_back(&form); }
    void showNote(const QString& text, int) override { notes << text; }
    void showJournalProblem(const QString& text) override { journalProblems << text; }
};

class DocumentSessionTest : public ::testing::Test {
protected:
    TempDir tmp;
    ScriptedPrompter prompter;
    RecordingView view;
    DocumentSession session{view, prompter, {tmp.path() + '/', kHostPlatform, tmp.file("recovery")}};
    std::vector<std::unique_ptr<TEditForm>> forms;

    // A document of the file, or an untitled one.
    TEditForm& open(const QString& path = {}) { return openIn(session, path); }
    TEditForm& openIn(DocumentSession& in, const QString& path = {}) {
        auto& form = *forms.emplace_back(std::make_unique<TEditForm>());
        form.journalId = in.journals().newDocumentId();
        if (!path.isEmpty()) {
            form.FileName = path;
            form.MemoPad->LoadFromFile(path);
            form.diskStamp = diskStampOf(path);
        }
        in.add(form);
        return form;
    }
};

QStringList journals(const QString& dir) {
    return QDir(dir).entryList({"*.journal"}, QDir::Files);
}

} // namespace

TEST_F(DocumentSessionTest, TheActiveDocumentIsTheOneInFrontOrElseTheOneActiveLast) {
    TEditForm& a = open();
    TEditForm& b = open();
    TEditForm& c = open();
    EXPECT_EQ(session.active(), &c); // nothing in front: the newest
    session.activated(a);
    EXPECT_EQ(session.windowOrder(), (std::vector<TEditForm*>{&a, &c, &b}));
    view.current = &b;
    EXPECT_EQ(session.windowOrder(), (std::vector<TEditForm*>{&b, &a, &c}));
    TEditForm stranger; // a window the session does not hold is never the active document
    view.current = &stranger;
    EXPECT_EQ(session.active(), &a);
    session.remove(a);
    EXPECT_EQ(session.active(), &c);
    EXPECT_EQ(session.inOpeningOrder(), (std::vector<TEditForm*>{&b, &c}));
    session.remove(b);
    session.remove(c);
    EXPECT_EQ(session.active(), nullptr);
    EXPECT_TRUE(session.windowOrder().empty());
}

TEST_F(DocumentSessionTest, AnOpenFileIsFoundByAnyOfItsNames) {
    QDir(tmp.path()).mkdir("sub");
    const QString path = tmp.write("sub/a.htm", "a");
    TEditForm& untitled = open();
    TEditForm& form = open(path);
    ASSERT_TRUE(QFile::link(path, tmp.file("link.htm")));
    ASSERT_TRUE(QFile::link(tmp.file("sub"), tmp.file("dirlink")));
    for (const QString& name : {path, tmp.file("sub/../sub/a.htm"), tmp.file("link.htm"), tmp.file("dirlink/a.htm")})
        EXPECT_EQ(session.findByFile(name), &form) << name.toStdString();
    form.FileName = tmp.file("dirlink/a.htm"); // opened under the link's name
    EXPECT_EQ(session.findByFile(path), &form);
    for (const QString& name : {QString(), tmp.file("sub/b.htm"), tmp.file("a.htm")})
        EXPECT_EQ(session.findByFile(name), nullptr) << name.toStdString();
    EXPECT_NE(session.findByFile(""), &untitled);
}

// The check tells the window what it must show: a note for a quiet reload, the
// changed mark after every outcome; a kept text is journaled.
TEST_F(DocumentSessionTest, AnOutsideChangeIsToldToTheViewAndAKeptTextJournaled) {
    const QString path = tmp.write("a.htm", "mine");
    TEditForm& form = open(path);
    tmp.write("a.htm", "theirs, longer");
    EXPECT_EQ(session.checkOutsideChange(form, DocumentSession::DiskCheckFor::Activation),
              DocumentSession::DiskCheck::Reloaded);
    EXPECT_EQ(form.MemoPad->Text(), "theirs, longer");
    EXPECT_EQ(view.notes, QStringList{path + " was changed outside Zorvel and has been reloaded."});
    EXPECT_EQ(view.marks, std::vector<TEditForm*>{&form});

    form.MemoPad->setSelText("edit ");
    tmp.write("a.htm", "theirs again");
    prompter.queueChoice(1); // keep my version
    EXPECT_EQ(session.checkOutsideChange(form, DocumentSession::DiskCheckFor::Save), DocumentSession::DiskCheck::Kept);
    EXPECT_TRUE(form.MemoPad->Modified());
    EXPECT_EQ(view.marks.size(), 2u);
    session.journals().tick();
    EXPECT_EQ(journals(tmp.file("recovery")).size(), 1);
    EXPECT_EQ(session.checkOutsideChange(form, DocumentSession::DiskCheckFor::Save),
              DocumentSession::DiskCheck::Unchanged);
}

// The view shows the journals' trouble until a journal is written again; the
// user is told once.
TEST_F(DocumentSessionTest, JournalTroubleIsShownUntilItIsOverAndToldOnce) {
    const QString dir = tmp.write("blocked", "a file where the folder should be");
    DocumentSession blocked{view, prompter, {tmp.path() + '/', kHostPlatform, dir}};
    RecoveryJournals& journals = blocked.journals();
    TEditForm& form = openIn(blocked);
    form.MemoPad->setSelText("typed");
    journals.changed(form);
    EXPECT_TRUE(journals.timer()->isActive());
    journals.tick();
    journals.changed(form);
    journals.tick();
    const QString told = "Unsaved changes are not being kept for recovery: cannot write " + dir + ": Not a directory";
    EXPECT_EQ(prompter.messageTexts(), QStringList{told});
    EXPECT_EQ(view.journalProblems, (QStringList{told, told}));
    EXPECT_EQ(journals.problem(), told);

    QFile::remove(dir);
    journals.tick(); // the retry
    EXPECT_EQ(::journals(dir).size(), 1);
    EXPECT_EQ(view.journalProblems.last(), "");
    EXPECT_EQ(journals.problem(), "");
}

TEST_F(DocumentSessionTest, TheAutomaticSaveCountsOpenSecondsAndStaysOffAfterAFailedPass) {
    AutoSave& autoSave = session.autoSave();
    autoSave.configure(1);
    for (int i = 0; i < 100; ++i)
        EXPECT_FALSE(autoSave.countSecond()); // no document open
    open();
    for (int i = 1; i < 60; ++i)
        EXPECT_FALSE(autoSave.countSecond());
    EXPECT_TRUE(autoSave.countSecond());

    autoSave.setOn(true);
    for (const bool passes : {true, false}) {
        SCOPED_TRACE(passes);
        autoSave.whilePaused([&] {
            EXPECT_FALSE(autoSave.timer()->isActive());
            EXPECT_TRUE(autoSave.engaged()); // a failure now switches it off for good
            return passes;
        });
        EXPECT_EQ(autoSave.timer()->isActive(), passes);
        EXPECT_EQ(autoSave.engaged(), passes);
    }
    autoSave.configure(0);
    autoSave.setOn(true); // not configured: stays off
    EXPECT_FALSE(autoSave.timer()->isActive());
}

// One pass: a named document is written, one whose file another program changed
// is left for the user, an untitled one is offered.
TEST_F(DocumentSessionTest, TheAutomaticSaveWritesNamedDocumentsButNotOverAnotherProgramsChange) {
    TEditForm& mine = open(tmp.write("mine.htm", "m"));
    TEditForm& theirs = open(tmp.write("theirs.htm", "t"));
    TEditForm& untitled = open();
    for (TEditForm* form : {&mine, &theirs, &untitled})
        form->MemoPad->setSelText("edit ");
    tmp.write("theirs.htm", "changed outside");
    prompter.queueAnswer(MessageAnswer::No);
    session.autoSave().saveChangedDocuments();
    EXPECT_EQ(tmp.read("mine.htm"), QByteArray("edit m"));
    EXPECT_EQ(tmp.read("theirs.htm"), QByteArray("changed outside"));
    EXPECT_FALSE(mine.MemoPad->Modified());
    EXPECT_TRUE(theirs.MemoPad->Modified());
    EXPECT_TRUE(untitled.autoSaveDeclined);
    EXPECT_EQ(view.marks, std::vector<TEditForm*>{&mine});
    EXPECT_EQ(session.settings().readString("Files", "Save_Dir", ""), tmp.path() + '/');
}
