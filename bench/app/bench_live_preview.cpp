// The live preview's refresh on pages of growing size: how long one load of the
// editor's text into the pane takes (parse and layout), and the pause the pane
// then waits after the last keystroke before loading again.
#include "editfrmu.h"
#include "live_preview.h"
#include "trecode.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace {

using namespace zorvel;

// An ordinary page: headings, paragraphs with links and entities, a list and a table.
QString makePage(int kilobytes) {
    static const QString section = QStringLiteral(
        "<H2>Section</H2>\r\n<P>Some text with a <A HREF=\"other.htm#x\">link</A>, <B>bold</B> and &amp; an "
        "entity, long enough to wrap in the pane at its usual width.\r\n<UL><LI>one<LI>two<LI>three</UL>\r\n"
        "<TABLE BORDER=1><TR><TD>a</TD><TD>b</TD></TR><TR><TD>c</TD><TD>d</TD></TR></TABLE>\r\n");
    QString page = QStringLiteral("<HTML><HEAD><TITLE>Page</TITLE></HEAD><BODY>\r\n");
    while (page.size() < kilobytes * 1024)
        page += section;
    return page + QStringLiteral("</BODY></HTML>\r\n");
}

std::map<int, qint64> lastLoad; // by size in KB

void BM_LivePreviewRefresh(benchmark::State& state) {
    const int kb = int(state.range(0));
    TEditForm form;
    form.MemoPad->setText(makePage(kb));
    LivePreview live(nullptr);
    live.pane()->resize(500, 800);
    live.pane()->show();
    live.setActive(true);
    live.follow(&form);
    for (auto _ : state) {
        form.MemoPad->setSelStart(0);
        form.MemoPad->setSelText(QStringLiteral("x")); // a keystroke: the pane waits
        live.tick();                                   // the pause is over: it loads
    }
    lastLoad[kb] = live.lastLoadMs();
}

BENCHMARK(BM_LivePreviewRefresh)
    ->ArgName("KB")
    ->Arg(10)
    ->Arg(100)
    ->Arg(300)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::printf("\nThe pause before the pane loads again (a load over %d ms waits longer):\n", kLivePreviewSlowLoadMs);
    for (const auto& [kb, ms] : lastLoad)
        std::printf("%5d KB page: load %5lld ms, pause %5d ms\n", kb, static_cast<long long>(ms), livePreviewDelay(ms));
    benchmark::Shutdown();
    return 0;
}
