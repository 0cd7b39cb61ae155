// Pages written to break the engine, against plain pages of the same size:
// for each, parse + layout at 800 px (CPU time, best run) and the peak memory
// that adds, each measured in a child process that is stopped after a time
// limit, so that a page that hangs the engine shows as a hang and the table
// is still printed. A hostile page should cost at most 5 times what a plain
// page of its size costs, and no page under 2 MB should take 1 GB.
//   bench_viewer_hostile [SECONDS]   the time limit per page (30)
#include "bench_common.h"
#include "paint/qt_canvas.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sys/resource.h>

using namespace zorvel;
using namespace zorvel::bench;

namespace {

// Gives every picture asked for: one blank picture of the page's size.
struct PictureHost : DocumentHost {
    explicit PictureHost(QSize size) : image(size, QImage::Format_Mono) { image.fill(0); }
    bool OnBitmapRequest(const QString&, std::optional<QImage>& bitmap) override {
        bitmap = image;
        return true;
    }
    QImage image;
};

struct Hostile {
    const char* name;
    QString text;
    QSize picture; // every IMG of the page shows a picture of this size; none when empty
};

QString repeated(const char* piece, int n) {
    return QString::fromLatin1(piece).repeated(n);
}

// Paragraphs of ordinary words, about `bytes` long.
QString plainPage(qsizetype bytes) {
    static const QString paragraph =
        QStringLiteral("<P>The quick brown fox jumps over the lazy dog, and the dog does not mind at all; "
                       "it has seen foxes before and will see them again tomorrow.\n");
    QString page;
    page.reserve(bytes + paragraph.size());
    while (page.size() < bytes)
        page += paragraph;
    return page;
}

std::vector<Hostile> hostilePages() {
    std::vector<Hostile> pages;
    pages.push_back(
        {"COLSPAN=2147483647 (48 bytes)", QStringLiteral("<TABLE><TR><TD>a<TD COLSPAN=2147483647>b</TABLE>after"), {}});
    for (const auto& [rows, name] : {std::pair{2500, "ROWSPAN of 2,500 rows"}, std::pair{5000, "ROWSPAN of 5,000 rows"},
                                     std::pair{10000, "ROWSPAN of 10,000 rows"}})
        pages.push_back({name,
                         "<TABLE><TR><TD ROWSPAN=" + QString::number(rows) + ">tall<TD>r" +
                             repeated("<TR><TD>r", rows - 1) + "</TABLE>",
                         {}});
    pages.push_back({"<PRE> and 900,000 x", "<PRE>" + QString(900000, u'x'), {}});
    pages.push_back({"100,000 IMG in a paragraph", repeated("<IMG SRC=a.gif>", 100000), {}});
    pages.push_back({"80,000 check boxes in a paragraph", repeated("<INPUT TYPE=checkbox>", 80000), {}});
    QString words;
    for (int i = 0; i < 9000; ++i)
        words += QStringLiteral("w%1 ").arg(i, 5, 10, QLatin1Char('0'));
    pages.push_back({"9,000 words in one P", "<P>" + words, {}});
    pages.push_back({"a single word of 1.9 MB", QString(1900000, u'w'), {}});
    pages.push_back({"a single word of 5 MB", QString(5000000, u'w'), {}});
    pages.push_back({"75,000 pictures 30,000 px tall", repeated("<IMG SRC=tall.png><BR>", 75000), QSize(1, 30000)});
    pages.push_back({"129 rows of TEXTAREA ROWS=2e9",
                     "<TABLE>" + repeated("<TR><TD><TEXTAREA ROWS=2000000000></TEXTAREA>", 129) + "</TABLE>",
                     {}});
    pages.push_back({"30 cells of TEXTAREA COLS=2e9",
                     "<TABLE><TR>" + repeated("<TD><TEXTAREA COLS=2000000000></TEXTAREA>", 30) + "</TABLE>",
                     {}});
    pages.push_back({"SELECT SIZE and TEXTAREA of 1e9",
                     QStringLiteral("<SELECT SIZE=999999999><OPTION>a</SELECT>"
                                    "<TEXTAREA ROWS=999999999 COLS=999999999></TEXTAREA>"),
                     {}});
    pages.push_back({"10,000 short paragraphs", repeated("<P>A short paragraph.\n", 10000), {}});
    pages.push_back({"wide words centred and right",
                     "<CENTER>" + repeated("wwwwwwwwwwwwwwwwwwww", 500) + " " +
                         repeated("<P ALIGN=right>short wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww ", 2000),
                     {}});
    return pages;
}

struct Cost {
    double seconds = -1; // parse + layout, best run; -1: stopped at the time limit
    double peak = -1;    // bytes the peak resident set grew by
};

// Parse + layout of text in a child process, stopped after limit seconds and
// kept under 8 GB. The child reports after every run, so a page that takes
// most of the limit still shows its first run's time.
Cost measure(Canvas& canvas, const QString& text, QSize picture, int limit) {
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        const rlimit memory{8L << 30, 8L << 30};
        setrlimit(RLIMIT_AS, &memory);
        alarm(unsigned(limit));
        malloc_trim(0);
        const long before = statusKb("VmRSS");
        std::ofstream("/proc/self/clear_refs") << "5";
        Cost cost;
        double spent = 0;
        for (int run = 0; run < 20 && (run < 3 || spent < 0.5); ++run) {
            const double start = cpuSeconds();
            {
                PictureHost host(picture); // outlives the page that asks it
                auto m = std::make_unique<Model>();
                m->list = std::make_unique<TSectionList>(canvas);
                m->list->SetDefaults({.background = Qt::white, .showImages = !picture.isEmpty()});
                if (!picture.isEmpty())
                    m->list->Host = &host;
                try {
                    HtmlParseBuffer(*m->list, m->names, text, m->strings);
                } catch (const std::exception&) {
                }
                layout(canvas, *m->list);
            }
            const double took = cpuSeconds() - start;
            spent += took;
            cost.seconds = cost.seconds < 0 ? took : std::min(cost.seconds, took);
            if (run == 0)
                cost.peak = double(statusKb("VmHWM") - before) * 1024;
            (void)!write(fds[1], &cost, sizeof cost);
        }
        _exit(0);
    }
    close(fds[1]);
    Cost cost, next;
    while (read(fds[0], &next, sizeof next) == sizeof next)
        cost = next;
    close(fds[0]);
    waitpid(child, nullptr, 0);
    return cost;
}

