// Remove Tags on the active document or its selection.
#include "mainu1.h"
#include "settings_keys.h"

#include "app_messages.h"
#include "remtags_run.h"
#include "tools_texts.h"

#include <QToolButton>

namespace zorvel {

namespace {
constexpr FailureMessage kRemoveTagsFailure = {kRemoveTagsFailureText, true, ""};
} // namespace

void TMainFrm::RemoveTags1Click() {
    TEditForm* form = ActiveDocument();
    if (!form)
        return;
    TSRichEdit* memo = form->MemoPad;
    // No automatic save may write the document while the run reads it.
    setSaverTimerOn(false);

    RemoveTagsRequest request;
    request.selection = memo->SelLength() >= 1;
    request.workingText = request.selection ? memo->SelText() : memo->Text();
    request.programDir = programDir();
    request.saveDialog = session_->fileDialog(QLatin1String(kSaveDialogTitle), kSaveDirKey);
    request.documentText = [memo] { return memo->Text(); };
    request.rowOfOffset = [memo](int offset) { return memo->RowOfOffset(offset); };

    // A failure leaves the timer off, as after any unexpected failure.
    const bool ended = guarded(kRemoveTagsFailure, Timer::SwitchOff, [&] {
        const RemoveTagsOutcome outcome = runRemoveTags(prompter(), this, request);
        switch (outcome.action) {
        case RemoveTagsOutcome::Action::Nothing:
            break;
        case RemoveTagsOutcome::Action::ShowMessage:
            prompter().notice(outcome.text, MessageIcon::Error);
            break;
        case RemoveTagsOutcome::Action::ReplaceSelection:
            memo->setSelText(outcome.text);
            markChanged(*memo);
            break;
        }
    });
    form->update();
    memo->SetFocus();
    if (ended)
        setSaverTimerOn(true);
}

} // namespace zorvel
