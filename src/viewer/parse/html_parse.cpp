// The parser's entry points: a page parsed from a text or from a file.
#include "parse/html_parse.h"

#include "parse/parser.h"

#include "text_file.h"

#include <utility>

namespace zorvel {

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
        throw EHtmlFileError(e.text());
    }
    HtmlParseBuffer(SectionList, NameList, viewerText(std::move(loaded)), Strings);
}

} // namespace zorvel
