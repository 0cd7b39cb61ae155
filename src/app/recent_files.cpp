#include "recent_files.h"

#include "ini_profile.h"

#include <algorithm>

namespace zorvel {

namespace {
const QString kSection = QStringLiteral("File_History");
const QString kCount = QStringLiteral("No_Files");
QString entryKey(int n) {
    return QStringLiteral("File_%1").arg(n);
}
} // namespace

qsizetype RecentFiles::indexOf(const QString& path) const {
    for (qsizetype i = 0; i < entries_.size(); ++i)
        if (samePath(entries_[i], path, platform_))
            return i;
    return -1;
}

bool RecentFiles::contains(const QString& path) const {
    return indexOf(path) >= 0;
}

void RecentFiles::moveToTop(const QString& path) {
    if (const qsizetype i = indexOf(path); i >= 0)
        entries_.removeAt(i);
    entries_.prepend(path);
}

void RecentFiles::addIfAbsent(const QString& path) {
    if (!contains(path))
        entries_.prepend(path);
}

void RecentFiles::load(const IniProfile& profile, const FileExists& exists) {
    const IniSnapshot ini(profile.path(), {kSection});
    const int stored =
        std::min(ini.readInteger(kSection, kCount, -1), ini.lastNumber(kSection, QStringLiteral("File_")));
    // Entries after the fifth usable one could never be shown or stored.
    for (int n = 1; n <= stored && entries_.size() < kShown; ++n) {
        const QString path = ini.readString(kSection, entryKey(n), QString());
        if (isUsableRecentFile(path, exists, platform_))
            entries_.append(path);
    }
}

void RecentFiles::store(const IniProfile& ini) const {
    if (entries_.isEmpty())
        return;
    const int n = std::min(count(), kShown);
    ini.writeInteger(kSection, kCount, n);
    for (int i = 0; i < n; ++i)
        ini.writeString(kSection, entryKey(i + 1), storedPathForm(entries_[i], platform_));
}

} // namespace zorvel
