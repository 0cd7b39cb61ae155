// Parse and layout speed and memory on real pages: the HTML files of Debian's
// documentation packages, each package one corpus. For each corpus and for its
// largest page it reports our parse + layout at 800 pixels against Qt's own
// (QTextDocument::setHtml + setTextWidth + documentSize), our layout alone,
// MB/s, and the peak memory per input byte; then how layout time grows with a
// page repeated 1, 2, 4 and 8 times. Times are CPU times (the machine may be
// shared); memory is the growth of the peak resident set in a child process.
#include "htmlsubs.h"
#include "qt_canvas.h"
#include "readhtml.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTextDocument>

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace zorvel;

namespace {

constexpr int kWidth = 800;

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Seconds per call of f: repeated until a quarter of a second has passed, best of three such rounds.
double timeOf(const std::function<void()>& f) {
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        int n = 0;
        const double start = cpuSeconds();
        double elapsed = 0;
        do {
            f();
            ++n;
            elapsed = cpuSeconds() - start;
        } while (elapsed < 0.25 && n < 1000);
        best = std::min(best, elapsed / n);
        if (elapsed > 2)
            break; // slow enough to measure once
    }
    return best;
}

struct Page {
    QString path;
    qint64 bytes = 0;
    QString text;
};

struct Corpus {
    const char* package;
    std::vector<Page> pages;
    qint64 bytes = 0;
};

std::vector<Page> htmlFilesOf(const char* package) {
    QProcess dpkg;
    dpkg.start(QStringLiteral("dpkg"), {QStringLiteral("-L"), QString::fromLatin1(package)});
    dpkg.waitForFinished();
    std::vector<Page> pages;
    for (const QString& line : QString::fromLocal8Bit(dpkg.readAllStandardOutput()).split(u'\n')) {
        if (!line.endsWith(QLatin1String(".html")) && !line.endsWith(QLatin1String(".htm")))
            continue;
        QFile file(line);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        pages.push_back(Page{line, bytes.size(), viewerText(decodeText(bytes))});
    }
    return pages;
}

struct Model {
    std::unique_ptr<TSectionList> list;
    TNameList names;
    TParseStrings strings;
};

// The viewer's defaults, pictures off (Qt's document loads none either).
std::unique_ptr<Model> parse(Canvas& canvas, const QString& text) {
    auto m = std::make_unique<Model>();
    m->list = std::make_unique<TSectionList>(canvas);
    m->list->ShowImages = false;
    m->list->SetDefaults("Times New Roman", "Courier New", Qt::white, Qt::blue, Qt::black, 12);
    try {
        HtmlParseBuffer(*m->list, m->names, text, m->strings);
    } catch (const std::exception&) {
        // a page ending inside a comment keeps what was parsed
    }
    return m;
}

int layout(Canvas& canvas, TSectionList& list) {
    int scroll = 0, chars = 0;
    return list.DoLogic(canvas, 0, kWidth, scroll, chars);
}

void qtLayout(const QString& text) {
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    document.setHtml(text);
    document.setTextWidth(kWidth);
    volatile qreal h = document.documentLayout()->documentSize().height();
    (void)h;
}

long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return -1;
}

// Peak resident memory that f adds, in bytes, measured in a child process so
// that memory freed by earlier work cannot hide it.
double peakGrowth(const std::function<void()>& f) {
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        malloc_trim(0); // hand freed memory back, or the work below would reuse it unseen
        const long before = statusKb("VmRSS");
        std::ofstream("/proc/self/clear_refs") << "5"; // restart the peak from here
        f();
        const double grown = double(statusKb("VmHWM") - before) * 1024;
        (void)!write(fds[1], &grown, sizeof grown);
        _exit(0);
    }
    close(fds[1]);
    double grown = -1;
    if (read(fds[0], &grown, sizeof grown) != sizeof grown)
        grown = -1;
    close(fds[0]);
    waitpid(child, nullptr, 0);
    return grown;
}

