#pragma once
// The settings file, read and written one key at a time with the rules of
// Windows private profiles: names match without case, a missing file, section
// or key gives the caller's default, and a write is on disk when it returns.
// Nothing is cached: every call opens the file by name.
#include "errors.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace zorvel {

// "Unable to write to PATH"; the reason the system gave, when there is one, apart.
class IniWriteError : public FileError {
public:
    explicit IniWriteError(const QString& path, QString reason = {});
};

// One reading of the settings file, parsed once: what a loop over numbered keys
// reads from, so that it does not read the whole file again for every key.
class IniSnapshot {
public:
    explicit IniSnapshot(const QString& path);
    // Only the keys of these sections (names without case) are kept; the
    // rest of the file is passed over unread, however large it has grown.
    IniSnapshot(const QString& path, const QStringList& sections);

    QString readString(const QString& section, const QString& key, const QString& def) const;
    int readInteger(const QString& section, const QString& key, int def) const;
    bool readBool(const QString& section, const QString& key, bool def) const;
    bool hasKey(const QString& section, const QString& key) const;
    // The highest n for which the section holds the key prefix + n (n from 1), or 0.
    // A loop up to a stored count stops there: keys that are not in the file read
    // as their defaults anyway.
    int lastNumber(const QString& section, const QString& prefix) const;

private:
    const QString* find(const QString& section, const QString& key) const;
    // Lower-cased section name -> lower-cased key -> value; the first of a repeated name wins.
    QHash<QString, QHash<QString, QString>> sections_;
};

class IniProfile {
public:
    static constexpr int kMaxValueLength = 1023;

    explicit IniProfile(QString path) : path_(std::move(path)) {}
    const QString& path() const { return path_; }

    // Every read opens the file afresh, so a value written by one command is seen by the next.
    IniSnapshot snapshot() const { return IniSnapshot(path_); }
    QString readString(const QString& section, const QString& key, const QString& def) const;
    int readInteger(const QString& section, const QString& key, int def) const;
    bool readBool(const QString& section, const QString& key, bool def) const;
    // Colours are stored as 0x00BBGGRR numbers; readColorNumber gives the raw number.
    int readColorNumber(const QString& section, const QString& key, int def) const;
    bool hasKey(const QString& section, const QString& key) const;

    // Each throws IniWriteError when the file cannot be written.
    void writeString(const QString& section, const QString& key, const QString& value) const;
    void writeInteger(const QString& section, const QString& key, int value) const;
    void writeBool(const QString& section, const QString& key, bool value) const;

private:
    QString path_;
};

// Integer text as the settings file reads it: decimal, or hexadecimal after "0x"/"0X"
// when longer than two characters; anything else is not a number.
std::optional<int> parseProfileInteger(const QString& text);

QColor colorFromNumber(int bgr);
int numberFromColor(const QColor& color);

} // namespace zorvel
