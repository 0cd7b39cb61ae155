#pragma once
// The list of recently used files, most recent first. It has no length limit
// while the program runs; the menu shows and the settings file keeps five.
#include "path_rules.h"

#include <QStringList>

namespace zorvel {

class IniProfile;

class RecentFiles {
public:
    static constexpr int kShown = 5;

    explicit RecentFiles(Platform platform = kHostPlatform) : platform_(platform) {}

    const QStringList& entries() const { return entries_; }
    bool isEmpty() const { return entries_.isEmpty(); }
    int count() const { return static_cast<int>(entries_.size()); }
    bool contains(const QString& path) const;

    // Remove an equal entry, then put the path first (Save, Save As, reopen).
    void moveToTop(const QString& path);
    // Put the path first only when no equal entry is listed (Open).
    void addIfAbsent(const QString& path);
    // Reopen: the chosen entry itself (not merely an equal one) goes first.
    void moveEntryToTop(int index) {
        if (index > 0 && index < count())
            entries_.move(index, 0);
    }

    // The stored entries that still name usable files, in their order, as
    // many as the menu shows.
    void load(const IniProfile& ini, const FileExists& exists);
    // At most five, in their stored form; nothing is written for an empty list.
    void store(const IniProfile& ini) const;

private:
    qsizetype indexOf(const QString& path) const;

    Platform platform_;
    QStringList entries_;
};

} // namespace zorvel
