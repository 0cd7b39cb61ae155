#pragma once
// The HTML parser: turns a page's text into the document model.
#include "model/document.h"
#include "text_file.h"

#include <QString>
#include <QStringView>

#include <stdexcept>
#include <utility>
#include <vector>

namespace zorvel {

class EParseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that cannot be read.
class EHtmlFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Anchor names (upper-cased), each with the section that holds it, in the
// order the page gives them.
class TNameList {
public:
    void Add(const QString& name, TSectionBase* section) { items_.emplace_back(name, section); }
    // The section of the first anchor of that name (already upper-cased), or nullptr.
    TSectionBase* Find(const QString& name) const;
    bool Contains(const QString& name) const;
    void Replace(const TSectionBase* from, TSectionBase* to);
    void Clear() { items_.clear(); }
    int Count() const { return int(items_.size()); }
    const QString& Name(int i) const { return items_[std::size_t(i)].first; }
    TSectionBase* Section(int i) const { return items_[std::size_t(i)].second; }

private:
    std::vector<std::pair<QString, TSectionBase*>> items_;
};

// What a parse leaves besides the model: the page's title and its base address.
struct TParseStrings {
    QString Title;
    QString Base;
};

// The caller has cleared SectionList and set its defaults, and cleared NameList.
// Throws EParseError "Open Comment at End of HTML File" when the text ends
// inside "<!"; what was parsed up to there stays in the list.
void HtmlParseBuffer(TSectionList& SectionList, TNameList& NameList, QStringView Buffer, TParseStrings& Strings);
// The same for a file, decoded as UTF-8 when it is valid UTF-8, else as Latin-1.
// Throws EHtmlFileError when the file cannot be read.
void HtmlParseFile(TSectionList& SectionList, TNameList& NameList, const QString& FileName, TParseStrings& Strings);

// Pages in an 8-bit character set were written with Windows' set, which puts
// typographic quotes, dashes and the euro sign at 0x80..0x9F, where Latin-1
// has invisible control characters. The character such a code stands for;
// every other code, and the five that Windows leaves unused, unchanged.
char16_t fromWindows1252(char16_t c);
// The characters the viewer reads from a loaded page: a page that was not
// UTF-8 has its codes 0x80..0x9F read as Windows' characters.
QString viewerText(LoadedText loaded);

// Reads BGCOLOR, TEXT, LINK and COLOR values: one of 16 names, or a hex RRGGBB with an optional "#".
bool ColorFromString(const QString& text, QColor& colour);

} // namespace zorvel
