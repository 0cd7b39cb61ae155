#include "ini_profile.h"

#include "atomic_write.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace zorvel {

IniWriteError::IniWriteError(const QString& path, QString reason)
    : FileError(QStringLiteral("Unable to write to %1").arg(path), std::move(reason)) {}

namespace {

struct IniText {
    QStringList lines;
    QString eol = QStringLiteral("\n");
};

IniText load(const QString& path) {
    IniText ini;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ini;
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    if (text.contains(QLatin1String("\r\n")))
        ini.eol = QStringLiteral("\r\n");
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    ini.lines = text.split(QLatin1Char('\n'));
    if (!ini.lines.isEmpty() && ini.lines.last().isEmpty())
        ini.lines.removeLast();
    return ini;
}

// Whether a file's bytes are UTF-8 throughout; decoded a piece at a time,
// so that a large file is never all text at once.
bool isUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    constexpr qsizetype kPiece = 1 << 20;
    for (qsizetype at = 0; at < bytes.size() && !utf8.hasError(); at += kPiece)
        (void)QString(utf8.decode(QByteArrayView(bytes).sliced(at, std::min(kPiece, bytes.size() - at))));
    return !utf8.hasError();
}

// A line that could name a section: its first character that is no space is
// "[" or one that only decoding tells.
bool mayBeSectionLine(QByteArrayView line) {
    for (const char c : line) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f')
            continue;
        return c == '[' || static_cast<unsigned char>(c) >= 0x80;
    }
    return false;
}

std::optional<QString> sectionName(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
}

// Line index of the section header, or -1.
qsizetype findSection(const QStringList& lines, const QString& section) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i]);
        if (name && name->compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// One past the last line that belongs to the section starting at header.
qsizetype sectionEnd(const QStringList& lines, qsizetype header) {
    qsizetype i = header + 1;
    while (i < lines.size() && !sectionName(lines[i]))
        ++i;
    return i;
}

std::optional<QString> keyOf(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0 || sectionName(line))
        return std::nullopt;
    return line.left(eq).trimmed();
}

