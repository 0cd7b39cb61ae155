#pragma once
// `zorvel --dump PAGE [--width N]`: a page's document model, and with a
// width its laid-out lines, written as text.
#include "model/page_look.h"

#include <QTextStream>

namespace zorvel {

class Canvas;
class FormControlFactory;

// Parses the file with the viewer's default fonts and colours (PageLook's
// own) and dumps it. Returns 0, or 1 after writing why to err when the page
// could not be read; a page cut short by a comment left open dumps the part
// parsed, and is a failure too.
int runDump(const QString& path, QTextStream& out, QTextStream& err);
// The same with the look given, measured on canvas, form controls made by
// controls (none: kept in memory) and laid out in textWidth pixels, with the
// lines. A table the layout had to leave out ("Table has too many Columns")
// is a warning on err: the rest is dumped, and the status stays 0.
int runDump(const QString& path, QTextStream& out, QTextStream& err, Canvas& canvas, int textWidth,
            const PageLook& look = {}, FormControlFactory* controls = nullptr);

} // namespace zorvel
