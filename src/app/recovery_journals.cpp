#include "recovery_journals.h"

#include "app_messages.h"
#include "document_session.h"
#include "editfrmu.h"

#include "atomic_write.h"
#include "errors.h"

#include <algorithm>
#include <utility>

namespace zorvel {

namespace {
// The journal follows the typing this long after its first change; a journal that
// could not be written is tried again after the longer pause.
constexpr int kJournalDelayMs = 1500;
constexpr int kJournalRetryMs = 30000;
} // namespace

RecoveryJournals::RecoveryJournals(const QString& directory, const DocumentSession& session, Prompter& prompter,
                                   SessionView& view)
    : session_(session), prompter_(prompter), view_(view), store_(directory) {
    timer_.setSingleShot(true);
    timer_.setInterval(kJournalDelayMs);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { tick(); });
}

void RecoveryJournals::changed(const TEditForm& form) {
    if (!store_.enabled())
        return;
    if (std::find(due_.begin(), due_.end(), form.journalId) == due_.end())
        due_.push_back(form.journalId);
    // Started by the first change, not restarted by the next ones: the journal is
    // never more than the timer's interval behind, and never written per keystroke.
    if (!timer_.isActive())
        timer_.start(kJournalDelayMs);
}

void RecoveryJournals::remove(const TEditForm& form) {
    store_.remove(form.journalId);
}

std::optional<QString> RecoveryJournals::write(const TEditForm& form) {
    try {
        if (form.MemoPad->Modified())
            store_.write(form.journalId,
                         {form.FileName, form.MemoPad->exactText(), form.MemoPad->fileFormat(), form.diskStamp});
        else
            store_.remove(form.journalId);
        return std::nullopt;
    } catch (const FileWriteError& e) {
        return QLatin1String(kJournalNotKept).arg(e.path(), e.systemReason());
    } catch (const std::exception& e) {
        return QLatin1String(kJournalNotKept).arg(store_.journalPath(form.journalId), errorText(e));
    }
}

void RecoveryJournals::showProblem(const std::optional<QString>& problem) {
    if (!problem) {
        if (!problem_.isEmpty()) {
            problem_.clear();
            view_.showJournalProblem(problem_);
        }
        return;
    }
    problem_ = *problem;
    view_.showJournalProblem(problem_);
    // Tried again quietly, whether the user types on or not.
    timer_.start(kJournalRetryMs);
    if (!problemTold_) {
        problemTold_ = true;
        prompter_.notice(problem_, MessageIcon::Warning);
    }
}

void RecoveryJournals::tick() {
    timer_.stop();
    const std::vector<int> due = std::exchange(due_, {});
    std::optional<QString> problem;
    for (TEditForm* form : session_.inOpeningOrder()) {
        if (std::find(due.begin(), due.end(), form->journalId) == due.end())
            continue;
        if (std::optional<QString> why = write(*form)) {
            problem = std::move(why);
            due_.push_back(form->journalId);
        }
    }
    showProblem(problem);
}

void RecoveryJournals::flush() {
    if (!store_.enabled())
        return;
    timer_.stop();
    due_.clear();
    // The run is ending: nothing more can be done about a journal that fails now.
    for (TEditForm* form : session_.inOpeningOrder())
        write(*form);
}

std::vector<OrphanJournal> RecoveryJournals::offerOrphans() {
    std::vector<OrphanJournal> orphans = store_.orphans();
    if (orphans.empty())
        return {};
    QStringList names;
    for (const OrphanJournal& o : orphans)
        names << (o.entry.fileName.isEmpty() ? QLatin1String(kUntitledBlank) : o.entry.fileName);
    const QString question = QLatin1String(kRecoveryQuestion).arg(names.join(QStringLiteral("\r\n")));
    // Escape keeps the text: only a deliberate choice throws it away.
    const int answer = prompter_.choose(question, MessageIcon::Warning,
                                        {QLatin1String(kRecoverButton), QLatin1String(kDiscardButton)}, 0);
    if (answer != 0) {
        for (const OrphanJournal& o : orphans)
            store_.discard(o);
        return {};
    }
    return orphans;
}

std::optional<QString> RecoveryJournals::restore(const OrphanJournal& orphan, TEditForm& form) {
    const JournalEntry& entry = orphan.entry;
    form.MemoPad->loadText(entry.text, entry.format);
    form.FileName = entry.fileName;
    // The file as the crashed run last read or wrote it: a change made since
    // then is another program's, and is asked about like any other.
    form.diskStamp = entry.disk;
    form.setCaption(entry.fileName.isEmpty() ? QLatin1String(kUntitledBlank)
                                             : fileNameOnly(entry.fileName, session_.platform()));
    form.MemoPad->setModified(true);
    // The old journal becomes this run's; one that cannot be moved stays where it is.
    try {
        store_.adopt(orphan, form.journalId);
    } catch (const FileWriteError& e) {
        return QLatin1String(kJournalNotKept).arg(e.path(), e.systemReason());
    }
    return std::nullopt;
}

} // namespace zorvel
