// Drawing of laid-out sections: text lines with their images, controls and
// list marks, inline images, horizontal rules, and the sections of a cell.
#include "model/document.h"
#include "model/form_controls.h"
#include "model/limits.h"

#include <algorithm>

namespace zorvel {

namespace {

// Drawing rectangles are half-open, as layout's heights are: a section from Y
// of height H covers Y .. Y + H - 1.
int bottomOf(const QRect& r) {
    return r.y() + r.height();
}

bool sameColor(const QColor& a, const QColor& b) {
    return a.rgb() == b.rgb();
}

// Runs longer than this are drawn only where they are to be seen: a word of
// megabytes, measured and shaped whole for every paint, would freeze the view.
constexpr qsizetype kLongRun = 4096;

struct RunPart {
    int x = 0;
    QStringView text;
};

// Of a run that starts at x, the characters that reach into left..right and
// where the first of them starts.
RunPart visiblePart(Canvas& canvas, FontId font, QStringView text, int x, int left, int right) {
    if (text.size() <= kLongRun)
        return {x, text};
    RunPart part{x, text};
    if (left > x) {
        int width = 0;
        // The character that ends at or before left may still show a pixel of its slant.
        const qsizetype hidden = std::max(0, canvas.fitCount(font, text, left - x, width) - 1);
        part.x = addExtent(x, canvas.textWidth(font, text.first(hidden)));
        part.text = text.sliced(hidden);
    }
    int width = 0;
    const qsizetype shown = canvas.fitCount(font, part.text, std::max(0, right - part.x), width);
    part.text = part.text.first(std::min(part.text.size(), shown + 2));
    return part;
}

QColor discColor(int level) {
    switch (level) {
    case 1:
    case 4:
        return QColor(0x00, 0x00, 0x80); // navy
    case 2:
    case 5:
        return QColor(0x80, 0x00, 0x00); // maroon
    default:
        return QColor(0xFF, 0x00, 0x00);
    }
}

} // namespace

int TSection::Draw(Canvas& canvas, const QRect& DrawRect, int Width, int X, int Y) {
    const int result = addExtent(Y, SectionHeight);
    const int rectBottom = bottomOf(DrawRect);
    if (result <= DrawRect.y() || Y >= rectBottom)
        return result;
    const TSectionList& master = *ParentSectionList;
    const int selStart = std::min(master.SelectionStart, master.SelectionEnd) - StartPos;
    const int selEnd = std::max(master.SelectionStart, master.SelectionEnd) - StartPos;
    const bool clipLines = dynamic_cast<const TPreFormated*>(this) != nullptr;
    for (int i = 0; i < LineRecs.Count(); ++i) {
        const LineRec& line = *LineRecs.Item(i);
        const int lineTop = Y;
        const int lineBottom = Y + LineSpan(line);
        if (lineTop >= rectBottom)
            break;
        if (master.PrintClipping) {
            // Printed whole on the page before, which this one overlaps.
            if (lineBottom <= master.PrintedTo) {
                Y = lineBottom;
                continue;
            }
            // A line that would be cut by the page's bottom is left for the
            // next page, which starts no lower than that line's top. A line
            // taller than the page fits on none, so it is printed cut, as a
            // tall picture is.
            if (lineBottom > rectBottom && LineSpan(line) <= DrawRect.height())
                break;
        }
        Y += line.SpaceBefore + line.LineHeight; // the bottom of the text band
        if (lineBottom > DrawRect.y()) {
            if (i == 0)
                DrawListMark(canvas, X, line, Y);
            if (clipLines) // preformatted text never wraps; it ends at the page's right edge
                canvas.setClipRect(QRect(X, lineTop, Width, Y - lineTop));
            DrawLinePieces(canvas, line, X, Y, selStart, selEnd, DrawRect.x(), DrawRect.x() + DrawRect.width());
            if (clipLines)
                canvas.clearClip();
        }
        Y += line.SpaceAfter;
    }
    return result;
}

void TSection::DrawListMark(Canvas& canvas, int X, const LineRec& line, int Bottom) const {
    const TSectionList& master = *ParentSectionList;
    const int left = X + line.LineIndent;
    if (ListType == ListKind::Ordered) {
        // The number hangs in the indent, ending 5 pixels before the text; a
        // long one reaches left of the section.
        const QString number = (QString::number(ListNumber) + u'.').left(7);
        FontDescription font = *BaseFont;
        if (master.Printing)
            font.color = Qt::black;
        const FontMetricsInfo m = canvas.fontMetrics(font);
        const int width = canvas.textExtent(font, number).width();
        canvas.drawText(left - 5 - width, Bottom - line.Descent - m.ascent, font, number, nullptr);
    } else if (ListType == ListKind::Unordered) {
        const int cx = left - 8;
        const int cy = Bottom - line.LineHeight / 2;
        const QRect box(cx - 2, cy - 2, 5, 5);
        // Coloured discs show on the desktop's grey or on white; on a page's
        // own colour they could vanish, so a ring in the text colour is drawn.
        const QColor& back = master.Background;
        if (sameColor(back, canvas.systemColors().WindowFace) || sameColor(back, Qt::white))
            canvas.drawEllipse(box, discColor(Level), true);
        else
            canvas.drawEllipse(box, master.FontColor, false);
    }
}

void TSection::DrawLinePieces(Canvas& canvas, const LineRec& line, int X, int Bottom, int SelStart, int SelEnd,
                              int Left, int Right) const {
    const TSectionList& master = *ParentSectionList;
    const int baseline = Bottom - line.Descent;
    const int textTop = Bottom - line.LineHeight;
    int x = addExtent(X, line.LineIndent);
    const int end = line.Start + line.CharCount;
    for (int pos = line.Start; pos < end;) {
        // A piece also ends where the selection starts or ends.
        int limit = end;
        if (SelStart > pos && SelStart < limit)
            limit = SelStart;
        if (SelEnd > pos && SelEnd < limit)
            limit = SelEnd;
        const Piece piece = PieceAt(pos, limit);
        switch (piece.kind) {
        case Piece::Image:
            piece.image->Draw(canvas, x, baseline, textTop, *Fonts.GetFontObjAt(pos));
            x = addExtent(x, piece.image->ImageWidth);
            break;
        case Piece::Control: {
            const int h = piece.control->ControlHeight();
            piece.control->Draw(canvas, x, piece.control->BaseLine ? Bottom - h - line.Descent : Bottom - h);
            x = addExtent(x, piece.control->ControlWidth());
            break;
        }
        case Piece::Nothing:
            break;
        case Piece::Text: {
            const TFontObj& f = *piece.font;
            const TRunMetrics m = RunMetrics(f);
            const QStringView text = TextBuffer().mid(pos, piece.count);
            const QColor color = master.Printing ? QColor(Qt::black) : f.RunFont().color;
            // Runs of different sizes share the line's baseline; sub- and
            // superscripts move off it by a part of their own font's size.
            int y = baseline - (m.TextHeight - m.Descent);
            if (f.ScriptPosition == ScriptShift::Super)
                y -= m.FontHeight / 3;
            else if (f.ScriptPosition == ScriptShift::Sub)
                y += m.Descent / 2 + 1;
            // The overhang is shared between a run's two ends.
            const int width = std::min(canvas.textWidth(f.Id(), text) - m.Overhang, kMaxExtent);
            const auto [from, shown] = visiblePart(canvas, f.Id(), text, x, Left, Right);
            const int tx = from - m.Overhang / 2;
            if (pos >= SelStart && pos < SelEnd) {
                // Selected text is shown inverted: the text colour behind, the page's colour in front.
                canvas.drawText(tx, y, f.Id(), master.Background, shown, &color);
            } else {
                canvas.drawText(tx, y, f.Id(), color, shown, nullptr);
            }
            x = addExtent(x, width);
            break;
        }
        }
        pos += piece.count;
    }
}

void TImageObj::Draw(Canvas& canvas, int X, int Baseline, int TextTop, const TFontObj& Font) const {
    const TSectionList& master = *ParentSectionList;
    const bool shown = master.ShowImages;
    const QImage& picture = shown ? Bitmap() : DefaultBitmap();
    const bool placeholder = !shown || Kind_ != BitmapSource::Own;
    const TRunMetrics m = Font.Metrics(*master.ScreenCanvas);
    int top = 0;
    switch (ImageAlign) {
    case VerticalAlign::Top:
        top = TextTop + 1;
        break;
    case VerticalAlign::Middle:
        top = Baseline + m.Descent - m.TextHeight / 2 - picture.height() / 2;
        break;
    case VerticalAlign::Bottom:
        top = Baseline - ImageHeight + 2;
        break; // the picture stands on the baseline
    }
    canvas.drawImage(X, top, picture);
    const QColor color = master.Printing ? QColor(Qt::black) : Font.RunFont().color;
    // The image's box: the picture (and its ALT text) with a pixel above and below.
    const QRect box(X, top - 1, ImageWidth, ImageHeight);
    if (!Alt.isEmpty() && placeholder) {
        FontDescription font = Font.RunFont();
        font.color = color;
        canvas.drawText(X + picture.width() + 2, box.y() + (ImageHeight - m.TextHeight) / 2, font, Alt, nullptr);
        canvas.drawRect(box, color);
    }
    // A picture inside a link is framed so it shows as one, unless the page
    // asked for no border and the picture is really there.
    if (!Font.LinkURL.isEmpty() && !(shown && NoBorder && Kind_ != BitmapSource::Error))
        canvas.drawRect(box, color);
}

int THorzLine::Draw(Canvas& canvas, const QRect& DrawRect, int, int X, int Y) {
    TopY = Y;
    const int result = addExtent(Y, SectionHeight);
    if (result <= DrawRect.y() || Y >= bottomOf(DrawRect))
        return result;
    const TSectionList& master = *ParentSectionList;
    // The rule spans the text width of the last layout, 10 pixels in from each side.
    const int x1 = X + 10;
    const int x2 = X + Width - 10;
    const int y = Y + SectionHeight / 2;
    const SystemColors system = canvas.systemColors();
    // Engraved on the desktop's grey or a background picture, where the two
    // bevel shades show; on a plain page colour a line in the text colour.
    if (sameColor(master.Background, system.WindowFace) || (master.ShowImages && master.BackgroundBitmap)) {
        canvas.drawLine(x1, y + 2, x1, y, system.ButtonShadow);
        canvas.drawLine(x1, y, x2, y, system.ButtonShadow);
        canvas.drawLine(x2, y, x2, y + 2, system.ButtonHighlight);
        canvas.drawLine(x2, y + 2, x1, y + 2, system.ButtonHighlight);
    } else {
        canvas.drawLine(x1, y, x2, y, master.Printing ? QColor(Qt::black) : master.FontColor);
    }
    return result;
}

int TCell::Draw(Canvas& canvas, const QRect& DrawRect, int Width, int X, int Y) {
    for (const auto& s : *this)
        Y = s->Draw(canvas, DrawRect, Width, X, Y);
    return Y;
}

} // namespace zorvel
