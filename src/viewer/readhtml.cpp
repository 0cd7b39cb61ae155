// The parser's entry points and the anchor-name list.
#include "readhtml.h"

#include "readhtml_parser.h"

#include <QFile>
#include <QStringDecoder>

namespace zorvel {

TSectionBase* TNameList::Find(const QString& name) const {
    for (const auto& item : items_)
        if (item.first == name)
            return item.second;
    return nullptr;
}

bool TNameList::Contains(const QString& name) const {
    for (const auto& item : items_)
        if (item.first == name)
            return true;
    return false;
}

void TNameList::Replace(const TSectionBase* from, TSectionBase* to) {
    for (auto& item : items_)
        if (item.second == from)
            item.second = to;
}

QString decodeHtmlBytes(const QByteArray& bytes) {
    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

void HtmlParseBuffer(TSectionList& SectionList, TNameList& NameList, QStringView Buffer, TParseStrings& Strings) {
    Strings = TParseStrings{};
    html::HtmlParser parser(SectionList, NameList, Buffer, Strings);
    parser.Run();
}

void HtmlParseFile(TSectionList& SectionList, TNameList& NameList, const QString& FileName, TParseStrings& Strings) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EHtmlFileError(QStringLiteral("Cannot read %1: %2").arg(FileName, file.errorString()).toStdString());
    const QString text = decodeHtmlBytes(file.readAll());
    if (file.error() != QFileDevice::NoError)
        throw EHtmlFileError(QStringLiteral("Cannot read %1: %2").arg(FileName, file.errorString()).toStdString());
    HtmlParseBuffer(SectionList, NameList, text, Strings);
}

} // namespace zorvel
