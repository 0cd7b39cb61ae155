// Find, replace, undo and the clipboard on the active document's editor.
#include "mainu1.h"

#include "find_dialogs.h"
#include "find_replace.h"
#include "text_file.h"
#include "tools_texts.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

namespace zorvel {

namespace {

constexpr FailureMessage kUndoFailure = {kUndoFailureText, true, ""};

TSRichEdit* activeEditor(const TMainFrm& frm) {
    TEditForm* form = frm.ActiveDocument();
    return form ? form->MemoPad : nullptr;
}

bool hasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// Puts the result of Replace All into the editor as one undoable edit. Matches
// within a line are replaced from the last to the first, which keeps the
// view where it is; a find text spanning lines replaces the whole text.
void applyReplaceAll(TSRichEdit& memo, const ReplaceAllResult& result, const QString& findText,
                     const QString& replaceText) {
    QTextCursor cursor(memo.document());
    cursor.beginEditBlock();
    if (hasLineBreak(findText)) {
        cursor.select(QTextCursor::Document);
        cursor.insertText(normalizeLineBreaks(result.text));
    } else {
        const QString inserted = normalizeLineBreaks(replaceText);
        for (auto it = result.matches.rbegin(); it != result.matches.rend(); ++it) {
            cursor.setPosition(memo.toDocumentPosition(int(*it)));
            cursor.setPosition(memo.toDocumentPosition(int(*it + findText.size())), QTextCursor::KeepAnchor);
            cursor.insertText(inserted);
        }
    }
    cursor.endEditBlock();
    memo.setSelStart(int(result.caret));
}

} // namespace

SearchState& TMainFrm::searchState() {
    if (!search_)
        search_ = std::make_unique<SearchState>();
    return *search_;
}

// The dialogs are made on first use and live as long as the window; Find Next
// reads the find dialog's text even before it was ever shown.
TFindDialog& TMainFrm::findDialog() {
    if (!FindDialog) {
        FindDialog = new TFindDialog(this);
        connect(FindDialog, &TFindDialog::findNext, this, &TMainFrm::FindDialogFind);
    }
    return *FindDialog;
}

TReplaceDialog& TMainFrm::replaceDialog() {
    if (!ReplaceDialog) {
        ReplaceDialog = new TReplaceDialog(this);
        connect(ReplaceDialog, &TReplaceDialog::findNext, this, &TMainFrm::ReplaceDialogFind);
        connect(ReplaceDialog, &TReplaceDialog::replace, this, [this] { ReplaceDialogReplace(false); });
        connect(ReplaceDialog, &TReplaceDialog::replaceAll, this, [this] { ReplaceDialogReplace(true); });
    }
    return *ReplaceDialog;
}

// Search next: selects the match in whatever editor is active and scrolls its
// row to the middle of the view.
bool TMainFrm::searchNext() {
    TSRichEdit* memo = activeEditor(*this);
    if (!memo)
        return false;
    const std::optional<SearchMatch> match = searchState().searchNext();
    if (!match)
        return false;
    memo->SetFocus();
    memo->setSelStart(int(match->offset));
    memo->setSelLength(int(match->length));
    memo->ScrollToLine(centredFirstRow(memo->CaretRow(), memo->VisibleLineCount()));
    return true;
}

void TMainFrm::Undo1Click() {
    TSRichEdit* memo = activeEditor(*this);
    if (!memo)
        return;
    guarded(kUndoFailure, Timer::SwitchOff, [&] {
        if (memo->CanUndo())
            memo->Undo();
        else
            prompter().notice(QLatin1String(kCannotUndoText));
        markChanged(*memo);
        memo->SetFocus();
    });
}

void TMainFrm::Redo1Click() {
    TSRichEdit* memo = activeEditor(*this);
    if (!memo || !memo->CanRedo())
        return;
    memo->Redo();
    markChanged(*memo);
    memo->SetFocus();
}

void TMainFrm::Cut1Click() {
    if (TSRichEdit* memo = activeEditor(*this)) {
        memo->CutToClipboard();
        markChanged(*memo);
        memo->SetFocus();
    }
}

void TMainFrm::Copy1Click() {
    if (TSRichEdit* memo = activeEditor(*this)) {
        memo->CopyToClipboard();
        markChanged(*memo);
        memo->SetFocus();
    }
}

void TMainFrm::Paste1Click() {
    if (TSRichEdit* memo = activeEditor(*this)) {
        memo->PasteFromClipboard();
        markChanged(*memo);
        memo->SetFocus();
    }
}

void TMainFrm::Find1Click() {
    if (activeEditor(*this))
        findDialog().showOrRaise();
}

// The dialog has hidden itself; every press searches from the top again, or
// upwards from the caret.
void TMainFrm::FindDialogFind() {
    TSRichEdit* memo = activeEditor(*this);
    if (!memo)
        return;
    TFindDialog& dialog = findDialog();
    dialog.hide();
    // The editor gets the keys again (F3 next), also where no window manager
    // hands the activation back from the closed dialog.
    activateWindow();
    searchState().startSearch(memo->Text(), dialog.findText(),
                              {dialog.matchCase(), dialog.wholeWord(), dialog.directionUp()}, memo->SelStart());
    if (!searchNext())
        prompter().notice(notFoundMessage(dialog.findText()));
}

// Continues in the snapshot of the last search, whatever was edited since.
void TMainFrm::FindNext1Click() {
    if (!activeEditor(*this))
        return;
    if (!searchNext())
        prompter().notice(notFoundMessage(findDialog().findText()));
}

void TMainFrm::Replace1Click() {
    if (activeEditor(*this))
        replaceDialog().showOrRaise();
}

void TMainFrm::ReplaceDialogFind() {
    TSRichEdit* memo = activeEditor(*this);
    if (!memo)
        return;
    TReplaceDialog& dialog = replaceDialog();
    searchState().startSearch(memo->Text(), dialog.findText(), {dialog.matchCase(), dialog.wholeWord()});
    if (searchNext())
        markChanged(*memo);
    else
        prompter().notice(notFoundMessage(dialog.findText()));
}

// Both start from the top: Replace takes the first match of the document,
// whatever is selected.
void TMainFrm::ReplaceDialogReplace(bool all) {
    TSRichEdit* memo = activeEditor(*this);
    if (!memo)
        return;
    TReplaceDialog& dialog = replaceDialog();
    SearchState& state = searchState();
    const QString findText = dialog.findText();
    const bool matchCase = dialog.matchCase();
    if (all) {
        const ReplaceAllResult result =
            state.replaceAll(memo->Text(), findText, dialog.replaceText(), matchCase, dialog.wholeWord());
        if (result.matches.empty())
            return;
        applyReplaceAll(*memo, result, findText, dialog.replaceText());
        markChanged(*memo);
        memo->SetFocus();
        return;
    }
    state.startSearch(memo->Text(), findText, {matchCase, dialog.wholeWord()});
    state.setReplaceText(dialog.replaceText());
    if (!searchNext()) {
        prompter().notice(notFoundMessage(findText));
        return;
    }
    Save_Btn->setEnabled(true);
    memo->setSelText(state.replaceText());
    state.replaceMatch(memo->Text(), matchCase);
}

} // namespace zorvel
