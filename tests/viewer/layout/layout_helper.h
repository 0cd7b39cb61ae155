#pragma once
// A page parsed and laid out with fixed metrics: 12-point text is 7 pixels a
// character, 17 high with a descent of 3; 10-point preformatted text is 6 a
// character, 13 high.
#include "parse/parse_helper.h"

#include <functional>

namespace zorvel::testing {

struct Laid : Parsed {
    int height = 0;
    int scrollWidth = 0;
    int charCount = 0;

    // prepare runs on the parsed list before layout.
    Laid(const QString& html, int width, const std::function<void(TSectionList&)>& prepare = {},
         FormControlFactory* controls = nullptr)
        : Parsed(html, 12, controls) {
        if (prepare)
            prepare(list);
        height = list.DoLogic(canvas, 0, width, scrollWidth, charCount);
    }
    // The k-th non-empty top-level text section.
    TSection& text(int k = 0) const {
        for (const TSection* t : texts())
            if (!t->TextBuffer().isEmpty() && k-- == 0)
                return const_cast<TSection&>(*t);
        throw std::out_of_range("no such text section");
    }
    // Its lines as "[text] x<indent> h<height> d<descent> b<before> a<after>".
    QStringList lines(int k = 0) const {
        QStringList out;
        const TSection& s = text(k);
        for (const auto& l : s.LineRecs)
            out << QStringLiteral("[%1] x%2 h%3 d%4 b%5 a%6")
                       .arg(visibleText(s.TextBuffer().mid(l->Start, l->CharCount).toString()))
                       .arg(l->LineIndent)
                       .arg(l->LineHeight)
                       .arg(l->Descent)
                       .arg(l->SpaceBefore)
                       .arg(l->SpaceAfter);
        return out;
    }
    // The drawing calls of the whole page drawn at X 0 into a tall rectangle.
    QStringList draw(int width = 400, QRect rect = QRect(0, 0, 2000, 2000)) {
        canvas.calls.clear();
        list.Draw(canvas, rect, width, 0, 0);
        return canvas.calls;
    }
};

} // namespace zorvel::testing
