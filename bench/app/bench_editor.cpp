// The editor buffer on a page of 10 MB: opening it and typing into it, for a
// page of ordinary 80-character lines and for the same bytes on one single line
// (a minified page, an inline picture). The peer is Qt's own QPlainTextEdit
// opening the ordinary page: one line must cost no more than many. Each is
// measured with and without syntax colours: colours may make opening at most
// half a second slower, and a keystroke must stay under 50 ms.
#include "trecode.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace {

using namespace zorvel;

constexpr qsizetype kPageBytes = 10 * 1024 * 1024;

QByteArray makePage(bool oneLine) {
    static const QByteArray unit = "<td class=\"x\"><a href=\"p.htm#z\">item</a></td>";
    QByteArray page;
    page.reserve(kPageBytes + 100);
    while (page.size() < kPageBytes) {
        page += unit;
        if (!oneLine && page.size() % 80 < unit.size())
            page += "\r\n";
    }
    return page;
}

const QString& pageFile(bool oneLine) {
    static QTemporaryDir dir;
    static std::map<bool, QString> files;
    if (!files.count(oneLine)) {
        QFile f(dir.filePath(oneLine ? "one.htm" : "lines.htm"));
        f.open(QIODevice::WriteOnly);
        f.write(makePage(oneLine));
        files[oneLine] = f.fileName();
    }
    return files[oneLine];
}

void BM_OpenEditor(benchmark::State& state) {
    const QString& file = pageFile(state.range(0) != 0);
    for (auto _ : state) {
        TSRichEdit edit;
        edit.resize(800, 600);
        edit.show();
        edit.setSyntaxColours(state.range(1) != 0);
        edit.LoadFromFile(file);
        QCoreApplication::processEvents();
    }
}

void BM_OpenQtPlainText(benchmark::State& state) {
    QFile f(pageFile(false));
    f.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(f.readAll());
    for (auto _ : state) {
        QPlainTextEdit edit;
        edit.resize(800, 600);
        edit.show();
        edit.setPlainText(text);
        QCoreApplication::processEvents();
    }
}

// The page (range 0: one line) opened with colours or not (range 1), the caret in
// its middle, shown once: reading the lines above the caret is the jump's cost
// (BM_JumpToEnd), not that of what follows.
void openAtMiddle(TSRichEdit& edit, const benchmark::State& state) {
    edit.resize(800, 600);
    edit.show();
    edit.setSyntaxColours(state.range(1) != 0);
    edit.LoadFromFile(pageFile(state.range(0) != 0));
    edit.setSelStart(int(kPageBytes / 2));
    edit.ensureCursorVisible();
    QCoreApplication::processEvents();
    edit.viewport()->repaint();
}

// One key typed in the middle of the page, with the repaint it causes.
void BM_Keystroke(benchmark::State& state) {
    TSRichEdit edit;
    openAtMiddle(edit, state);
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(&edit, &key);
        edit.viewport()->repaint();
        QCoreApplication::processEvents();
    }
}

// Painting the lines shown, nothing changed: what drawing coloured text costs.
void BM_Repaint(benchmark::State& state) {
    TSRichEdit edit;
    openAtMiddle(edit, state);
    for (auto _ : state) {
        edit.viewport()->repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_Repaint)
    ->ArgNames({"oneLine", "colours"})
    ->ArgsProduct({{0}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);

// A jump to the end of a coloured page: the lines before it are read once, without colours.
void BM_JumpToEnd(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TSRichEdit edit;
        edit.resize(800, 600);
        edit.show();
        edit.setSyntaxColours(true);
        edit.LoadFromFile(pageFile(state.range(0) != 0));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        edit.moveCursor(QTextCursor::End);
        edit.viewport()->repaint();
        QCoreApplication::processEvents();
    }
}

BENCHMARK(BM_OpenEditor)
    ->ArgNames({"oneLine", "colours"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_OpenQtPlainText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Keystroke)
    ->ArgNames({"oneLine", "colours"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(BM_JumpToEnd)->ArgName("oneLine")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ms; // every benchmark here reports in milliseconds
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            ms[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter r;
    benchmark::RunSpecifiedBenchmarks(&r);
    const double peer = r.ms["BM_OpenQtPlainText/iterations:3"];
    std::printf("\nOpening 10 MB against QPlainTextEdit::setPlainText of the ordinary page:\n");
    for (const char* name :
         {"BM_OpenEditor/oneLine:0/colours:0/iterations:3", "BM_OpenEditor/oneLine:1/colours:0/iterations:3"})
        if (peer > 0)
            std::printf("%-52s %6.2f x\n", name, r.ms[name] / peer);
    std::printf("\nWhat syntax colours cost on a page of 10 MB (at most 0.5 s to open, 50 ms a key):\n");
    for (const char* lines : {"0", "1"}) {
        auto at = [&](const char* bench, const char* colours, int n) {
            return r.ms[std::string(bench) + "/oneLine:" + lines + "/colours:" + colours +
                        "/iterations:" + std::to_string(n)];
        };
        std::printf("%-12s open %+7.3f s    keystroke %6.1f ms (%6.1f ms without)\n",
                    *lines == '1' ? "one line" : "80-char lines",
                    (at("BM_OpenEditor", "1", 3) - at("BM_OpenEditor", "0", 3)) / 1e3, at("BM_Keystroke", "1", 20),
                    at("BM_Keystroke", "0", 20));
    }
    benchmark::Shutdown();
    return 0;
}
