// Remove Tags and Replace All against one plain search over the same text,
// at two sizes each: the ratio should stay flat as the text doubles.
#include "find_replace.h"
#include "remtags_engine.h"

#include <QString>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

using namespace zorvel;

// A page of `size` characters with two tags (and an entity) every 26 characters.
QString makePage(qsizetype size) {
    static const QString unit = QStringLiteral("<B>lorem</B> a &amp; b.\r\n ");
    QString page;
    page.reserve(size);
    while (page.size() + unit.size() <= size)
        page += unit;
    page += QString(size - page.size(), QLatin1Char('x'));
    return page;
}

// Text with a match of "Needle" (in either case) every 50 characters.
QString makeHaystack(qsizetype matches) {
    static const QString unit = QStringLiteral("lorem ipsum dolor sit amet, consectetur nEEdle ad ");
    QString text;
    text.reserve(matches * unit.size());
    for (qsizetype i = 0; i < matches; ++i)
        text += unit;
    return text;
}

const RemoveTagOptions kAllOptions{true, true, true, true};

void BM_RemoveTags(benchmark::State& state) {
    const QString page = makePage(state.range(0));
    const qsizetype tags = page.count(QLatin1Char('<'));
    for (auto _ : state)
        benchmark::DoNotOptimize(removeTags(page, kAllOptions));
    state.counters["tags"] = double(tags);
    state.SetBytesProcessed(state.iterations() * page.size() * 2);
}

void BM_PageScan(benchmark::State& state) {
    const QString page = makePage(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(page.indexOf(QLatin1String("&zzz;")));
    state.SetBytesProcessed(state.iterations() * page.size() * 2);
}

void BM_ReplaceAll(benchmark::State& state) {
    const QString text = makeHaystack(state.range(0));
    qsizetype replaced = 0;
    for (auto _ : state) {
        ReplaceAllResult r = replaceAll(text, QStringLiteral("needle"), QStringLiteral("pin"), false);
        replaced = qsizetype(r.matches.size());
        benchmark::DoNotOptimize(r);
    }
    state.counters["matches"] = double(replaced);
    state.counters["MB"] = double(text.size()) / 1e6;
}

void BM_TextScanQString(benchmark::State& state) {
    const QString text = makeHaystack(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(text.indexOf(QLatin1String("needlx")));
    state.counters["MB"] = double(text.size()) / 1e6;
}

void BM_TextScanStdString(benchmark::State& state) {
    const std::string text = makeHaystack(state.range(0)).toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(text.find("needlx"));
    state.counters["MB"] = double(text.size()) / 1e6;
}

BENCHMARK(BM_RemoveTags)->Arg(32767)->Arg(65534)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PageScan)->Arg(32767)->Arg(65534)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReplaceAll)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextScanQString)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextScanStdString)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Keeps each run's CPU time per iteration (steadier than wall time on a busy
// machine) so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            seconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

void printRatio(const RatioReporter& r, const std::string& a, const std::string& b) {
    const auto x = r.seconds.find(a), y = r.seconds.find(b);
    if (x != r.seconds.end() && y != r.seconds.end() && y->second > 0)
        std::printf("%-44s %8.1f x %s\n", (a + ":").c_str(), x->second / y->second, b.c_str());
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios against one plain search over the same text (flat when linear):\n");
    for (const char* size : {"32767", "65534"})
        printRatio(reporter, std::string("BM_RemoveTags/") + size, std::string("BM_PageScan/") + size);
    for (const char* size : {"50000", "100000"}) {
        printRatio(reporter, std::string("BM_ReplaceAll/") + size, std::string("BM_TextScanQString/") + size);
        printRatio(reporter, std::string("BM_ReplaceAll/") + size, std::string("BM_TextScanStdString/") + size);
    }
    benchmark::Shutdown();
    return 0;
}