qsizetype findKey(const QStringList& lines, qsizetype header, const QString& key) {
    const qsizetype end = sectionEnd(lines, header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const auto k = keyOf(lines[i]);
        if (k && k->compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString valueOf(const QString& line) {
    QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(IniProfile::kMaxValueLength);
}

} // namespace

std::optional<int> parseProfileInteger(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    if (t.size() > 2 && (t.startsWith(QLatin1String("0x")) || t.startsWith(QLatin1String("0X")))) {
        const uint value = t.mid(2).toUInt(&ok, 16);
        if (ok)
            return static_cast<int>(value);
        return std::nullopt;
    }
    const int value = t.toInt(&ok, 10);
    if (ok)
        return value;
    return std::nullopt;
}

IniSnapshot::IniSnapshot(const QString& path) : IniSnapshot(path, QStringList()) {}

IniSnapshot::IniSnapshot(const QString& path, const QStringList& sections) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    // The file is read as write reads it (UTF-8 when it all is, else Latin-1),
    // but only the lines kept are made text: the rest are looked at as bytes.
    const bool utf8 = isUtf8(bytes);
    QByteArrayView rest(bytes);
    if (utf8 && rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    auto text = [utf8](QByteArrayView line) { return utf8 ? QString::fromUtf8(line) : QString::fromLatin1(line); };
    QHash<QString, QString>* current = nullptr;
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (mayBeSectionLine(line)) {
            if (const auto name = sectionName(text(line))) {
                const QString lower = name->toLower();
                const bool wanted = sections.isEmpty() || sections.contains(lower, Qt::CaseInsensitive);
                current = wanted && !sections_.contains(lower) ? &sections_[lower] : nullptr;
                continue;
            }
        }
        if (!current)
            continue;
        const QString decoded = text(line);
        if (const auto key = keyOf(decoded); key && !current->contains(key->toLower()))
            current->insert(key->toLower(), valueOf(decoded));
    }
}

const QString* IniSnapshot::find(const QString& section, const QString& key) const {
    const auto s = sections_.constFind(section.toLower());
    if (s == sections_.cend())
        return nullptr;
    const auto k = s->constFind(key.toLower());
    return k == s->cend() ? nullptr : &*k;
}

QString IniSnapshot::readString(const QString& section, const QString& key, const QString& def) const {
    const QString* value = find(section, key);
    return value ? *value : def.left(IniProfile::kMaxValueLength);
}

int IniSnapshot::readInteger(const QString& section, const QString& key, int def) const {
    const QString* value = find(section, key);
    return value ? parseProfileInteger(*value).value_or(def) : def;
}

bool IniSnapshot::readBool(const QString& section, const QString& key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

bool IniSnapshot::hasKey(const QString& section, const QString& key) const {
    return find(section, key) != nullptr;
}

int IniSnapshot::lastNumber(const QString& section, const QString& prefix) const {
    const auto s = sections_.constFind(section.toLower());
    if (s == sections_.cend())
        return 0;
    const QString lowerPrefix = prefix.toLower();
    int last = 0;
    for (auto k = s->cbegin(); k != s->cend(); ++k) {
        if (!k.key().startsWith(lowerPrefix))
            continue;
        // Numbers are written without leading zeros; File_007 is no key of the list.
        const QStringView digits = QStringView(k.key()).mid(lowerPrefix.size());
        bool ok = false;
        const int n = digits.toInt(&ok);
        if (ok && n > 0 && !digits.startsWith(u'0') && !digits.startsWith(u'+'))
            last = std::max(last, n);
    }
    return last;
}

// A single key needs its section only.
QString IniProfile::readString(const QString& section, const QString& key, const QString& def) const {
    return IniSnapshot(path_, {section}).readString(section, key, def);
}

int IniProfile::readInteger(const QString& section, const QString& key, int def) const {
    return IniSnapshot(path_, {section}).readInteger(section, key, def);
}

bool IniProfile::readBool(const QString& section, const QString& key, bool def) const {
    return IniSnapshot(path_, {section}).readBool(section, key, def);
}

int IniProfile::readColorNumber(const QString& section, const QString& key, int def) const {
    return readInteger(section, key, def);
}

bool IniProfile::hasKey(const QString& section, const QString& key) const {
    return IniSnapshot(path_, {section}).hasKey(section, key);
}

void IniProfile::writeString(const QString& section, const QString& key, const QString& value) const {
    IniText ini = load(path_);
    // A value is one line: a line break inside it would plant stray keys in the file.
    QString oneLine = value;
    const qsizetype lineBreak = oneLine.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (lineBreak >= 0)
        oneLine.truncate(lineBreak);
    const QString entry = key + QLatin1Char('=') + oneLine;

    const qsizetype header = findSection(ini.lines, section);
    if (header < 0) {
        if (!ini.lines.isEmpty() && !ini.lines.last().trimmed().isEmpty())
            ini.lines.append(QString());
        ini.lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        ini.lines.append(entry);
    } else if (const qsizetype line = findKey(ini.lines, header, key); line >= 0) {
        ini.lines[line] = entry;
    } else {
        qsizetype at = sectionEnd(ini.lines, header);
        while (at > header + 1 && ini.lines[at - 1].trimmed().isEmpty())
            --at;
        ini.lines.insert(at, entry);
    }

    try {
        writeFileAtomically(path_, (ini.lines.join(ini.eol) + ini.eol).toUtf8());
    } catch (const FileWriteError& e) {
        throw IniWriteError(path_, e.systemReason());
    }
}

void IniProfile::writeInteger(const QString& section, const QString& key, int value) const {
    writeString(section, key, QString::number(value));
}

void IniProfile::writeBool(const QString& section, const QString& key, bool value) const {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QColor colorFromNumber(int bgr) {
    const auto v = static_cast<unsigned>(bgr);
    return QColor(static_cast<int>(v & 0xff), static_cast<int>((v >> 8) & 0xff), static_cast<int>((v >> 16) & 0xff));
}

int numberFromColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

} // namespace zorvel
