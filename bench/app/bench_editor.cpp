// The editor buffer on a page of 10 MB: opening it and typing into it, for a
// page of ordinary 80-character lines and for the same bytes on one single line
// (a minified page, an inline picture). The peer is Qt's own QPlainTextEdit
// opening the ordinary page: one line must cost no more than many.
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

// One key typed in the middle of the page, with the repaint it causes.
void BM_Keystroke(benchmark::State& state) {
    TSRichEdit edit;
    edit.resize(800, 600);
    edit.show();
    edit.LoadFromFile(pageFile(state.range(0) != 0));
    edit.setSelStart(int(kPageBytes / 2));
    edit.ensureCursorVisible();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(&edit, &key);
        edit.viewport()->repaint();
        QCoreApplication::processEvents();
    }
}

BENCHMARK(BM_OpenEditor)->ArgName("oneLine")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenQtPlainText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Keystroke)->ArgName("oneLine")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter r;
    benchmark::RunSpecifiedBenchmarks(&r);
    const double peer = r.seconds["BM_OpenQtPlainText/iterations:3"];
    std::printf("\nOpening 10 MB against QPlainTextEdit::setPlainText of the ordinary page:\n");
    for (const char* name : {"BM_OpenEditor/oneLine:0/iterations:3", "BM_OpenEditor/oneLine:1/iterations:3"})
        if (peer > 0)
            std::printf("%-44s %6.2f x\n", name, r.seconds[name] / peer);
    benchmark::Shutdown();
    return 0;
}
