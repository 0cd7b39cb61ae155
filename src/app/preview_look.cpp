#include "preview_look.h"

#include "control/html_viewer.h"
#include "settings_keys.h"

namespace zorvel {

PageLook previewLook(const IniSnapshot& settings, PageLook base) {
    base.fontName = settings.readString(kOptions, QStringLiteral("Preview_Font_Name"), QStringLiteral("Arial"));
    const int size = settings.readInteger(kOptions, QStringLiteral("Preview_Font_Size"), -1);
    base.fontSize = std::clamp(size < 1 ? 12 : size, THTMLViewer::kMinFontSize, THTMLViewer::kMaxFontSize);
    base.showImages = settings.readBool(kOptions, QStringLiteral("Show_Graphics"), true);
    return base;
}

} // namespace zorvel
