#include "document_session.h"

#include "app_messages.h"
#include "editfrmu.h"
#include "ini_profile.h"
#include "settings_keys.h"

#include <QFileInfo>
#include <algorithm>

namespace zorvel {

DocumentSession::DocumentSession(SessionView& view, Prompter& prompter, SessionPlace place)
    : view_(view), prompter_(prompter), place_(std::move(place)), history_(place_.platform),
      journals_(place_.recoveryDir, *this, prompter, view), autoSave_(*this, prompter, view) {}

bool DocumentSession::contains(const TEditForm* form) const {
    return std::find(documents_.begin(), documents_.end(), form) != documents_.end();
}

TEditForm* DocumentSession::active() const {
    if (TEditForm* current = view_.currentDocument(); current && contains(current))
        return current;
    return activationOrder_.empty() ? nullptr : activationOrder_.front();
}

std::vector<TEditForm*> DocumentSession::windowOrder() const {
    std::vector<TEditForm*> order;
    if (TEditForm* front = active())
        order.push_back(front);
    for (TEditForm* form : activationOrder_)
        if (form != order.front())
            order.push_back(form);
    return order;
}

// A file's one name: symbolic links resolved while it exists, otherwise made absolute.
static QString canonicalName(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

TEditForm* DocumentSession::findByFile(const QString& path) const {
    if (path.trimmed().isEmpty())
        return nullptr;
    const QString wanted = canonicalName(path);
    for (TEditForm* form : documents_)
        if (!form->FileName.trimmed().isEmpty() && samePath(canonicalName(form->FileName), wanted, place_.platform))
            return form;
    return nullptr;
}

void DocumentSession::add(TEditForm& form) {
    documents_.push_back(&form);
    activationOrder_.insert(activationOrder_.begin(), &form);
}

void DocumentSession::activated(TEditForm& form) {
    if (auto it = std::find(activationOrder_.begin(), activationOrder_.end(), &form); it != activationOrder_.end())
        std::rotate(activationOrder_.begin(), it, it + 1);
}

void DocumentSession::remove(TEditForm& form) {
    std::erase(documents_, &form);
    std::erase(activationOrder_, &form);
}

void DocumentSession::write(TEditForm& form, const QString& path) {
    form.MemoPad->SaveToFile(path);
    form.diskStamp = diskStampOf(path);
    form.postponedDisk.reset();
}

IniProfile DocumentSession::settings() const {
    return IniProfile(place_.programDir + kSettingsFileName);
}

FileDialogOptions DocumentSession::fileDialog(const QString& title, const QString& dirKey) const {
    FileDialogOptions chooser;
    chooser.title = title;
    chooser.directory = settings().readString(kFilesSection, dirKey, place_.programDir);
    chooser.filter = qtFileFilter(QLatin1String(kDocumentFilter));
    chooser.defaultSuffix = QLatin1String(kDefaultExtension);
    return chooser;
}

} // namespace zorvel
