#pragma once
// How the built-in preview shows a page, as the settings file keeps it. The
// preview, the live pane and the modes without a window (which only read the
// file, never write it) all take it from here, so --print-pdf prints the
// pages the preview's Print prints and --render shows what the preview shows.
#include "ini_profile.h"
#include "model/page_look.h"

namespace zorvel {

// base with the preview's font (Preview_Font_Name, "Arial" when unset), its
// size (Preview_Font_Size; 12 when unset or below 1, at least the viewer's
// smallest) and whether pictures are shown (Show_Graphics, on when unset).
PageLook previewLook(const IniSnapshot& settings, PageLook base);

} // namespace zorvel
