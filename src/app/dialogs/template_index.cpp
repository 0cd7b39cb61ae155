#include "template_index.h"

#include <QDir>
#include <QFileInfo>

namespace zorvel {

static const QString kSection = QStringLiteral("Templates");
static const QString kCountKey = QStringLiteral("No_Templates");
static constexpr const char* kFileKey = "TempFile_";
static constexpr const char* kNameKey = "TempName_";
static constexpr const char* kDescrKey = "TempDescr_";

static QString numberedKey(const char* prefix, int number) {
    return QLatin1String(prefix) + QString::number(number);
}

TemplateDirectoryError::TemplateDirectoryError(const QString& dir)
    : std::runtime_error(QStringLiteral("Unable to create %1").arg(dir).toStdString()) {}

TemplateIndex::TemplateIndex(const IniProfile& ini, FileExists exists, Platform platform)
    : ini_(ini), exists_(std::move(exists)), platform_(platform) {}

QString TemplateIndex::read(const char* prefix, int number) const {
    return ini_.readString(kSection, numberedKey(prefix, number), QString());
}

int TemplateIndex::highestNumber() const {
    const int n = ini_.readInteger(kSection, kCountKey, -1);
    return n < 0 ? -1 : n;
}

bool TemplateIndex::isUsable(int number) const {
    const QString file = read(kFileKey, number);
    return !file.isEmpty() && exists_(file) && !read(kNameKey, number).isEmpty();
}

TemplateEntry TemplateIndex::entry(int number) const {
    return {number, read(kNameKey, number), read(kFileKey, number), read(kDescrKey, number)};
}

std::vector<TemplateEntry> TemplateIndex::usableTemplates() const {
    std::vector<TemplateEntry> result;
    const int last = highestNumber();
    for (int n = 1; n <= last; ++n)
        if (isUsable(n))
            result.push_back(entry(n));
    return result;
}

std::optional<int> TemplateIndex::findUsable(const QString& name) const {
    const int last = highestNumber();
    for (int n = 1; n <= last; ++n)
        if (isUsable(n) && read(kNameKey, n) == name)
            return n;
    return std::nullopt;
}

int TemplateIndex::store(const QString& name, const QString& description, const QString& programDir) const {
    int number = 0;
    if (const auto existing = findUsable(name)) {
        number = *existing;
    } else {
        // A stored negative count means no templates; numbering still starts at 1.
        number = std::max(ini_.readInteger(kSection, kCountKey, 0), 0) + 1;
        ini_.writeInteger(kSection, kCountKey, number);
    }
    ini_.writeString(kSection, numberedKey(kNameKey, number), name);
    ini_.writeString(kSection, numberedKey(kDescrKey, number), description);

    const QString dir = directory(programDir, platform_);
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir))
        throw TemplateDirectoryError(dir);
    const QString file = filePath(programDir, number, platform_);
    ini_.writeString(kSection, numberedKey(kFileKey, number), file);
    return number;
}

QString TemplateIndex::directory(const QString& programDir, Platform platform) {
    return withTrailingSeparator(programDir, platform) + QLatin1String("template");
}

QString TemplateIndex::filePath(const QString& programDir, int number, Platform platform) {
    return withTrailingSeparator(directory(programDir, platform), platform) + QLatin1String("temp") +
           QString::number(number) + QLatin1String(".tpl");
}

} // namespace zorvel
