#pragma once
// The recovery journals of the open documents: a changed document's text is
// written to its journal shortly after its first change, a journal that could
// not be written is tried again and the user told once, and at start-up the
// journals a crashed run left are offered back.
#include "recovery_store.h"

#include <QTimer>
#include <optional>
#include <vector>

namespace zorvel {

class DocumentSession;
class Prompter;
class SessionView;
class TEditForm;

class RecoveryJournals {
public:
    // An empty directory keeps no journals.
    RecoveryJournals(const QString& directory, const DocumentSession& session, Prompter& prompter, SessionView& view);
    RecoveryJournals(const RecoveryJournals&) = delete;
    RecoveryJournals& operator=(const RecoveryJournals&) = delete;

    // Names a new document's journal: unique in the run.
    int newDocumentId() { return ++lastDocumentId_; }

    // The document's text changed: its journal follows when the timer runs out.
    void changed(const TEditForm& form);
    // Writes the journals of the documents changed since the last tick (and
    // removes those of documents no longer changed).
    void tick();
    // Writes every changed document's journal now: the run is ending under the program.
    void flush();
    // Nothing of the document is left to recover: saved, dropped or closed.
    void remove(const TEditForm& form);
    QTimer* timer() { return &timer_; }

    // The journals' trouble as the status line shows it; empty while there is none.
    const QString& problem() const { return problem_; }

    // The journals of runs that ended abnormally, offered back to the user: the
    // ones to recover; none when there were none or the user discarded them.
    std::vector<OrphanJournal> offerOrphans();
    // Puts a journal's text into a new document, which takes it over as its own
    // journal; why the journal could not be moved, when it could not.
    std::optional<QString> restore(const OrphanJournal& orphan, TEditForm& form);
    // The journals' state after a round of writes: told once per run, in a box the
    // first time; the status line shows it until a journal is written again.
    void showProblem(const std::optional<QString>& problem);

private:
    // Writes or removes the document's journal; why it could not, for the user.
    std::optional<QString> write(const TEditForm& form);

    const DocumentSession& session_;
    Prompter& prompter_;
    SessionView& view_;
    RecoveryStore store_;
    QTimer timer_;
    std::vector<int> due_;
    int lastDocumentId_ = 0;
    QString problem_;
    bool problemTold_ = false;
};

} // namespace zorvel
