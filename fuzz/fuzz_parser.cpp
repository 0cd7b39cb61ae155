// Feeds arbitrary bytes to the parser, then walks the model it built: the
// dump, a clone and a change of defaults touch every section.
#include "canvas/fixed_canvas.h"
#include "headless/dump.h"
#include "parse/html_parse.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorvel;
    static FixedMetricsCanvas canvas;
    canvas.calls.clear();
    const QString text = viewerText(decodeText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    TSectionList list(canvas);
    TNameList names;
    TParseStrings strings;
    try {
        HtmlParseBuffer(list, names, text, strings);
    } catch (const EParseError&) {
        // The model keeps what was parsed; it is walked all the same.
    }
    const QString dump = dumpModelText(list, names, strings);
    (void)dump;
    const std::unique_ptr<TSectionList> copy = list.Clone();
    copy->SetDefaults({.fontName = QStringLiteral("Arial"), .fontSize = 18, .background = Qt::white, .link = Qt::red});
    int scrollWidth = 0;
    int charPos = 0;
    copy->DoLogic(canvas, 0, 600, scrollWidth, charPos);
    return 0;
}
