#include "headless/dump_run.h"

#include "canvas/fixed_canvas.h"
#include "headless/dump.h"
#include "load/page_loader.h"

namespace zorvel {

namespace {

int dumpWith(const QString& path, QTextStream& out, QTextStream& err, Canvas& canvas, std::optional<int> textWidth,
             const PageLook& look, FormControlFactory* controls) {
    std::unique_ptr<LoadedPage> page;
    try {
        page = loadPage(path, look, canvas, controls);
    } catch (const EHtmlFileError& e) {
        err << e.text() << '\n';
        err.flush();
        return 1;
    }
    int status = 0;
    if (!page->parseError.isEmpty()) {
        err << page->parseError << '\n';
        status = 1;
    }
    int height = 0, scrollWidth = 0, chars = 0;
    if (textWidth) {
        height = page->document.DoLogic(canvas, 0, *textWidth, scrollWidth, chars);
        if (page->document.LayoutError)
            err << *page->document.LayoutError << '\n';
    }
    dumpModel(page->document, page->names, page->strings, out, textWidth.has_value());
    if (textWidth)
        out << "Layout width=" << *textWidth << " height=" << height << " scrollwidth=" << scrollWidth
            << " chars=" << chars << '\n';
    out.flush();
    err.flush();
    return status;
}

} // namespace

int runDump(const QString& path, QTextStream& out, QTextStream& err) {
    FixedMetricsCanvas canvas;
    return dumpWith(path, out, err, canvas, std::nullopt, PageLook{}, nullptr);
}

int runDump(const QString& path, QTextStream& out, QTextStream& err, Canvas& canvas, int textWidth,
            const PageLook& look, FormControlFactory* controls) {
    return dumpWith(path, out, err, canvas, textWidth, look, controls);
}

} // namespace zorvel
