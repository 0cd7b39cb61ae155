#include "template_index.h"

#include <QDir>
#include <QFileInfo>

#include <limits>

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
    : FileError(QStringLiteral("Unable to create %1").arg(dir)) {}

TemplateIndex::TemplateIndex(const IniProfile& ini, QString programDir, FileExists exists, Platform platform)
    : ini_(ini), programDir_(std::move(programDir)), exists_(std::move(exists)), platform_(platform) {}

static QString read(const IniSnapshot& ini, const char* prefix, int number) {
    return ini.readString(kSection, numberedKey(prefix, number), QString());
}

int TemplateIndex::highestNumber() const {
    const int n = ini_.readInteger(kSection, kCountKey, -1);
    return n < 0 ? -1 : n;
}

bool TemplateIndex::isUsable(const IniSnapshot& ini, int number) const {
    const QString file = read(ini, kFileKey, number);
    return !file.isEmpty() && isInside(file, directory(programDir_, platform_), platform_) && exists_(file) &&
           !read(ini, kNameKey, number).isEmpty();
}

bool TemplateIndex::isUsable(int number) const {
    return isUsable(ini_.snapshot(), number);
}

TemplateEntry TemplateIndex::entry(int number) const {
    const IniSnapshot ini = ini_.snapshot();
    return {number, read(ini, kNameKey, number), read(ini, kFileKey, number), read(ini, kDescrKey, number)};
}

std::vector<TemplateEntry> TemplateIndex::usableTemplates() const {
    std::vector<TemplateEntry> result;
    const IniSnapshot ini = ini_.snapshot();
    // A template needs its file key, so numbers past the last one in the file hold none.
    const int last =
        std::min(ini.readInteger(kSection, kCountKey, -1), ini.lastNumber(kSection, QLatin1String(kFileKey)));
    for (int n = 1; n <= last; ++n)
        if (isUsable(ini, n))
            result.push_back({n, read(ini, kNameKey, n), read(ini, kFileKey, n), read(ini, kDescrKey, n)});
    return result;
}

std::optional<int> TemplateIndex::findUsable(const QString& name) const {
    for (const TemplateEntry& t : usableTemplates())
        if (t.name == name)
            return t.number;
    return std::nullopt;
}

int TemplateIndex::store(const QString& name, const QString& description) const {
    int number = 0;
    if (const auto existing = findUsable(name)) {
        number = *existing;
    } else {
        // A stored negative count means no templates; numbering still starts at 1.
        const qint64 next = qint64(std::max(ini_.readInteger(kSection, kCountKey, 0), 0)) + 1;
        if (next > std::numeric_limits<int>::max())
            throw Error(QStringLiteral("No_Templates in the settings file is too large to number another template."));
        number = int(next);
        ini_.writeInteger(kSection, kCountKey, number);
    }
    ini_.writeString(kSection, numberedKey(kNameKey, number), name);
    ini_.writeString(kSection, numberedKey(kDescrKey, number), description);

    const QString dir = directory(programDir_, platform_);
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir))
        throw TemplateDirectoryError(dir);
    const QString file = filePath(programDir_, number, platform_);
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

bool TemplateIndex::isInside(const QString& file, const QString& dir, Platform platform) {
    const bool windows = platform == Platform::Windows;
    const auto clean = [windows](QString path) {
        if (windows)
            path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return QDir::cleanPath(path);
    };
    const Qt::CaseSensitivity cs = windows ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const auto under = [cs](const QString& f, const QString& d) {
        return !d.isEmpty() && f.startsWith(d.endsWith(QLatin1Char('/')) ? d : d + QLatin1Char('/'), cs);
    };
    if (!under(clean(file), clean(dir)))
        return false;
    // A link inside the directory may still lead out of it.
    const QFileInfo real(file);
    return windows || !real.exists() || under(real.canonicalFilePath(), QFileInfo(dir).canonicalFilePath());
}

} // namespace zorvel
