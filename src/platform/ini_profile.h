#pragma once
// The settings file, read and written one key at a time with the rules of
// Windows private profiles: names match without case, a missing file, section
// or key gives the caller's default, and a write is on disk when it returns.
// Nothing is cached: every call opens the file by name.
#include <QColor>
#include <QString>
#include <optional>
#include <stdexcept>

namespace zorvel {

class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const QString& path);
    QString message() const { return QString::fromStdString(what()); }
};

class IniProfile {
public:
    static constexpr int kMaxValueLength = 1023;

    explicit IniProfile(QString path) : path_(std::move(path)) {}
    const QString& path() const { return path_; }

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
