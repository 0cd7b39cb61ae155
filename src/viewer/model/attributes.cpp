// Tag attributes and their values: look-up, numbers, addresses as file names, alignment words.
#include "model/attributes.h"

#include "path_rules.h"

#include <cstdlib>
#include <limits>

namespace zorvel {

const TAttribute* TAttributeList::Find(AttrKind kind) const {
    for (const TAttribute& a : *this)
        if (a.Kind == kind)
            return &a;
    return nullptr;
}

QString TAttributeList::Text(AttrKind kind) const {
    const TAttribute* a = Find(kind);
    return a ? a->ValueText : QString();
}

int mulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const qint64 num = qint64(a) * qint64(b);
    const qint64 den = c;
    const bool negative = (num < 0) != (den < 0);
    const qint64 an = num < 0 ? -num : num;
    const qint64 ad = den < 0 ? -den : den;
    const qint64 q = (an + ad / 2) / ad;
    if (q > std::numeric_limits<int>::max())
        return -1;
    return int(negative ? -q : q);
}

std::optional<qint32> parseDecimal(QStringView text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min())
        return std::nullopt;
    return qint32(value);
}

QString urlToFileName(const QString& address, Platform platform) {
    if (!address.contains(u'/'))
        return address;
    if (platform == Platform::Windows) {
        QString s = address.toLower();
        qsizetype at = s.indexOf(QLatin1String("file:///"));
        if (at >= 0)
            s.remove(at, 8);
        else if ((at = s.indexOf(QLatin1String("file://"))) >= 0)
            s.remove(at, 7);
        s.replace(u'|', u':');
        s.replace(u'/', u'\\');
        return s;
    }
    QString s = address;
    const qsizetype at = s.indexOf(QLatin1String("file://"), 0, Qt::CaseInsensitive);
    if (at >= 0)
        s.remove(at, 7);
    return s;
}

QString urlToFileName(const QString& address) {
    return urlToFileName(address, kHostPlatform);
}

Justification GetAlign(const TAttributeList& attributes) {
    const TAttribute* a = attributes.Find(AttrKind::Align);
    if (!a)
        return Justification::None;
    const QString v = a->ValueText.toLower();
    if (v == QLatin1String("left"))
        return Justification::Left;
    if (v == QLatin1String("center"))
        return Justification::Center;
    if (v == QLatin1String("right"))
        return Justification::Right;
    return Justification::None;
}

VerticalAlign GetVAlign(const TAttributeList& attributes, VerticalAlign defaultValue) {
    const TAttribute* a = attributes.Find(AttrKind::VAlign);
    if (!a)
        return defaultValue;
    const QString v = a->ValueText.toLower();
    if (v == QLatin1String("top"))
        return VerticalAlign::Top;
    if (v == QLatin1String("middle"))
        return VerticalAlign::Middle;
    if (v == QLatin1String("bottom"))
        return VerticalAlign::Bottom;
    return defaultValue;
}

} // namespace zorvel
