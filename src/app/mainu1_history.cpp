// Recent files and the automatic save.
#include "mainu1.h"

#include "app_messages.h"
#include "settings_keys.h"

#include <QMdiArea>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

namespace zorvel {

void TMainFrm::RebuildHistoryMenu() {
    for (QAction* entry : MenuEntry) {
        entry->setText(QString());
        entry->setVisible(false);
    }
    if (FileHistory.isEmpty()) {
        HistorySeparator->setVisible(false);
        return;
    }
    const int shown = std::min(FileHistory.count(), RecentFiles::kShown);
    for (int i = 0; i < shown; ++i) {
        MenuEntry[static_cast<size_t>(i)]->setText(QStringLiteral("&%1 - ").arg(i + 1) +
                                                   shownLiterally(FileHistory.entries()[i]));
        MenuEntry[static_cast<size_t>(i)]->setVisible(true);
    }
    HistorySeparator->setVisible(true);
}

void TMainFrm::ReOpenClick(int entry) {
    if (entry < 1 || entry > FileHistory.count())
        return;
    const QString path = FileHistory.entries()[entry - 1];
    try {
        TEditForm* form = OpenDocument(path, true);
        FileHistory.moveEntryToTop(entry - 1);
        RebuildHistoryMenu();
        form->showMaximized();
        EnableDocumentCommands();
    } catch (const std::exception& e) {
        showError(e);
    }
}

void TMainFrm::SaverTimerTimer() {
    if (!autoSave.tick(DocumentCount() > 0))
        return;
    TEditForm* remembered = ActiveDocument();
    SaverTimer->stop();
    savingAutomatically_ = true;
    const bool done = guarded(kSaverTimerFailure, Timer::SwitchOff, [&] {
        const IniProfile ini = settings();
        QString dir = ini.readString(kFilesSection, kSaveDirKey, env_.programDir);
        for (TEditForm* form : windowOrder()) {
            if (!form->MemoPad->Modified() || form->autoSaveDeclined)
                continue;
            if (!form->FileName.trimmed().isEmpty()) {
                // Another program's change to the file waits for the user to decide.
                // (A deleted file is written again: that overwrites nobody's work.)
                if (diskChangeSince(form->diskStamp, form->FileName) == DiskChange::Changed)
                    continue;
                writeDocument(*form, form->FileName);
            } else {
                const QString question =
                    QLatin1String(kAutoSaveQuestion) + form->caption() + QLatin1String(kQuestionEnd);
                std::optional<QString> path;
                if (prompter().askYesNo(question)) {
                    FileDialogOptions chooser = fileDialog(QLatin1String(kSaveDialogTitle), kSaveDirKey);
                    chooser.directory = dir;
                    chooser.fileName = QLatin1String(kAutoSaveProposedName);
                    path = prompter().saveFileName(chooser);
                }
                if (!path) {
                    // Not asked again until the page changes; it stays changed, so closing it still asks.
                    form->autoSaveDeclined = true;
                    continue;
                }
                writeDocument(*form, *path);
                form->FileName = *path;
                form->setCaption(fileNameOnly(*path, env_.platform));
            }
            dir = directoryOf(form->FileName, env_.platform);
            ini.writeString(kFilesSection, kSaveDirKey, dir);
            form->MemoPad->setModified(false);
            if (form == ActiveDocument())
                Save_Btn->setEnabled(false);
        }
        ini.writeString(kFilesSection, kSaveDirKey, dir);
    });
    savingAutomatically_ = false;
    if (done)
        setSaverTimerOn(true);
    if (remembered && std::find(documents_.begin(), documents_.end(), remembered) != documents_.end())
        remembered->MemoPad->SetFocus();
}

} // namespace zorvel
