#pragma once
#include <QString>

namespace zorvel::bench {

// A page of about `bytes` characters that uses every kind of tag the parser
// knows, with text that changes from block to block.
QString generatePage(qsizetype bytes);

} // namespace zorvel::bench
