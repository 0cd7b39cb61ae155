#include "autosave.h"

#include "app_messages.h"
#include "document_session.h"
#include "editfrmu.h"
#include "ini_profile.h"
#include "settings_keys.h"

namespace zorvel {

AutoSave::AutoSave(DocumentSession& session, Prompter& prompter, SessionView& view)
    : session_(session), prompter_(prompter), view_(view) {
    timer_.setInterval(1000);
}

void AutoSave::setOn(bool on) {
    if (on && counter_.configured())
        timer_.start();
    else
        timer_.stop();
}

bool AutoSave::countSecond() {
    return counter_.tick(session_.count() > 0);
}

void AutoSave::whilePaused(const std::function<bool()>& pass) {
    timer_.stop();
    saving_ = true;
    const bool done = pass();
    saving_ = false;
    if (done)
        setOn(true);
}

void AutoSave::saveChangedDocuments() {
    const IniProfile ini = session_.settings();
    const Platform platform = session_.platform();
    QString dir = ini.readString(kFilesSection, kSaveDirKey, session_.programDir());
    for (TEditForm* form : session_.windowOrder()) {
        if (!form->MemoPad->Modified() || form->autoSaveDeclined)
            continue;
        if (!form->FileName.trimmed().isEmpty()) {
            // Another program's change to the file waits for the user to decide.
            // (A deleted file is written again: that overwrites nobody's work.)
            if (diskChangeSince(form->diskStamp, form->FileName) == DiskChange::Changed)
                continue;
            session_.write(*form, form->FileName);
        } else {
            const QString question = QLatin1String(kAutoSaveQuestion) + form->caption() + QLatin1String(kQuestionEnd);
            std::optional<QString> path;
            if (prompter_.askYesNo(question)) {
                FileDialogOptions chooser = session_.fileDialog(QLatin1String(kSaveDialogTitle), kSaveDirKey);
                chooser.directory = dir;
                chooser.fileName = QLatin1String(kAutoSaveProposedName);
                path = prompter_.saveFileName(chooser);
            }
            if (!path) {
                // Not asked again until the page changes; it stays changed, so closing it still asks.
                form->autoSaveDeclined = true;
                continue;
            }
            session_.write(*form, *path);
            form->FileName = *path;
            form->setCaption(fileNameOnly(*path, platform));
        }
        dir = directoryOf(form->FileName, platform);
        ini.writeString(kFilesSection, kSaveDirKey, dir);
        form->MemoPad->setModified(false);
        view_.changedMarkMoved(*form);
    }
    ini.writeString(kFilesSection, kSaveDirKey, dir);
}

} // namespace zorvel
