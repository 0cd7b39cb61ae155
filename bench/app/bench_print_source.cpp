// Printing a document's source to a PDF, as File › Print does, per line
// printed: pages of 10,000 and 20,000 lines with one line of 5,000 characters
// among them, beside a plain page of 30,000 lines. A long line must not make
// every other line dearer: each stays within 1.5 times the plain page's cost
// per line.
#include "print_source.h"
#include "trecode.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace {

using namespace zorvel;

constexpr int kLongLineLength = 5000;

// Ordinary lines of markup, and with longLine one of 5,000 characters in the middle.
QString makeSource(int lines, bool longLine) {
    QStringList out;
    out.reserve(lines);
    for (int i = 1; i <= lines; ++i)
        out << QStringLiteral("<P>Line %1 of the page, with a <A HREF=\"other.htm#x\">link</A> and a few words.</P>")
                   .arg(i);
    if (longLine)
        out[lines / 2] =
            QStringLiteral("<IMG SRC=\"data:") + QString(kLongLineLength - 17, u'Q') + QStringLiteral("\">");
    return out.join(QStringLiteral("\r\n"));
}

std::map<std::string, double> perLineUs; // by case

void BM_PrintSource(benchmark::State& state) {
    const int lines = int(state.range(0));
    const bool longLine = state.range(1) != 0;
    TSRichEdit edit;
    edit.loadText(makeSource(lines, longLine), TextFormat{});
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("source.pdf")));
    for (auto _ : state) {
        // What File › Print does once the dialog is confirmed.
        SourcePrintout source;
        source.lines = edit.Lines();
        source.editorFont = edit.font();
        source.title = QStringLiteral("page.htm");
        printSource(printer, source);
    }
    state.counters["per_line"] =
        benchmark::Counter(lines, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_PrintSource)
    ->ArgNames({"lines", "longLine"})
    ->Args({30000, 0})
    ->Args({10000, 1})
    ->Args({20000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

class PerLineReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (const auto c = run.counters.find("per_line"); c != run.counters.end())
                perLineUs[run.benchmark_name()] = c->second * 1e6;
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    PerLineReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double plain = perLineUs["BM_PrintSource/lines:30000/longLine:0/iterations:3"];
    std::printf("\nPrinting the source, per line, against a plain page of 30,000 lines (at most 1.5 x):\n");
    for (const auto& [name, us] : perLineUs)
        if (plain > 0)
            std::printf("%-52s %7.2f us per line %6.2f x\n", name.c_str(), us, us / plain);
    benchmark::Shutdown();
    return 0;
}
