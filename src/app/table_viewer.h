#pragma once
// The table designer's Test page on the program's own HTML viewer.
#include "table_view.h"

namespace zorvel {

class Prompter;

// A viewer with its default fonts (PageLook's), no images, no history. The
// viewer's own notices go to the prompter.
std::unique_ptr<TableView> makeHtmlTableView(QWidget* parent, Prompter* prompter);

} // namespace zorvel
