// Feeds arbitrary bytes through everything a page meets after the parser: a
// layout at a narrow and a wide width, drawing onto the fixed canvas band by
// band, the hit tests at points all over the page, and the page breaks of a
// print copy. Any hang (libFuzzer's -timeout), undefined behaviour or bad
// access here is a page that would freeze or crash the viewer.
#include "canvas/fixed_canvas.h"
#include "model/tables.h"
#include "parse/html_parse.h"
#include "print/printing.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

using namespace zorvel;

// Bands enough to reach the bottom of any page a few kilobytes make, without
// drawing a tall one band by band for ever.
constexpr int kBand = 700;
constexpr int kMaxBands = 40;

void drawAndAsk(FixedMetricsCanvas& canvas, TSectionList& list, int width) {
    int scrollWidth = 0, chars = 0;
    const int height = list.DoLogic(canvas, 0, width, scrollWidth, chars);
    const int step = std::max(kBand, height / kMaxBands + 1);
    for (int top = 0; top < height; top += step) {
        canvas.calls.clear();
        list.Draw(canvas, QRect(0, top, std::max(width, scrollWidth), kBand), width, 10, 0);
    }
    canvas.calls.clear();
    for (const int x : {0, width / 3, width - 1, scrollWidth}) {
        for (const int y : {0, height / 3, height / 2, height - 1}) {
            QString url;
            list.GetURL(canvas, x, y, url);
            int xr = 0, yr = 0, caret = 0;
            list.FindCursor(canvas, x, y, xr, yr, caret);
        }
    }
    for (const int position : {0, chars / 2, chars - 1}) {
        int x = 0, y = 0;
        list.CursorToXY(canvas, position, x, y);
    }
    list.FindString(0, QStringLiteral("a"), false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FixedMetricsCanvas canvas;
    const QString text = viewerText(decodeText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    TSectionList list(canvas);
    list.SetDefaults({});
    TNameList names;
    TParseStrings strings;
    try {
        HtmlParseBuffer(list, names, text, strings);
    } catch (const EParseError&) {
        // The model keeps what was parsed; it is laid out all the same.
    }
    drawAndAsk(canvas, list, 150);
    drawAndAsk(canvas, list, 600);

    // A print copy, laid out and cut into pages as printing does.
    const std::unique_ptr<TSectionList> copy = list.Clone();
    copy->Printing = true;
    int scrollWidth = 0, chars = 0;
    copy->DoLogic(canvas, 0, 500, scrollWidth, chars);
    for (const PrintPage& page : paginate(*copy, 400, 60)) {
        canvas.calls.clear();
        copy->PrintClipping = true;
        copy->PrintedTo = page.printedTo;
        copy->Draw(canvas, QRect(0, page.top, 500, page.bottom - page.top), 500, 0, 0);
    }
    canvas.calls.clear();
    return 0;
}
