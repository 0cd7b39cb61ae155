// The window's side of the safety net under the user's text: the status line
// that tells of the journals and of reloaded files, the look at the disk when
// the user comes back, the journals of a crashed run offered back, and the end
// of the run under the program. The journals and the checks themselves live in
// the documents' session.
#include "mainu1.h"

#include "toolbox.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QStatusBar>
#include <QToolButton>

namespace zorvel {

void TMainFrm::createSafetyNet() {
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
        const QString& problem = session_->journals().problem();
        if (text.isEmpty() && !problem.isEmpty())
            bar->showMessage(problem);
        else
            bar->setVisible(!text.isEmpty());
    });
}

TEditForm* TMainFrm::currentDocument() const {
    return mdiArea ? qobject_cast<TEditForm*>(mdiArea->currentSubWindow()) : nullptr;
}

void TMainFrm::changedMarkMoved(TEditForm& form) {
    if (&form == ActiveDocument())
        Save_Btn->setEnabled(form.MemoPad->Modified());
}

void TMainFrm::showNote(const QString& text, int milliseconds) {
    statusBar()->showMessage(text, milliseconds);
}

void TMainFrm::showJournalProblem(const QString& text) {
    if (text.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(text);
}

void TMainFrm::terminate() {
    session_->journals().flush();
    // The journals stay for the next run; no document is closed and nothing is asked.
    terminating_ = true;
    env_.endProcess(0);
}

bool TMainFrm::offerRecovery() {
    RecoveryJournals& journals = session_->journals();
    const std::vector<OrphanJournal> orphans = journals.offerOrphans();
    if (orphans.empty())
        return false;
    std::optional<QString> problem;
    for (const OrphanJournal& o : orphans) {
        TEditForm* form = newDocumentWindow();
        if (std::optional<QString> why = journals.restore(o, *form))
            problem = std::move(why);
        addTab(form, form->caption());
    }
    ToolBox->setEnabled(true);
    EnableDocumentCommands();
    if (problem)
        journals.showProblem(problem);
    if (TEditForm* active = ActiveDocument())
        checkOutsideChange(*active, DiskCheckFor::Activation);
    return true;
}

} // namespace zorvel
