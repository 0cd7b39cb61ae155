#pragma once
// The text of a page's sections. A page has tens of thousands of sections, and
// a string of its own for each cost a heap block that grew by doubling while
// the parser appended to it (about twice the text's size), plus its own free
// when the page went. Here the document keeps every section's text in a few
// large blocks; a section's TextBuffer only points into them.
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

namespace zorvel {

class TTextStore {
public:
    // text with S appended. text is empty or was returned by this store: when
    // it ends where the store's last block is filled to, it grows in place;
    // otherwise it is copied to the end (a section is only appended to while
    // the parser builds it, so that is rare). The result is valid until Clear.
    QStringView Append(QStringView text, QStringView S);
    // A copy of text held by this store.
    QStringView Keep(QStringView text) { return Append(QStringView(), text); }
    void Clear() { blocks_.clear(); }

private:
    struct Block {
        std::unique_ptr<char16_t[]> data;
        qsizetype size = 0;
        qsizetype used = 0;
    };
    std::vector<Block> blocks_;
};

} // namespace zorvel
