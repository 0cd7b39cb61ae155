// Files changed or deleted by other programs while they are open here.
#include "document_session.h"

#include "app_messages.h"
#include "editfrmu.h"
#include "error_box.h"

namespace zorvel {

namespace {
// How long the status line tells of a file reloaded from the disk.
constexpr int kReloadNoticeMs = 10000;
} // namespace

bool DocumentSession::reload(TEditForm& form) {
    // The caret stays where it was, as far as the new text reaches.
    const int caret = form.MemoPad->SelStart();
    if (!guarded(prompter_, [&] { form.MemoPad->LoadFromFile(form.FileName); }))
        return false;
    form.MemoPad->setSelStart(caret);
    form.diskStamp = diskStampOf(form.FileName);
    form.postponedDisk.reset();
    return true;
}

DocumentSession::DiskCheck DocumentSession::checkOutsideChange(TEditForm& form, DiskCheckFor moment) {
    if (checkingDisk_ || form.FileName.trimmed().isEmpty())
        return DiskCheck::Unchanged;
    const DiskChange change = diskChangeSince(form.diskStamp, form.FileName);
    if (change == DiskChange::Same)
        return DiskCheck::Unchanged;
    if (moment == DiskCheckFor::Activation && form.postponedDisk &&
        diskChangeSince(*form.postponedDisk, form.FileName) == DiskChange::Same)
        return DiskCheck::Cancelled;
    // The question takes the focus; activations meanwhile must not ask again.
    checkingDisk_ = true;
    DiskCheck result = DiskCheck::Kept;
    if (change == DiskChange::Deleted) {
        prompter_.notice(QLatin1String(kDeletedOutside).arg(form.FileName), MessageIcon::Warning);
        form.diskStamp = diskStampOf(form.FileName);
    } else if (!form.MemoPad->Modified()) {
        // Nothing of the user's is lost by taking the file as it is now.
        if (reload(form)) {
            result = DiskCheck::Reloaded;
            view_.showNote(QLatin1String(kReloadedOutside).arg(form.FileName), kReloadNoticeMs);
        } else {
            result = DiskCheck::Cancelled;
            form.postponedDisk = diskStampOf(form.FileName);
        }
    } else {
        // Enter, Escape and the box's close all keep both texts as they are.
        constexpr int kReload = 0, kKeep = 1, kCancel = 2;
        const int answer = prompter_.chooseWithDefault(
            QLatin1String(kChangedOutsideUnsaved).arg(form.FileName), MessageIcon::Warning,
            {QLatin1String(kReloadButton), QLatin1String(kKeepButton), QLatin1String(kCancelButton)}, kCancel, kCancel);
        if (answer == kReload && reload(form)) {
            result = DiskCheck::Reloaded;
        } else if (answer == kKeep) {
            form.diskStamp = diskStampOf(form.FileName);
            form.postponedDisk.reset();
        } else {
            result = DiskCheck::Cancelled;
            form.postponedDisk = diskStampOf(form.FileName);
        }
    }
    if (result == DiskCheck::Kept) {
        // The text kept differs from the file: it counts as changed, so it is saved or
        // asked about, and its journal learns that this state of the file was seen.
        form.MemoPad->setModified(true);
        journals_.changed(form);
    }
    view_.changedMarkMoved(form);
    checkingDisk_ = false;
    return result;
}

} // namespace zorvel