void row(const char* what, const char* name, int pages, qint64 bytes, double ours, double oursLayout, double qt,
         double memory) {
    const double mb = double(bytes) / (1024.0 * 1024.0);
    std::printf("%-8s %-28s %5d %9.2f %9.1f %9.1f %9.1f %8.1fx %7.2f\n", what, name, pages, mb, mb / ours,
                mb / oursLayout, mb / qt, qt / ours, memory);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QtCanvas canvas;
    // Warm the font caches so that neither side pays for loading fonts in its timings.
    layout(canvas, *parse(canvas, QStringLiteral("<B>b</B><I>i</I><TT>t</TT><H1>h</H1>x"))->list);
    qtLayout(QStringLiteral("<b>b</b>"));

    // `--profile PAGE N`: parse and lay out one page N times and stop, for a profiler to watch.
    if (argc == 4 && std::string(argv[1]) == "--profile") {
        QFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QString text = viewerText(decodeText(file.readAll()));
        for (int i = std::atoi(argv[3]); i > 0; --i)
            layout(canvas, *parse(canvas, text)->list);
        return 0;
    }

    std::vector<Corpus> corpora;
    for (const char* package : {"git-doc", "vim-doc", "tcl8.6-doc", "libgtk-3-doc"}) {
        Corpus c{package, htmlFilesOf(package)};
        for (const Page& p : c.pages)
            c.bytes += p.bytes;
        corpora.push_back(std::move(c));
    }

    std::printf("\nParse + layout at %d px; MB/s of input bytes; memory is peak bytes per input byte.\n", kWidth);
    std::printf("%-8s %-28s %5s %9s %9s %9s %9s %9s %7s\n", "", "corpus / page", "pages", "MB", "ours", "layout",
                "Qt", "speed-up", "mem/B");
    const Page* largestOverall = nullptr;
    for (const Corpus& c : corpora) {
        if (c.pages.empty()) {
            std::printf("%-8s %-28s %5d   (the package has no HTML pages)\n", "corpus", c.package, 0);
            continue;
        }
        const double ours = timeOf([&] {
            for (const Page& p : c.pages)
                layout(canvas, *parse(canvas, p.text)->list);
        });
        std::vector<std::unique_ptr<Model>> models;
        for (const Page& p : c.pages)
            models.push_back(parse(canvas, p.text));
        const double oursLayout = timeOf([&] {
            for (const auto& m : models)
                layout(canvas, *m->list);
        });
        models.clear();
        const double qt = timeOf([&] {
            for (const Page& p : c.pages)
                qtLayout(p.text);
        });
        // Every page of the corpus parsed and laid out, all kept at once.
        const double corpusMemory = peakGrowth([&] {
                                        std::vector<std::unique_ptr<Model>> kept;
                                        for (const Page& p : c.pages) {
                                            kept.push_back(parse(canvas, p.text));
                                            layout(canvas, *kept.back()->list);
                                        }
                                    }) /
                                    double(c.bytes);
        row("corpus", c.package, int(c.pages.size()), c.bytes, ours, oursLayout, qt, corpusMemory);

        const Page& big = *std::max_element(c.pages.begin(), c.pages.end(),
                                            [](const Page& a, const Page& b) { return a.bytes < b.bytes; });
        if (!largestOverall || big.bytes > largestOverall->bytes)
            largestOverall = &big;
        auto m = parse(canvas, big.text);
        const double memory =
            peakGrowth([&] {
                auto kept = parse(canvas, big.text);
                layout(canvas, *kept->list);
            }) /
            double(big.bytes);
        row("largest", big.path.section(u'/', -1).toLocal8Bit().constData(), 1, big.bytes,
            timeOf([&] { layout(canvas, *parse(canvas, big.text)->list); }), timeOf([&] { layout(canvas, *m->list); }),
            timeOf([&] { qtLayout(big.text); }), memory);
    }
    if (!largestOverall)
        return 0;

    std::printf("\nThe largest page (%s) repeated: time per input byte against once (1.00 is linear)\n",
                largestOverall->path.toLocal8Bit().constData());
    std::printf("%6s %9s %12s %12s %10s %10s %8s\n", "times", "MB", "layout ms", "parse+lay ms", "layout/B",
                "total/B", "mem/B");
    double layoutOnce = 0, totalOnce = 0;
    // The body is repeated inside one page: the parser stops at the page's end.
    const QString& once = largestOverall->text;
    const qsizetype bodyEnd = once.lastIndexOf(QLatin1String("</body"), -1, Qt::CaseInsensitive);
    const qsizetype bodyTag = once.indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive);
    const qsizetype bodyStart = bodyTag < 0 ? 0 : once.indexOf(u'>', bodyTag) + 1;
    const qsizetype end = bodyEnd < 0 ? once.size() : bodyEnd;
    const QString body = once.mid(bodyStart, end - bodyStart);
    for (const int times : {1, 2, 4, 8}) {
        QString text = once.left(end);
        for (int i = 1; i < times; ++i)
            text += body;
        text += once.mid(end);
        const qint64 bytes = largestOverall->bytes + qint64(double(largestOverall->bytes) * double(body.size()) /
                                                            double(once.size()) * (times - 1));
        auto m = parse(canvas, text);
        const double lay = timeOf([&] { layout(canvas, *m->list); });
        const double total = timeOf([&] { layout(canvas, *parse(canvas, text)->list); });
        const double memory = peakGrowth([&] {
                                  auto kept = parse(canvas, text);
                                  layout(canvas, *kept->list);
                              }) /
                              double(bytes);
        if (times == 1) {
            layoutOnce = lay / double(bytes);
            totalOnce = total / double(bytes);
        }
        std::printf("%6d %9.2f %12.2f %12.2f %10.2f %10.2f %8.2f\n", times, double(bytes) / (1024.0 * 1024.0),
                    lay * 1e3, total * 1e3, lay / double(bytes) / layoutOnce, total / double(bytes) / totalOnce,
                    memory);
    }
    return 0;
}
