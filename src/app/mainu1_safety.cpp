// The safety net under the user's text: recovery journals of unsaved changes,
// and files changed or deleted by other programs while they are open here.
#include "mainu1.h"

#include "app_messages.h"
#include "recovery_store.h"
#include "toolbox.h"

#include "atomic_write.h"

#include <QGuiApplication>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

namespace zorvel {

namespace {
// The journal follows the typing this long after its first change; a journal that
// could not be written is tried again after the longer pause.
constexpr int kJournalDelayMs = 1500;
constexpr int kJournalRetryMs = 30000;
// How long the status bar tells of a file reloaded from the disk.
constexpr int kReloadNoticeMs = 10000;
} // namespace

void TMainFrm::createSafetyNet() {
    recovery_ = std::make_unique<RecoveryStore>(env_.recoveryDir);
    JournalTimer = new QTimer(this);
    JournalTimer->setSingleShot(true);
    JournalTimer->setInterval(kJournalDelayMs);
    connect(JournalTimer, &QTimer::timeout, this, &TMainFrm::JournalTick);
    // Coming back from another program is when its changes to an open file show.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive && !closingAll_)
            if (TEditForm* form = ActiveDocument())
                checkOutsideChange(*form, DiskCheckFor::Activation);
    });
    // The status bar takes room only while it has something to say; a passing
    // message gives way to the journals' trouble again when it ends.
    QStatusBar* bar = statusBar();
    bar->hide();
    connect(bar, &QStatusBar::messageChanged, this, [this, bar](const QString& text) {
        if (text.isEmpty() && !journalProblem_.isEmpty())
            bar->showMessage(journalProblem_);
        else
            bar->setVisible(!text.isEmpty());
    });
}

void TMainFrm::journalChanged(TEditForm& form) {
    if (!recovery_ || !recovery_->enabled())
        return;
    if (std::find(journalsDue_.begin(), journalsDue_.end(), form.journalId) == journalsDue_.end())
        journalsDue_.push_back(form.journalId);
    // Started by the first change, not restarted by the next ones: the journal is
    // never more than the timer's interval behind, and never written per keystroke.
    if (!JournalTimer->isActive())
        JournalTimer->start(kJournalDelayMs);
}

std::optional<QString> TMainFrm::writeJournal(TEditForm& form) {
    try {
        if (form.MemoPad->Modified())
            recovery_->write(form.journalId,
                             {form.FileName, form.MemoPad->exactText(), form.MemoPad->fileFormat(), form.diskStamp});
        else
            recovery_->remove(form.journalId);
        return std::nullopt;
    } catch (const FileWriteError& e) {
        return QLatin1String(kJournalNotKept).arg(e.path(), e.reason());
    } catch (const std::exception& e) {
        return QLatin1String(kJournalNotKept)
            .arg(recovery_->journalPath(form.journalId), QString::fromLocal8Bit(e.what()));
    }
}

void TMainFrm::showJournalProblem(const std::optional<QString>& problem) {
    if (!problem) {
        if (!journalProblem_.isEmpty()) {
            journalProblem_.clear();
            statusBar()->clearMessage();
        }
        return;
    }
    journalProblem_ = *problem;
    statusBar()->showMessage(journalProblem_);
    // Tried again quietly, whether the user types on or not.
    JournalTimer->start(kJournalRetryMs);
    if (!journalProblemTold_) {
        journalProblemTold_ = true;
        prompter().notice(journalProblem_, MessageIcon::Warning);
    }
}

void TMainFrm::JournalTick() {
    JournalTimer->stop();
    const std::vector<int> due = std::exchange(journalsDue_, {});
    std::optional<QString> problem;
    for (TEditForm* form : documents_) {
        if (std::find(due.begin(), due.end(), form->journalId) == due.end())
            continue;
        if (std::optional<QString> why = writeJournal(*form)) {
            problem = std::move(why);
            journalsDue_.push_back(form->journalId);
        }
    }
    showJournalProblem(problem);
}

void TMainFrm::flushJournals() {
    if (!recovery_ || !recovery_->enabled())
        return;
    JournalTimer->stop();
    journalsDue_.clear();
    // The run is ending: nothing more can be done about a journal that fails now.
    for (TEditForm* form : documents_)
        writeJournal(*form);
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
    std::optional<QString> problem;
    for (const OrphanJournal& o : orphans) {
        TEditForm* form = newDocumentWindow();
        form->MemoPad->loadText(o.entry.text, o.entry.format);
        form->FileName = o.entry.fileName;
        // The file as the crashed run last read or wrote it: a change made since
        // then is another program's, and is asked about like any other.
        form->diskStamp = o.entry.disk;
        form->setCaption(o.entry.fileName.isEmpty() ? QLatin1String(kUntitledBlank)
                                                    : fileNameOnly(o.entry.fileName, env_.platform));
        addTab(form, form->caption());
        form->MemoPad->setModified(true);
        // The old journal becomes this run's; one that cannot be moved stays where it is.
        try {
            recovery_->adopt(o, form->journalId);
        } catch (const FileWriteError& e) {
            problem = QLatin1String(kJournalNotKept).arg(e.path(), e.reason());
        }
    }
    ToolBox->setEnabled(true);
    EnableDocumentCommands();
    if (problem)
        showJournalProblem(problem);
    if (TEditForm* active = ActiveDocument())
        checkOutsideChange(*active, DiskCheckFor::Activation);
    return true;
}

bool TMainFrm::reloadFromDisk(TEditForm& form) {
    // The caret stays where it was, as far as the new text reaches.
    const int caret = form.MemoPad->SelStart();
    try {
        form.MemoPad->LoadFromFile(form.FileName);
    } catch (const std::exception& e) {
        showError(e);
        return false;
    }
    form.MemoPad->setSelStart(caret);
    form.diskStamp = diskStampOf(form.FileName);
    form.postponedDisk.reset();
    return true;
}

TMainFrm::DiskCheck TMainFrm::checkOutsideChange(TEditForm& form, DiskCheckFor moment) {
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
        prompter().notice(QLatin1String(kDeletedOutside).arg(form.FileName), MessageIcon::Warning);
        form.diskStamp = diskStampOf(form.FileName);
    } else if (!form.MemoPad->Modified()) {
        // Nothing of the user's is lost by taking the file as it is now.
        if (reloadFromDisk(form)) {
            result = DiskCheck::Reloaded;
            statusBar()->showMessage(QLatin1String(kReloadedOutside).arg(form.FileName), kReloadNoticeMs);
        } else {
            result = DiskCheck::Cancelled;
            form.postponedDisk = diskStampOf(form.FileName);
        }
    } else {
        // Enter, Escape and the box's close all keep both texts as they are.
        constexpr int kReload = 0, kKeep = 1, kCancel = 2;
        const int answer = prompter().chooseWithDefault(
            QLatin1String(kChangedOutsideUnsaved).arg(form.FileName), MessageIcon::Warning,
            {QLatin1String(kReloadButton), QLatin1String(kKeepButton), QLatin1String(kCancelButton)}, kCancel, kCancel);
        if (answer == kReload && reloadFromDisk(form)) {
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
        journalChanged(form);
    }
    if (&form == ActiveDocument())
        Save_Btn->setEnabled(form.MemoPad->Modified());
    checkingDisk_ = false;
    return result;
}

} // namespace zorvel
