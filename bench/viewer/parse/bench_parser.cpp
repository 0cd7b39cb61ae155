// Parsing speed of generated pages of 100 KB, 1 MB and 10 MB, against Qt's own
// HTML import (QTextDocument::setHtml) and one linear pass over the same text.
// The summary gives MB/s and the ratios, and how time grows with size.
#include "bench_common.h"
#include "page_generator.h"
#include "paint/qt_canvas.h"
#include "parse/html_parse.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

using namespace zorvel;

namespace {

const QString& page(qsizetype bytes) {
    static std::map<qsizetype, QString> pages;
    auto it = pages.find(bytes);
    if (it == pages.end())
        it = pages.emplace(bytes, bench::generatePage(bytes)).first;
    return it->second;
}

void BM_ZorvelParse(benchmark::State& state) {
    const QString& text = page(state.range(0));
    QtCanvas canvas;
    for (auto _ : state) {
        auto model = bench::parse(canvas, text);
        benchmark::DoNotOptimize(model->list->Count());
        // Freeing is measured on its own in bench_viewer_summary.
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}

void BM_QTextDocumentSetHtml(benchmark::State& state) {
    const QString& text = page(state.range(0));
    for (auto _ : state) {
        QTextDocument document;
        document.setHtml(text);
        benchmark::DoNotOptimize(document.blockCount());
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}

// The floor: touch every character once, counting tag starts.
void BM_LinearPass(benchmark::State& state) {
    const QString& text = page(state.range(0));
    for (auto _ : state)
        bench::byteScan(text);
    state.SetBytesProcessed(state.iterations() * text.size());
}

constexpr int64_t kSizes[] = {100 * 1024, 1024 * 1024, 10 * 1024 * 1024};

void sizes(benchmark::internal::Benchmark* b) {
    for (int64_t s : kSizes)
        b->Arg(s);
    b->Unit(benchmark::kMillisecond)->MinTime(0.5);
}

BENCHMARK(BM_ZorvelParse)->Apply(sizes);
BENCHMARK(BM_QTextDocumentSetHtml)->Apply(sizes);
BENCHMARK(BM_LinearPass)->Apply(sizes);

// Collects each run's time per character so the summary can compare them.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const auto slash = name.find('/');
            // CPU time: the machine is shared, and wall time counts the other processes too.
            const double seconds = run.GetAdjustedCPUTime() / 1e3; // reported in milliseconds
            results[name.substr(0, slash)][std::stoll(name.substr(slash + 1))] = seconds;
        }
    }
    std::map<std::string, std::map<int64_t, double>> results;
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& r = reporter.results;
    if (r.count("BM_ZorvelParse") && r.count("BM_QTextDocumentSetHtml") && r.count("BM_LinearPass")) {
        std::printf("\n%-10s %12s %12s %12s %14s %14s\n", "chars", "parse MB/s", "Qt MB/s", "pass MB/s",
                    "parse/Qt time", "parse/pass");
        for (int64_t size : kSizes) {
            const double mb = double(size) / (1024.0 * 1024.0);
            const double p = r["BM_ZorvelParse"][size], q = r["BM_QTextDocumentSetHtml"][size],
                         l = r["BM_LinearPass"][size];
            std::printf("%-10lld %12.1f %12.1f %12.1f %14.3f %14.1f\n", static_cast<long long>(size), mb / p, mb / q,
                        mb / l, p / q, p / l);
        }
        const double small = r["BM_ZorvelParse"][kSizes[0]] / double(kSizes[0]);
        const double large = r["BM_ZorvelParse"][kSizes[2]] / double(kSizes[2]);
        std::printf("\nparse time per character, 10 MB against 100 KB: %.2f (1.00 is linear)\n", large / small);
    }
    benchmark::Shutdown();
    return 0;
}
