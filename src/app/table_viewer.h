#pragma once
// The table designer's Test page on the program's own HTML viewer.
#include "table_view.h"

namespace zorvel {

class Prompter;

// A viewer in the preview's font and size, so a table looks as the preview
// will show it; Courier New for fixed pitch, no images, no history. The
// viewer's own notices go to the prompter.
std::unique_ptr<TableView> makeHtmlTableView(QWidget* parent, Prompter* prompter, const QString& fontName,
                                             int fontSize);

} // namespace zorvel
