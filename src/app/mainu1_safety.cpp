// The safety net under the user's text: recovery journals of unsaved changes,
// and files changed or deleted by other programs while they are open here.
#include "mainu1.h"

#include "app_messages.h"
#include "recovery_store.h"
#include "toolbox.h"

#include <QTabBar>
#include <QTimer>
#include <QToolButton>

namespace zorvel {

void TMainFrm::journalChanged(TEditForm& form) {
    if (!recovery_ || !recovery_->enabled())
        return;
    if (std::find(journalsDue_.begin(), journalsDue_.end(), form.journalId) == journalsDue_.end())
        journalsDue_.push_back(form.journalId);
    // Started by the first change, not restarted by the next ones: the journal is
    // never more than the timer's interval behind, and never written per keystroke.
    if (!JournalTimer->isActive())
        JournalTimer->start();
}

static void writeJournal(const RecoveryStore& store, TEditForm& form) {
    try {
        if (form.MemoPad->Modified())
            store.write(form.journalId, {form.FileName, form.MemoPad->exactText(), form.MemoPad->fileFormat()});
        else
            store.remove(form.journalId);
    } catch (const std::exception&) {
        // The journal is a safety net: a full disk shows when the user saves.
    }
}

void TMainFrm::JournalTick() {
    JournalTimer->stop();
    const std::vector<int> due = std::exchange(journalsDue_, {});
    for (TEditForm* form : documents_)
        if (std::find(due.begin(), due.end(), form->journalId) != due.end())
            writeJournal(*recovery_, *form);
}

void TMainFrm::flushJournals() {
    if (!recovery_ || !recovery_->enabled())
        return;
    JournalTimer->stop();
    journalsDue_.clear();
    for (TEditForm* form : documents_)
        writeJournal(*recovery_, *form);
}

void TMainFrm::terminate() {
    flushJournals();
    // The journals stay for the next run; no document is closed and nothing is asked.
    terminating_ = true;
    env_.endProcess(0);
}

bool TMainFrm::offerRecovery() {
    if (!recovery_)
        return false;
    const std::vector<OrphanJournal> orphans = recovery_->orphans();
    if (orphans.empty())
        return false;
    QStringList names;
    for (const OrphanJournal& o : orphans)
        names << (o.entry.fileName.isEmpty() ? QLatin1String(kUntitledBlank) : o.entry.fileName);
    const QString question = QLatin1String(kRecoveryQuestion).arg(names.join(QStringLiteral("\r\n")));
    // Escape keeps the text: only a deliberate choice throws it away.
    const int answer = prompter().choose(question, MessageIcon::Warning,
                                         {QLatin1String(kRecoverButton), QLatin1String(kDiscardButton)}, 0);
    if (answer != 0) {
        for (const OrphanJournal& o : orphans)
            recovery_->discard(o);
        return false;
    }
    for (const OrphanJournal& o : orphans) {
        TEditForm* form = newDocumentWindow();
        form->MemoPad->loadText(o.entry.text, o.entry.format);
        form->FileName = o.entry.fileName;
        form->diskStamp = diskStampOf(o.entry.fileName);
        form->setCaption(o.entry.fileName.isEmpty() ? QLatin1String(kUntitledBlank)
                                                    : fileNameOnly(o.entry.fileName, env_.platform));
        addTab(form, form->caption());
        form->MemoPad->setModified(true);
        // Journaled again under this run before the old journal goes.
        writeJournal(*recovery_, *form);
        recovery_->discard(o);
    }
    ToolBox->setEnabled(true);
    EnableDocumentCommands();
    return true;
}

TMainFrm::DiskCheck TMainFrm::checkOutsideChange(TEditForm& form) {
    if (checkingDisk_ || form.FileName.trimmed().isEmpty() || !form.diskStamp.exists)
        return DiskCheck::Unchanged;
    const DiskStamp now = diskStampOf(form.FileName);
    if (now == form.diskStamp)
        return DiskCheck::Unchanged;
    // The question takes the focus; activations meanwhile must not ask again.
    checkingDisk_ = true;
    DiskCheck result = DiskCheck::Kept;
    if (!now.exists) {
        prompter().notice(QLatin1String(kDeletedOutside).arg(form.FileName), MessageIcon::Warning);
    } else {
        const int answer = prompter().choose(QLatin1String(kChangedOutside).arg(form.FileName), MessageIcon::Warning,
                                             {QLatin1String(kReloadButton), QLatin1String(kKeepButton)}, 1);
        if (answer == 0) {
            try {
                form.MemoPad->LoadFromFile(form.FileName);
                result = DiskCheck::Reloaded;
            } catch (const std::exception& e) {
                showError(e);
            }
        }
    }
    form.diskStamp = diskStampOf(form.FileName);
    // The text kept differs from the file: it counts as changed, so it is saved or asked about.
    if (result == DiskCheck::Kept)
        form.MemoPad->setModified(true);
    if (&form == ActiveDocument())
        Save_Btn->setEnabled(form.MemoPad->Modified());
    checkingDisk_ = false;
    return result;
}

} // namespace zorvel
