#pragma once
// The stored page templates: numbered entries in the settings file's Templates
// section, each naming a file in the program's template directory. Numbers are
// handed out once and never reused; an entry whose file is gone is kept but no
// longer usable, and so is one whose file lies outside the template directory
// (an edited settings file must not make New open any file it names). Names
// compare exactly.
#include "errors.h"
#include "ini_profile.h"
#include "path_rules.h"

#include <QString>
#include <optional>
#include <vector>

namespace zorvel {

struct TemplateEntry {
    int number = 0;
    QString name;
    QString file;
    QString description;
};

class TemplateIndex {
public:
    TemplateIndex(const IniProfile& ini, QString programDir, FileExists exists = fileExists,
                  Platform platform = kHostPlatform);

    // No_Templates: the highest number given out; -1 when there are no templates.
    int highestNumber() const;
    bool hasTemplates() const { return highestNumber() >= 0; }
    bool isUsable(int number) const;
    TemplateEntry entry(int number) const;
    // Usable templates in number order.
    std::vector<TemplateEntry> usableTemplates() const;
    std::optional<int> findUsable(const QString& name) const;

    // Stores a template under the name: an existing usable template of that exact
    // name is rewritten, otherwise the next number is taken. Creates the template
    // directory and records the file; returns the number. Throws IniWriteError,
    // TemplateDirectoryError, or Error when the stored count leaves no number.
    int store(const QString& name, const QString& description) const;

    static QString directory(const QString& programDir, Platform platform = kHostPlatform);
    static QString filePath(const QString& programDir, int number, Platform platform = kHostPlatform);
    // The file lies in the directory or below it, after "." and ".." are resolved
    // (and, for a file that exists here, its links too).
    static bool isInside(const QString& file, const QString& dir, Platform platform = kHostPlatform);

private:
    bool isUsable(const IniSnapshot& ini, int number) const;

    const IniProfile& ini_;
    QString programDir_;
    FileExists exists_;
    Platform platform_;
};

// "Unable to create DIR".
class TemplateDirectoryError : public FileError {
public:
    explicit TemplateDirectoryError(const QString& dir);
};

} // namespace zorvel
