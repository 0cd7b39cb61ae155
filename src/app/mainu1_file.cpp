// Document windows and the file commands.
#include "mainu1.h"

#include "app_messages.h"
#include "settings_keys.h"
#include "toolbox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QTabBar>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

namespace zorvel {

TEditForm* TMainFrm::newDocumentWindow() {
    auto* form = new TEditForm;
    form->MemoPad->setFont(font());
    form->onCloseRequest = [this](TEditForm& f) { return documentCloseRequest(f); };
    form->onClosed = [this](TEditForm& f) { documentClosed(f); };
    TSRichEdit* memo = form->MemoPad;
    connect(memo, &QPlainTextEdit::textChanged, this, [this, form] {
        if (form == ActiveDocument())
            Save_Btn->setEnabled(true);
    });
    connect(memo, &TSRichEdit::keyDown, this, [this] { Save_Btn->setEnabled(true); });
    // The position display follows the caret after whatever moved it or changed the
    // text: a key, the mouse, a command, Find or Replace.
    const auto followCaret = [this, form] {
        if (form == ActiveDocument())
            showCaretPosition(form);
    };
    connect(memo, &QPlainTextEdit::cursorPositionChanged, this, followCaret);
    connect(memo->document(), &QTextDocument::redoAvailable, this, [this, form] {
        if (form == ActiveDocument())
            showRedoState();
    });
    connect(memo, &QPlainTextEdit::textChanged, this, followCaret);
    form->journalId = session_->journals().newDocumentId();
    connect(memo, &QPlainTextEdit::textChanged, this, [this, form] {
        if (session_)
            session_->journals().changed(*form);
    });
    // Saved (or its changes undone): nothing is left to recover.
    connect(memo->document(), &QTextDocument::modificationChanged, this, [this, form](bool changed) {
        if (!changed && session_)
            session_->journals().remove(*form);
    });
    memo->setSyntaxColours(SyntaxColours1 && SyntaxColours1->isChecked());
    session_->add(*form);
    mdiArea->addSubWindow(form);
    form->showMaximized();
    mdiArea->setActiveSubWindow(form);
    return form;
}

void TMainFrm::showCaretPosition(TEditForm* form) {
    RowCol1->setText(QStringLiteral("%1: %2").arg(form->MemoPad->CaretRow() + 1).arg(form->MemoPad->CaretColumn() + 1));
}

void TMainFrm::showRedoState() {
    const TEditForm* active = ActiveDocument();
    Redo1->setEnabled(active && active->MemoPad->CanRedo());
}

void TMainFrm::addTab(TEditForm* form, const QString& text) {
    const QSignalBlocker block(FileTabSet);
    const int index = FileTabSet->addTab(shownLiterally(text));
    FileTabSet->setTabData(index, QVariant::fromValue(static_cast<QObject*>(form)));
    FileTabSet->setCurrentIndex(index);
    FormResize(); // the tab strip comes back with the first document
}

int TMainFrm::tabIndexOf(const TEditForm* form) const {
    for (int i = 0; i < FileTabSet->count(); ++i)
        if (FileTabSet->tabData(i).value<QObject*>() == form)
            return i;
    return -1;
}

void TMainFrm::removeTab(TEditForm* form) {
    const QSignalBlocker block(FileTabSet);
    if (const int index = tabIndexOf(form); index >= 0)
        FileTabSet->removeTab(index);
}

TEditForm* TMainFrm::OpenDocument(const QString& path, bool withTab) {
    TEditForm* form = newDocumentWindow();
    form->FileName = path;
    try {
        form->MemoPad->LoadFromFile(path);
        form->diskStamp = diskStampOf(path);
    } catch (...) {
        // The half-built window goes; the caller reports the failure.
        form->MemoPad->setModified(false);
        form->closeConfirmed();
        throw;
    }
    form->setCaption(fileNameOnly(path, env_.platform));
    if (withTab)
        addTab(form, form->caption());
    EnableDocumentCommands();
    return form;
}

bool TMainFrm::bringForwardIfOpen(const QString& path) {
    TEditForm* form = session_->findByFile(path);
    if (!form)
        return false;
    form->show();
    mdiArea->setActiveSubWindow(form);
    form->MemoPad->viewport()->update();
    form->MemoPad->SetFocus();
    return true;
}

void TMainFrm::CreateBlankHTMLFile() {
    guarded(kCreateBlankFailure, Timer::Keep, [this] {
        TEditForm* form = newDocumentWindow();
        for (const char* line : kBlankPage)
            form->MemoPad->AddLine(QLatin1String(line));
        // The skeleton is where the page starts, not an edit to take back.
        form->MemoPad->document()->clearUndoRedoStacks();
        form->setCaption(QLatin1String(kUntitledBlank));
        form->FileName.clear();
        ToolBox->setEnabled(true);
        form->MemoPad->setModified(false);
        form->MemoPad->SetFocus();
        form->MemoPad->setSelStart(kBlankPageCaret);
        RowCol1->setText(QStringLiteral("6: 1"));
        addTab(form, form->caption());
        form->MemoPad->setModified(false);
        Save_Btn->setEnabled(false);
    });
}

void TMainFrm::EnableDocumentCommands() {
    setDocumentCommandsEnabled(true);
}
void TMainFrm::DisableDocumentCommands() {
    setDocumentCommandsEnabled(false);
}

void TMainFrm::setDocumentCommandsEnabled(bool on) {
    for (QAction* a : {Close1, Close2, CloseAll1, Save1, SaveAs1, SaveAll1, Print1, PrintSetup1, SaveAsTemplate1,
                       Preview1->menuAction(), Edit1->menuAction(), HTML1->menuAction(), Forms1->menuAction(),
                       Tools1->menuAction(), Window1->menuAction()})
        a->setEnabled(on);
    for (QWidget* w : std::initializer_list<QWidget*>{ToolBox, ToolBox_Horiz, SpeedPreview_Btn})
        w->setEnabled(on);
    // The Save button always tells whether the active document has changed.
    const TEditForm* active = ActiveDocument();
    Save_Btn->setEnabled(on && active && active->MemoPad->Modified());
    showRedoState();
}

void TMainFrm::New1Click() {
    guarded(kNewFailure, Timer::Keep, [this] {
        TEditForm* made = nullptr;
        if (settings().readInteger(QStringLiteral("Templates"), QStringLiteral("No_Templates"), -1) < 0) {
            CreateBlankHTMLFile();
            EnableDocumentCommands();
            made = ActiveDocument();
        } else {
            made = newFromTemplate();
        }
        if (made) {
            made->MemoPad->viewport()->update();
            made->MemoPad->SetFocus();
        }
    });
}

void TMainFrm::Open1Click() {
    const auto path = prompter().openFileName(session_->fileDialog(QLatin1String(kOpenDialogTitle), kOpenDirKey));
    if (!path || bringForwardIfOpen(*path))
        return;
    // A document that failed half-way through its set-up goes again. Once it is
    // set up it stays, even when the start folder for the next Open cannot be
    // stored: the file is read and nothing of it is lost, and a settings file
    // that cannot be written must not keep every file from opening.
    TEditForm* form = nullptr;
    bool ready = false;
    const bool done = guarded(kOpenFailure, Timer::SwitchOff, [&] {
        form = OpenDocument(*path, true);
        // Listed only once it opened: a file that cannot be read is no recent file.
        FileHistory().addIfAbsent(*path);
        RebuildHistoryMenu();
        Save_Btn->setEnabled(false);
        Find_All_BookMarks(*form);
        ToolBox->setEnabled(true);
        EnableDocumentCommands();
        form->showMaximized();
        form->MemoPad->setModified(false);
        form->MemoPad->viewport()->update();
        ready = true;
        settings().writeString(kFilesSection, kOpenDirKey, directoryOf(*path, env_.platform));
    });
    if (!done && form && !ready) {
        form->MemoPad->setModified(false);
        form->closeConfirmed();
    }
}

TMainFrm::SaveOutcome TMainFrm::saveDocument(TEditForm& form) {
    if (fileNameOnly(form.FileName, env_.platform).trimmed().isEmpty())
        return saveDocumentAs(form);
    // Never over another program's change without asking; a reload is no save.
    if (const DiskCheck disk = checkOutsideChange(form, DiskCheckFor::Save);
        disk == DiskCheck::Reloaded || disk == DiskCheck::Cancelled)
        return SaveOutcome::Cancelled;
    SaveOutcome outcome = SaveOutcome::Failed;
    guarded(kSaveFailure, Timer::SwitchOff, [&] {
        FileHistory().moveToTop(form.FileName);
        RebuildHistoryMenu();
        session_->write(form, form.FileName);
        form.setCaption(fileNameOnly(form.FileName, env_.platform));
        form.MemoPad->setModified(false);
        outcome = SaveOutcome::Saved;
    });
    if (outcome == SaveOutcome::Saved && &form == ActiveDocument())
        Save_Btn->setEnabled(false);
    return outcome;
}

TMainFrm::SaveOutcome TMainFrm::saveDocumentAs(TEditForm& form) {
    FileDialogOptions chooser = session_->fileDialog(QLatin1String(kSaveDialogTitle), kSaveDirKey);
    if (!form.FileName.trimmed().isEmpty())
        chooser.fileName = fileNameOnly(form.FileName, env_.platform);
    const auto path = prompter().saveFileName(chooser);
    if (!path) {
        // Nothing was written, so the document stays changed.
        form.MemoPad->SetFocus();
        return SaveOutcome::Cancelled;
    }
    SaveOutcome outcome = SaveOutcome::Failed;
    guarded(kSaveAsFailure, Timer::SwitchOff, [&] {
        // Written first, so a failed save leaves name, caption and tab as they were.
        session_->write(form, *path);
        FileHistory().moveToTop(*path);
        RebuildHistoryMenu();
        mdiArea->setActiveSubWindow(&form);
        form.FileName = *path;
        form.setCaption(fileNameOnly(*path, env_.platform));
        Save_Btn->setEnabled(false);
        if (const int index = tabIndexOf(&form); index >= 0)
            FileTabSet->setTabText(index, shownLiterally(form.caption()));
        form.MemoPad->setModified(false);
        outcome = SaveOutcome::Saved;
    });
    if (outcome != SaveOutcome::Saved)
        return outcome;
    // The file is written: a folder that cannot be remembered is a matter of its own.
    guarded([&] { settings().writeString(kFilesSection, kSaveDirKey, directoryOf(*path, env_.platform)); });
    form.MemoPad->SetFocus();
    return outcome;
}

void TMainFrm::Save1Click() {
    TEditForm* form = ActiveDocument();
    if (!form)
        return;
    if (saveDocument(*form) == SaveOutcome::Saved)
        Save_Btn->setEnabled(false);
    form->MemoPad->SetFocus();
}

void TMainFrm::SaveAs1Click() {
    if (TEditForm* form = ActiveDocument())
        saveDocumentAs(*form);
}

bool TMainFrm::SaveAll1Click() {
    TEditForm* front = ActiveDocument();
    // In the order they were opened, so the questions come in an order the tabs show.
    const std::vector<TEditForm*> documents = session_->inOpeningOrder();
    for (TEditForm* form : documents) {
        if (!session_->contains(form) || !form->MemoPad->Modified())
            continue;
        // The page asked about is the one in front, so the user knows which it is.
        if (form->FileName.trimmed().isEmpty())
            mdiArea->setActiveSubWindow(form);
        // A failed save has said why, and a page reloaded from its changed file has
        // nothing left to save: the other documents are still worth saving.
        if (saveDocument(*form) == SaveOutcome::Cancelled && form->MemoPad->Modified())
            return false;
    }
    if (front && session_->contains(front)) {
        mdiArea->setActiveSubWindow(front);
        front->MemoPad->SetFocus();
    }
    return true;
}

void TMainFrm::Close1Click() {
    TEditForm* form = ActiveDocument();
    if (!form)
        return;
    guarded(kCloseFailure, Timer::SwitchOff, [&] {
        if (form->MemoPad->Modified()) {
            const MessageAnswer answer = prompter().askYesNoCancel(QLatin1String(kUnsavedTextQuestion));
            if (answer == MessageAnswer::Cancel)
                return;
            // A cancelled or failed save keeps the window and its text.
            if (answer == MessageAnswer::Yes && saveDocument(*form) != SaveOutcome::Saved)
                return;
            form->MemoPad->setModified(false);
        }
        form->closeConfirmed();
        if (DocumentCount() > 0)
            ToolBox->setEnabled(true);
        else
            DisableDocumentCommands();
    });
}

bool TMainFrm::documentCloseRequest(TEditForm& form) {
    if (form.MemoPad->Modified()) {
        const QString question =
            QLatin1String(kSaveFileQuestion) + fileNameOnly(form.FileName, env_.platform) + QLatin1String(kQuestionEnd);
        // Cancel stops this close, and with it Close All or the exit.
        const MessageAnswer answer = prompter().askYesNoCancel(question);
        if (answer == MessageAnswer::Cancel ||
            (answer == MessageAnswer::Yes && saveDocument(form) != SaveOutcome::Saved))
            return false;
        form.MemoPad->setModified(false);
    }
    Save_Btn->setEnabled(false);
    return true;
}

void TMainFrm::documentClosed(TEditForm& form) {
    // Closed with its text saved or its changes dropped: nothing is left to recover.
    session_->journals().remove(form);
    session_->remove(form);
    removeTab(&form);
    if (FileTabSet->count() == 0 || DocumentCount() == 0)
        DisableDocumentCommands();
    FormResize();
}

bool TMainFrm::CloseAll1Click() {
    bool completed = false;
    closingAll_ = true;
    guarded(kCloseAllFailure, Timer::SwitchOff, [&] {
        while (DocumentCount() > 0) {
            QCoreApplication::processEvents();
            if (DocumentCount() == 0)
                break;
            TEditForm* form = windowOrder().front();
            if (!documentCloseRequest(*form))
                return; // a cancelled or failed save stops the whole sequence
            form->closeConfirmed();
            QCoreApplication::processEvents();
        }
        while (FileTabSet->count() > 0)
            FileTabSet->removeTab(0);
        DisableDocumentCommands();
        completed = true;
    });
    closingAll_ = false;
    return completed;
}

void TMainFrm::FormActivate(TEditForm* form) {
    if (!form)
        return;
    session_->activated(*form);
    Save_Btn->setEnabled(form->MemoPad->Modified());
    // Windows come forward one after another while all are closed: no questions then
    // (a document saved on the way is still checked before it is written).
    if (!closingAll_)
        checkOutsideChange(*form, DiskCheckFor::Activation);
    // The position display belongs to the document now in front, not the designed "999: 999".
    showCaretPosition(form);
    showRedoState();
    // The status panel told of the page that was in front (a link in the live pane).
    URL_Panel->clear();
    if (const int index = tabIndexOf(form); FileTabSet->count() > 1 && index >= 0) {
        const QSignalBlocker block(FileTabSet);
        FileTabSet->setCurrentIndex(index);
    }
}

void TMainFrm::FileTabSetClick(int index) {
    if (index < 0)
        return;
    if (auto* form = qobject_cast<TEditForm*>(FileTabSet->tabData(index).value<QObject*>())) {
        FileTabSet->setCurrentIndex(index);
        form->show();
        mdiArea->setActiveSubWindow(form);
        form->raise();
        form->MemoPad->SetFocus();
    }
}

void TMainFrm::Cascade1Click() {
    if (DocumentCount() > 0)
        mdiArea->cascadeSubWindows();
}

// Side by side (vertical) or one above the other (horizontal), like the classic arrangements.
static void tile(QMdiArea* area, const std::vector<TEditForm*>& forms, bool sideBySide) {
    const QRect r = area->viewport()->rect();
    const int n = static_cast<int>(forms.size());
    for (int i = 0; i < n; ++i) {
        TEditForm* f = forms[static_cast<size_t>(i)];
        f->showNormal();
        if (sideBySide)
            f->setGeometry(r.width() * i / n, 0, r.width() * (i + 1) / n - r.width() * i / n, r.height());
        else
            f->setGeometry(0, r.height() * i / n, r.width(), r.height() * (i + 1) / n - r.height() * i / n);
    }
}

void TMainFrm::TileVertically1Click() {
    if (DocumentCount() > 0)
        tile(mdiArea, session_->inOpeningOrder(), true);
}

void TMainFrm::TileHorizonatlly1Click() {
    if (DocumentCount() > 0)
        tile(mdiArea, session_->inOpeningOrder(), false);
}

} // namespace zorvel
