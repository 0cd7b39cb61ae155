// Layout of text sections: measuring runs of text and images, breaking them
// into lines and the heights those lines take; rules, and the sections of a
// cell or of the document one below the other.
#include "model/document.h"
#include "model/form_controls.h"
#include "model/limits.h"

#include <algorithm>

namespace zorvel {

namespace {

bool sameLook(const TFontObj& a, const TFontObj& b) {
    return a.Id() == b.Id() && a.ScriptPosition == b.ScriptPosition && a.RunFont().color == b.RunFont().color;
}

} // namespace

int TSection::NextPlaceholder(int pos) const {
    if (!objects_)
        return Len; // no placeholder in the text
    // Layout and hit tests walk forward, so the last answer usually holds:
    // there is no placeholder from markFrom up to markAt.
    Objects& o = *objects_;
    if (pos < o.markFrom || pos > o.markAt) {
        // Every character of the text passes here once per walk: a plain pointer scan.
        const char16_t* const text = text_;
        const char16_t* p = text + pos;
        const char16_t* const end = text + std::max(pos, Len);
        while (p < end && !isPlaceholder(*p))
            ++p;
        o.markFrom = pos;
        o.markAt = int(p - text);
    }
    return o.markAt;
}

TFormControlObj* TSection::ControlAt(int pos) const {
    auto it = std::lower_bound(FormControls().begin(), FormControls().end(), pos,
                               [](const TFormControlObj* c, int p) { return c->Pos < p; });
    return it != FormControls().end() && (*it)->Pos == pos ? *it : nullptr;
}

TSection::Piece TSection::PieceAt(int pos, int limit) const {
    Piece piece;
    const char16_t c = TextBuffer()[pos].unicode();
    if (isPlaceholder(c)) {
        // A placeholder with no image or control behind it (a raw byte 2 or 4
        // in preformatted text) stays a piece of its own that measures nothing.
        if (c == kImageChar && (piece.image = Images().GetImageAt(pos)))
            piece.kind = Piece::Image;
        else if (c == kControlChar && (piece.control = ControlAt(pos)))
            piece.kind = Piece::Control;
        return piece;
    }
    int index = 0;
    piece.font = Fonts.GetFontObjAt(pos, &index);
    // Runs that look alike (as where the page closes one style tag and opens
    // another of the same effect) are measured and drawn as one: each piece's
    // width is rounded once, and splitting a stretch would move the text after
    // the split by that rounding.
    int next = index + 1;
    while (next < Fonts.Count() && Fonts.Item(next)->Pos < limit && sameLook(*piece.font, *Fonts.Item(next)))
        ++next;
    int end = limit;
    if (next < Fonts.Count())
        end = std::min(end, Fonts.Item(next)->Pos);
    end = std::min(end, NextPlaceholder(pos + 1));
    piece.kind = Piece::Text;
    piece.count = std::max(1, end - pos);
    return piece;
}

int TSection::PieceWidth(Canvas& canvas, const Piece& piece, int pos) const {
    switch (piece.kind) {
    case Piece::Image:
        return piece.image->ImageWidth;
    case Piece::Control:
        return piece.control->ControlWidth();
    case Piece::Nothing:
        return 0;
    case Piece::Text:
        break;
    }
    // An italic face's extent includes the slant hanging over its end; runs
    // set side by side overlap by it, so it is not counted as width.
    return std::min(canvas.textWidth(piece.font->Id(), TextBuffer().mid(pos, piece.count)) -
                        RunMetrics(*piece.font).Overhang,
                    kMaxExtent);
}

int TSection::RunWidth(Canvas& canvas, int Start, int Count, bool NoTrailingSpaces) const {
    Count = std::clamp(Count, 0, Len - Start);
    if (NoTrailingSpaces)
        while (Count > 0 && TextBuffer()[Start + Count - 1] == u' ')
            --Count;
    int width = 0;
    for (int pos = Start, end = Start + Count; pos < end;) {
        const Piece piece = PieceAt(pos, end);
        width = addExtent(width, PieceWidth(canvas, piece, pos));
        pos += piece.count;
    }
    return width;
}

int TSection::FitText(Canvas& canvas, const TFontObj& F, int pos, int N, int Room, int& Used) const {
    // A piece is as wide as its extent less the overhang, so it fits where
    // its extent fits the room plus the overhang.
    const int overhang = RunMetrics(F).Overhang;
    int extent = 0;
    const int k = canvas.fitCount(F.Id(), TextBuffer().mid(pos, N), Room + overhang, extent);
    Used = k > 0 ? extent - overhang : 0;
    return k;
}

int TSection::FitCount(Canvas& canvas, int Width, int Max, int Start) const {
    const int end = std::min(Len, Start + std::max(0, Max));
    int used = 0;
    int pos = Start;
    while (pos < end) {
        const Piece piece = PieceAt(pos, end);
        if (piece.kind != Piece::Text) {
            // An image or control that would overrun the width stays for the next line.
            const int w = PieceWidth(canvas, piece, pos);
            if (used + w > Width)
                break;
            used += w;
            ++pos;
            continue;
        }
        int w = 0;
        const int k = FitText(canvas, *piece.font, pos, piece.count, Width - used, w);
        pos += k;
        if (k < piece.count)
            break;
        used += w;
    }
    return pos - Start;
}

// The number of characters of the line that starts at P; Overflow tells
// whether they may be wider than the line.
int TSection::BreakLine(Canvas& canvas, int P, int Rest, int Width, bool& Overflow) const {
    // At least one character goes on every line, or layout would never end.
    const int fit = FitCount(canvas, Width - Indent, Rest, P);
    const int n = std::max(1, fit);
    Overflow = fit == 0;
    if (n == Rest)
        return n;
    const QStringView t = TextBuffer();
    const int end = P + Rest;
    auto takeSpaces = [&](int j) {
        while (j < end && t[j] == u' ')
            ++j;
        return j - P;
    };
    const int last = P + n - 1;
    // Spaces at a break stay at the end of the upper line, so the next line
    // starts with its first word. A word that ends right at the margin fits
    // even though the space after it does not: the line breaks after it, not
    // before it.
    if (t[last] == u' ' || t[P + n] == u' ')
        return takeSpaces(P + n);
    // Images and controls are breaking points of their own, even with no space before them.
    if (isPlaceholder(t[P + n]))
        return n;
    for (int i = last; i > P; --i)
        if (t[i] == u' ' || isPlaceholder(t[i]))
            return i - P + 1;
    // The first word alone is wider than the line: it stays whole and overflows to the right.
    Overflow = true;
    int j = P + n;
    while (j < end && t[j] != u' ' && !isPlaceholder(t[j]))
        ++j;
    return takeSpaces(j);
}

void TSection::FinishLine(Canvas& canvas, int P, int n, int Width) {
    LineRec* line = LineRecs.Add(ParentSectionList->Pool, LineRec{});
    line->Start = P;
    line->CharCount = n;
    const int end = P + n;

    // The text band is as tall as the tallest font in the line; the baseline
    // sits that font's descent above the band's bottom.
    int index = 0;
    const TFontObj* f = Fonts.GetFontObjAt(P, &index);
    const TRunMetrics first = RunMetrics(*f);
    line->LineHeight = first.FontHeight;
    line->Descent = first.Descent;
    for (int i = index + 1; i < Fonts.Count() && Fonts.Item(i)->Pos < end; ++i)
        if (const TRunMetrics m = RunMetrics(*Fonts.Item(i)); m.FontHeight > line->LineHeight) {
            line->LineHeight = m.FontHeight;
            line->Descent = m.Descent;
        }

    // Images taller than the text make room outside the band: one hanging from
    // the band's top needs room below, one standing on the baseline needs room
    // above, one centred on the text needs half of it on each side.
    for (int i = Images().IndexAtOrAfter(P); i < Images().Count() && Images().Item(i)->Pos < end; ++i) {
        const TImageObj& image = *Images().Item(i);
        const int H = image.ImageHeight;
        const int G = H - line->LineHeight;
        switch (image.ImageAlign) {
        case VerticalAlign::Top:
            line->SpaceAfter = std::max(line->SpaceAfter, G);
            break;
        case VerticalAlign::Middle:
            line->SpaceBefore = std::max(line->SpaceBefore, G / 2 + 1);
            line->SpaceAfter = std::max(line->SpaceAfter, G / 2 + 1);
            break;
        case VerticalAlign::Bottom:
            line->SpaceBefore = std::max(line->SpaceBefore, H + line->Descent - line->LineHeight);
            break;
        }
    }
    // Controls stand on the baseline (check boxes, radio buttons) or on the
    // band's bottom, and rise above the band by what they are taller. They
    // are in text order: only the line's own are looked at.
    const TFormControlList& controls = FormControls();
    for (auto it = std::lower_bound(controls.begin(), controls.end(), P,
                                    [](const TFormControlObj*c, int p) { return c->Pos < p; });
         it != controls.end() && (*it)->Pos < end; ++it) {
        const TFormControlObj* c = *it;
        const int H = c->ControlHeight();
        line->SpaceBefore =
            std::max(line->SpaceBefore, c->BaseLine ? H + line->Descent - line->LineHeight : H - line->LineHeight);
    }
    SectionHeight = addExtent(SectionHeight, LineSpan(*line));

    // Centred and right-aligned lines are placed by their visible text: the
    // spaces kept at a break do not count, and neither does the indent. A
    // line wider than the width starts at the left edge, as a left-aligned
    // one would, and overflows to the right, where scrolling reaches it.
    switch (Justify) {
    case Justification::Center:
        line->LineIndent = std::max(0, (Width - RunWidth(canvas, P, n, true)) / 2);
        break;
    case Justification::Right:
        line->LineIndent = std::max(0, Width - RunWidth(canvas, P, n, true));
        break;
    default:
        line->LineIndent = Indent;
        break;
    }
}

void TImageObj::Measure(TSectionList& master, Canvas& canvas, const FontDescription& font) {
    ParentSectionList = &master;
    if (master.ShowImages && Kind_ == BitmapSource::None) {
        if (std::optional<QImage> found = master.LookUpImage(Source))
            SetBitmap(std::move(*found));
        else
            Kind_ = BitmapSource::Error;
    }
    const bool placeholder = !master.ShowImages || Kind_ != BitmapSource::Own;
    const QImage& picture = master.ShowImages ? Bitmap() : DefaultBitmap();
    ImageHeight = picture.height() + 2;
    ImageWidth = picture.width();
    if (!Alt.isEmpty() && placeholder) {
        const QSize extent = canvas.textExtent(font, Alt);
        ImageWidth += extent.width() + 4;
        ImageHeight = std::max(ImageHeight, extent.height());
    }
}

bool TSection::StartLayout(Canvas& canvas, int Y, int Width, int& ScrollWidth, int& CharPos) {
    TopY = Y;
    StartPos = CharPos;
    SectionHeight = 0;
    LineRecs.Clear();
    ForgetPlaceholders(); // the text may have grown since it was last looked at
    if (Len == 0) {
        ScrollWidth = 0;
        return false;
    }
    ScrollWidth = Width;
    TSectionList& master = *ParentSectionList;
    for (const auto& image : Images()) {
        image->Measure(master, canvas, *Fonts.GetFontAt(image->Pos));
        ScrollWidth = std::max(ScrollWidth, image->ImageWidth);
    }
    for (TFormControlObj* c : FormControls()) {
        ScrollWidth = std::max(ScrollWidth, c->ControlWidth());
        c->HideControl(); // shown again where its line is drawn
    }
    CharPos = StartPos + Len;
    return true;
}

int TSection::DrawLogic(Canvas& canvas, int Y, int Width, int& ScrollWidth, int& CharPos) {
    if (!StartLayout(canvas, Y, Width, ScrollWidth, CharPos))
        return 0;
    for (int P = 0; P < Len;) {
        bool overflow = false;
        const int n = BreakLine(canvas, P, Len - P, Width, overflow);
        FinishLine(canvas, P, n, Width);
        // A word wider than the line overflows it; the page widens so that it
        // can be scrolled to rather than be cut off at the window's edge.
        if (overflow)
            ScrollWidth = std::max(ScrollWidth, addExtent(LineRecs.back()->LineIndent, RunWidth(canvas, P, n, true)));
        P += n;
    }
    return SectionHeight;
}

void TSection::MinMaxWidth(Canvas& canvas, int& Min, int& Max) {
    // An empty section still keeps its indent: an empty list item in a cell
    // holds the cell as wide as its level's indent, as a full one would.
    Min = 0;
    Max = 0;
    if (Len == 0) {
        Min = Max = Indent;
        return;
    }
    ForgetPlaceholders();
    TSectionList& master = *ParentSectionList;
    for (const auto& image : Images()) {
        image->Measure(master, canvas, *Fonts.GetFontAt(image->Pos));
    }
    // The widest is the whole text on one line; the narrowest is its widest
    // unbreakable piece, a word between spaces. Both come from one walk over
    // the pieces: a word's width is the sum of its parts in each piece, and
    // each part is measured (and rounded) as the word measured alone would be.
    int word = 0; // the word so far, from the pieces before this one
    for (int pos = 0; pos < Len;) {
        const Piece piece = PieceAt(pos, Len);
        if (piece.kind != Piece::Text) {
            const int w = PieceWidth(canvas, piece, pos);
            Max = addExtent(Max, w);
            word = addExtent(word, w); // an image or control is part of the word around it
            pos += piece.count;
            continue;
        }
        const TFontObj& F = *piece.font;
        const int overhang = RunMetrics(F).Overhang;
        const Canvas::Words w = canvas.measureWords(F.Id(), TextBuffer().mid(pos, piece.count));
        Max = addExtent(Max, w.width - overhang);
        if (w.head >= 0)
            word = addExtent(word, w.head - overhang);
        if (w.spaced) {
            Min = std::max(Min, word);
            if (w.widest > 0)
                Min = std::max(Min, w.widest - overhang);
            word = w.tail >= 0 ? w.tail - overhang : 0;
        }
        pos += piece.count;
    }
    Min = std::max(Min, word);
    Max = addExtent(Max, Indent);
    Min = addExtent(Min, Indent);
}

int TPreFormated::DrawLogic(Canvas& canvas, int Y, int, int& ScrollWidth, int& CharPos) {
    if (!StartLayout(canvas, Y, kNoWrapWidth, ScrollWidth, CharPos))
        return 0;
    // The page is as wide as the whole line. A line that fits the no-wrap
    // width is one line, which is what breaking it would find, measured once.
    const int width = RunWidth(canvas, 0, Len);
    ScrollWidth = addExtent(width, Indent);
    if (width <= kNoWrapWidth - Indent) {
        FinishLine(canvas, 0, Len, kNoWrapWidth);
        return SectionHeight;
    }
    int unused = 0, chars = StartPos; // laid out again from its start, wrapping at the no-wrap width
    return TSection::DrawLogic(canvas, Y, kNoWrapWidth, unused, chars);
}

void TPreFormated::MinMaxWidth(Canvas& canvas, int& Min, int& Max) {
    Max = addExtent(Len == 0 ? 0 : RunWidth(canvas, 0, Len), Indent);
    // A table may squeeze preformatted text (it is clipped, not wrapped) but no narrower than this.
    Min = std::min(500, Max);
}

int THorzLine::DrawLogic(Canvas& canvas, int Y, int Width_, int& ScrollWidth, int& CharPos) {
    Width = Width_;
    return TSectionBase::DrawLogic(canvas, Y, Width_, ScrollWidth, CharPos);
}

int TCell::DoLogic(Canvas& canvas, int Y, int Width, int& ScrollWidth, int& CharPos) {
    TopY = Y;
    StartPos = CharPos;
    int height = 0;
    ScrollWidth = 0;
    for (const auto& s : *this) {
        int w = 0;
        height = addExtent(height, s->DrawLogic(canvas, addExtent(Y, height), Width, w, CharPos));
        ScrollWidth = std::max(ScrollWidth, w);
    }
    Len = CharPos - StartPos;
    return height;
}

void TCell::MinMaxWidth(Canvas& canvas, int& Min, int& Max) {
    Min = 0;
    Max = 0;
    for (const auto& s : *this) {
        int mn = 0, mx = 0;
        s->MinMaxWidth(canvas, mn, mx);
        Min = std::max(Min, mn);
        Max = std::max(Max, mx);
    }
}

int TSectionList::DoLogic(Canvas& canvas, int Y, int Width, int& ScrollWidth, int& CharPos) {
    ++LayoutPass;
    LayoutError.reset();
    for (const auto& form : FormList)
        form->SizeControls(canvas);
    return TCell::DoLogic(canvas, Y, Width, ScrollWidth, CharPos);
}

} // namespace zorvel
