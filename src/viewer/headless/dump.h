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

// Parses the file with the viewer's default fonts and colours and dumps it.
// Returns 0, or 1 after writing the failure's message to err; a parse error
// still dumps the part parsed.
int runDump(const QString& path, QTextStream& out, QTextStream& err);
// The same, measured on canvas and laid out in textWidth pixels, with the lines.
int runDump(const QString& path, QTextStream& out, QTextStream& err, Canvas& canvas, int textWidth);

} // namespace zorvel
