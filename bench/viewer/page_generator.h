#pragma once
#include <QString>

namespace zorvel::bench {

// A page of about `bytes` characters that uses every kind of tag the parser
// knows, with text that changes from block to block.
QString generatePage(qsizetype bytes);
// The same paragraphs as plain text (depth 0) or spread over tables nested
// `depth` deep, each level a bordered two-column table.
QString nestedPage(int depth, int paragraphs);
// One bordered table of `rows` rows and three columns.
QString rowsPage(int rows);

} // namespace zorvel::bench
