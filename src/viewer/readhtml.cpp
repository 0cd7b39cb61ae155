// The parser's entry points and the anchor-name list.
#include "readhtml.h"

#include "readhtml_parser.h"

#include "text_file.h"

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

void HtmlParseBuffer(TSectionList& SectionList, TNameList& NameList, QStringView Buffer, TParseStrings& Strings) {
    Strings = TParseStrings{};
    html::HtmlParser parser(SectionList, NameList, Buffer, Strings);
    parser.Run();
}

void HtmlParseFile(TSectionList& SectionList, TNameList& NameList, const QString& FileName, TParseStrings& Strings) {
    // The editor's checks: a regular file (a FIFO would block, a device never end) of a sane size.
    LoadedText loaded;
    try {
        loaded = loadTextFile(FileName);
    } catch (const TextFileError& e) {
        throw EHtmlFileError(e.what());
    }
    HtmlParseBuffer(SectionList, NameList, loaded.text, Strings);
}

} // namespace zorvel
