#include "htmlsubs_fonts.h"

#include "htmlsubs.h"

#include <algorithm>

namespace zorvel {

void addStyles(FontDescription& font, TFontStyles styles) {
    if (styles & kStyleBold)
        font.bold = true;
    if (styles & kStyleItalic)
        font.italic = true;
    if (styles & kStyleUnderline)
        font.underline = true;
}

TFontStyles stylesOf(const FontDescription& font) {
    return (font.bold ? kStyleBold : 0) | (font.italic ? kStyleItalic : 0) | (font.underline ? kStyleUnderline : 0);
}

void TMyFont::SetNominalSize(const TSectionList& MasterList, int N) {
    NormalSize = N;
    size = mulDiv(MasterList.FontSize, N, 12);
}

void TMyFont::UpdateFont(const TSectionList& MasterList, const QColor& Colour) {
    name = Fixed ? MasterList.PreFontName : MasterList.FontName;
    size = mulDiv(MasterList.FontSize, NormalSize, 12);
    color = Colour;
}

TFontObj::TFontObj(int pos, const TMyFont& font, Canvas& canvas, const QString& link)
    : Pos(pos), LinkURL(link), RunFont_(font) {
    Measure(canvas);
}

void TFontObj::SetFont(const TMyFont& font, Canvas& canvas) {
    RunFont_ = font;
    Measure(canvas);
}

void TFontObj::Measure(Canvas& canvas) {
    Id = FontTable::intern(RunFont_);
    const FontMetricsInfo m = canvas.fontMetrics(Id);
    TextHeight = m.height;
    FontHeight = m.height + m.externalLeading;
    Overhang = m.overhang;
    Descent = m.descent;
}

TFontObj* TFontList::GetFontObjAt(int pos, int* index) const {
    if (empty())
        return nullptr;
    // The last run that starts at or before pos; runs are in position order.
    int low = 0, high = Count(); // the first run starting after pos is in [low, high]
    while (low < high) {
        const int mid = (low + high) / 2;
        if (pos < Item(mid)->Pos)
            high = mid;
        else
            low = mid + 1;
    }
    const int at = low > 0 ? low - 1 : 0;
    if (index)
        *index = at;
    return Item(at);
}

const TMyFont* TFontList::GetFontAt(int pos, int& overhang) const {
    const TFontObj* f = GetFontObjAt(pos);
    if (!f) {
        overhang = 0;
        return nullptr;
    }
    overhang = f->Overhang;
    return &f->RunFont();
}

int TFontList::GetFontCountAt(int pos, int textLength) const {
    int index = 0;
    if (!GetFontObjAt(pos, &index))
        return textLength - pos;
    if (index + 1 < Count())
        return Item(index + 1)->Pos - pos;
    return textLength - pos;
}

} // namespace zorvel
