#include "image_tag.h"

#include "markup.h"

namespace zorvel {

namespace {

void addNumber(QString& tag, const char* attribute, const QString& value) {
    if (!value.trimmed().isEmpty())
        tag += QLatin1String(attribute) + value;
}

} // namespace

QString makeImageTag(const ImageFields& f) {
    QString tag = QLatin1String("<IMG SRC =\"") + escapeMarkup(f.fileName, MarkupPlace::QuotedValue) + QLatin1Char('"');
    addNumber(tag, " HSPACE=", f.horizontalSpace);
    addNumber(tag, " VSPACE=", f.verticalSpace);
    const std::pair<bool, const char*> alignments[] = {
        {f.left, " ALIGN=LEFT"},           {f.right, " ALIGN=RIGHT"},         {f.top, " ALIGN=TOP"},
        {f.middle, " ALIGN=MIDDLE"},       {f.bottom, " ALIGN=BOTTOM"},       {f.textTop, " ALIGN=TEXTTOP"},
        {f.absMiddle, " ALIGN=ABSMIDDLE"}, {f.absBottom, " ALIGN=ABSBOTTOM"},
    };
    for (const auto& [set, attribute] : alignments)
        if (set)
            tag += QLatin1String(attribute);
    addNumber(tag, " WIDTH=", f.width);
    addNumber(tag, " HEIGHT=", f.height);
    addNumber(tag, " BORDER=", f.border);
    tag += QLatin1String(" >");
    return tag + f.memo;
}

QString makeHTMLPath(const QString& path, Platform platform) {
    QString rest = path.trimmed();
    if (rest.isEmpty())
        return rest;
    static constexpr const char* kProtocols[] = {"ftp:", "http:", "mailto:", "news:", "gopher:", "file:"};
    for (const char* protocol : kProtocols)
        if (rest.startsWith(QLatin1String(protocol), Qt::CaseInsensitive))
            return rest;
    if (platform == Platform::Posix && rest.startsWith(QLatin1Char('/')))
        return QLatin1String("file://") + rest;

    QString address = QStringLiteral("file:///");
    const qsizetype colon = rest.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        address += rest.left(colon).trimmed() + QLatin1Char('|');
        rest = rest.mid(colon + 1);
    }
    for (qsizetype slash; (slash = rest.indexOf(QLatin1Char('\\'))) >= 0;) {
        address += rest.left(slash).trimmed() + QLatin1Char('/');
        rest = rest.mid(slash + 1).trimmed();
    }
    return address + rest;
}

} // namespace zorvel
