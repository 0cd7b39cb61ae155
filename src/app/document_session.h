#pragma once
// The documents open in the main window and what keeps their text safe: which
// one is active and the orders the commands take them in, their files on disk
// (written here, watched for other programs' changes), their recovery journals,
// the automatic save, and the files used recently. It makes and shows no
// widget: the window that shows the documents answers it through SessionView.
#include "autosave.h"
#include "path_rules.h"
#include "prompter.h"
#include "recent_files.h"
#include "recovery_journals.h"

#include <vector>

namespace zorvel {

class IniProfile;
class TEditForm;

// What the session needs of the window that shows its documents.
class SessionView {
public:
    virtual ~SessionView() = default;
    // The document the window system has in front, if it knows one.
    virtual TEditForm* currentDocument() const = 0;
    // The document's changed mark may have moved; the window's Save button
    // follows the active document's.
    virtual void changedMarkMoved(TEditForm& form) = 0;
    // A note that passes after a while.
    virtual void showNote(const QString& text, int milliseconds) = 0;
    // The recovery journals' lasting trouble; empty once it is over.
    virtual void showJournalProblem(const QString& text) = 0;
};

struct SessionPlace {
    QString programDir; // ends in the separator; the settings file lives there
    Platform platform = kHostPlatform;
    QString recoveryDir; // where unsaved text is journaled; empty keeps no journals
};

class DocumentSession {
public:
    DocumentSession(SessionView& view, Prompter& prompter, SessionPlace place);
    DocumentSession(const DocumentSession&) = delete;
    DocumentSession& operator=(const DocumentSession&) = delete;

    int count() const { return static_cast<int>(documents_.size()); }
    bool contains(const TEditForm* form) const;
    // The active document: the one in front when the window system knows it,
    // otherwise the one active last; none exactly when no document is open.
    TEditForm* active() const;
    // The active document first, then in the order they were last active.
    std::vector<TEditForm*> windowOrder() const;
    // In the order they were opened.
    const std::vector<TEditForm*>& inOpeningOrder() const { return documents_; }

    // The open document of that file, if any: the same file however it is named
    // (relative, through "..", through a symbolic link).
    TEditForm* findByFile(const QString& path) const;

    // A new document, in front of the others.
    void add(TEditForm& form);
    // The window system brought the document to the front.
    void activated(TEditForm& form);
    void remove(TEditForm& form);

    // Writes the document's text to path; the file is then as this run wrote it.
    void write(TEditForm& form, const QString& path);
    // Reads the document's file again, keeping the caret where the new text
    // reaches; false, and the user told why, when it cannot be read.
    bool reload(TEditForm& form);

    // Deals with a file another program changed or deleted: reloaded at once when
    // the document has no unsaved changes, otherwise the user is asked (Reload,
    // Keep my version, Cancel). Before a save only Unchanged and Kept let it go on.
    enum class DiskCheck { Unchanged, Reloaded, Kept, Cancelled };
    enum class DiskCheckFor { Activation, Save };
    DiskCheck checkOutsideChange(TEditForm& form, DiskCheckFor moment);

    IniProfile settings() const;
    // The open or save dialog for documents, starting in the folder stored under dirKey.
    FileDialogOptions fileDialog(const QString& title, const QString& dirKey) const;
    const QString& programDir() const { return place_.programDir; }
    Platform platform() const { return place_.platform; }

    RecentFiles& history() { return history_; }
    RecoveryJournals& journals() { return journals_; }
    AutoSave& autoSave() { return autoSave_; }

private:
    SessionView& view_;
    Prompter& prompter_;
    SessionPlace place_;
    std::vector<TEditForm*> documents_;       // in opening order
    std::vector<TEditForm*> activationOrder_; // most recently active first
    bool checkingDisk_ = false;               // a question about an outside change is open
    RecentFiles history_;
    RecoveryJournals journals_;
    AutoSave autoSave_;
};

} // namespace zorvel
