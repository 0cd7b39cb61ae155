// The parser's reading of a page, kept as ranges.
#include "parse/lexical_map.h"

#include "canvas/fixed_canvas.h"
#include "parse/parser.h"

namespace zorvel {

LexicalMap lexicalMapOf(QStringView text) {
    FixedMetricsCanvas canvas;
    TSectionList list(canvas);
    TNameList names;
    TParseStrings strings;
    LexicalMap map;
    html::HtmlParser parser(list, names, text, strings);
    parser.RecordLexicalRanges(&map);
    try {
        parser.Run();
    } catch (const EParseError&) {
        // a page cut short by an open comment: its ranges are all there
    }
    map.readTo = parser.ReadOffset();
    return map;
}

} // namespace zorvel
