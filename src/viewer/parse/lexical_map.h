#pragma once
// What the parser reads a page's text as: where its comments, tags and
// character references stand. The editor's colours are checked against it.
#include <QStringView>

#include <vector>

namespace zorvel {

struct LexicalRange {
    enum Kind { Comment, Tag, Reference };
    Kind kind;
    int start; // offsets into the text, end not included
    int end;
};

struct LexicalMap {
    // In the order they are read; a comment inside a tag comes before the tag.
    // References are those of text, not of attribute values.
    std::vector<LexicalRange> ranges;
    // The parse reads no further: what follows the body's end tag is not read.
    int readTo = 0;
};

LexicalMap lexicalMapOf(QStringView text);

} // namespace zorvel
