// Recent files and the automatic save.
#include "mainu1.h"

#include "app_messages.h"

#include <QMenu>

namespace zorvel {

void TMainFrm::RebuildHistoryMenu() {
    for (QAction* entry : MenuEntry) {
        entry->setText(QString());
        entry->setVisible(false);
    }
    if (FileHistory().isEmpty()) {
        HistorySeparator->setVisible(false);
        return;
    }
    const int shown = std::min(FileHistory().count(), RecentFiles::kShown);
    for (int i = 0; i < shown; ++i) {
        MenuEntry[static_cast<size_t>(i)]->setText(QStringLiteral("&%1 - ").arg(i + 1) +
                                                   shownLiterally(FileHistory().entries()[i]));
        MenuEntry[static_cast<size_t>(i)]->setVisible(true);
    }
    HistorySeparator->setVisible(true);
}

void TMainFrm::ReOpenClick(int entry) {
    if (entry < 1 || entry > FileHistory().count())
        return;
    const QString path = FileHistory().entries()[entry - 1];
    if (bringForwardIfOpen(path)) {
        FileHistory().moveEntryToTop(entry - 1);
        RebuildHistoryMenu();
        return;
    }
    guarded([&] {
        TEditForm* form = OpenDocument(path, true);
        FileHistory().moveEntryToTop(entry - 1);
        RebuildHistoryMenu();
        form->showMaximized();
        EnableDocumentCommands();
    });
}

void TMainFrm::SaverTimerTimer() {
    AutoSave& autoSave = session_->autoSave();
    if (!autoSave.countSecond())
        return;
    TEditForm* remembered = ActiveDocument();
    autoSave.whilePaused(
        [&] { return guarded(kSaverTimerFailure, Timer::SwitchOff, [&] { autoSave.saveChangedDocuments(); }); });
    if (remembered && session_->contains(remembered))
        remembered->MemoPad->SetFocus();
}

} // namespace zorvel
