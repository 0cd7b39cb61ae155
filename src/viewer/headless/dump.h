#pragma once
// A readable picture of the document model, one line per section, for
// developers (`zorvel --dump PAGE.htm`) and for tests that compare whole models.
#include "parse/html_parse.h"

#include <QTextStream>

namespace zorvel {

// Writes the model's tree: sections with their font runs, images and controls,
// tables with rows and cells, forms with their controls, then title, base and
// anchors. With withLines, each text section's lines from the last layout too.
void dumpModel(const TSectionList& list, const TNameList& names, const TParseStrings& strings, QTextStream& out,
               bool withLines = false);
QString dumpModelText(const TSectionList& list, const TNameList& names, const TParseStrings& strings);
// A section's text with its placeholder and control characters made visible.
QString visibleText(const QString& text);

} // namespace zorvel
