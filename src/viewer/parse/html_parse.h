#pragma once
// The HTML parser: turns a page's text into the document model. The door to
// the parse room: what a parse leaves and how a page is decoded come with it.
#include "errors.h"
#include "model/document.h"
#include "parse/decode.h"
#include "parse/parse_results.h"

#include <QString>
#include <QStringView>

namespace zorvel {

// A file that cannot be read.
class EHtmlFileError : public FileError {
public:
    using FileError::FileError;
};

// The caller has cleared SectionList and set its defaults, and cleared NameList.
// Throws EParseError "Open Comment at End of HTML File" when the text ends
// inside "<!"; what was parsed up to there stays in the list.
void HtmlParseBuffer(TSectionList& SectionList, TNameList& NameList, QStringView Buffer, TParseStrings& Strings);
// The same for a file, decoded as UTF-8 when it is valid UTF-8, else as Latin-1.
// Throws EHtmlFileError when the file cannot be read.
void HtmlParseFile(TSectionList& SectionList, TNameList& NameList, const QString& FileName, TParseStrings& Strings);

} // namespace zorvel