QByteArray timeText(const Cost& c, int limit) {
    return c.seconds < 0 ? "> " + QByteArray::number(limit) + " s" : QByteArray::number(c.seconds * 1e3, 'f', 1);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const int limit = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    QtCanvas canvas;
    layout(canvas, *parse(canvas, plainPage(20000))->list); // warm the font caches

    std::printf("Hostile pages against plain pages of the same size: parse + layout at %d px (CPU ms, best run)\n"
                "and the peak memory that adds; each within 5x of the plain page, under 1 GB below 2 MB.\n\n",
                kWidth);
    std::printf("%-36s %9s %12s %9s %7s %9s %8s %7s  %s\n", "page", "KB", "ms", "plain ms", "x", "peak MB", "plain MB",
                "x", "verdict");
    bool allGood = true;
    for (const Hostile& page : hostilePages()) {
        const qsizetype bytes = page.text.toUtf8().size();
        const Cost hostile = measure(canvas, page.text, page.picture, limit);
        const Cost plain = measure(canvas, plainPage(bytes), {}, limit);
        const double ratio = hostile.seconds < 0 ? -1 : hostile.seconds / std::max(plain.seconds, 1e-6);
        const double memoryRatio = hostile.peak < 0 ? -1 : hostile.peak / std::max(plain.peak, 4096.0);
        // Pages of a few bytes take microseconds either way, where the ratio says nothing.
        const bool slow = hostile.seconds < 0 || (ratio > 5 && hostile.seconds > 0.005);
        const bool big = hostile.peak < 0 || (bytes < 2 * 1024 * 1024 && hostile.peak > 1024.0 * 1024 * 1024);
        allGood = allGood && !slow && !big;
        std::printf("%-36s %9.1f %12s %9.1f %7s %9s %8.1f %7s  %s\n", page.name, double(bytes) / 1024,
                    timeText(hostile, limit).constData(), plain.seconds * 1e3,
                    ratio < 0 ? "-" : QByteArray::number(ratio, 'f', 2).constData(),
                    hostile.peak < 0 ? "-" : QByteArray::number(hostile.peak / 1048576, 'f', 1).constData(),
                    plain.peak / 1048576, memoryRatio < 0 ? "-" : QByteArray::number(memoryRatio, 'f', 1).constData(),
                    slow  ? "SLOW"
                    : big ? "TOO BIG"
                          : "ok");
        std::fflush(stdout);
    }
    std::printf("\n%s\n", allGood ? "Every page within its bounds." : "Some pages are out of bounds.");
    return allGood ? 0 : 1;
}
