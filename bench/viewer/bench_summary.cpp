// The engine's summary on real pages: the HTML files of Debian's documentation
// packages, each package one corpus. For each corpus and for its largest page:
// our parse, layout at 800 pixels and freeing of the model, and their sum,
// against Qt's own engine doing the same (QTextDocument::setHtml + layout) and
// against one plain scan of the same text; MB/s, the ratios, and the peak
// memory per input byte of parse and layout together. Then the largest page
// repeated 1 to 8 times, and generated pages of tables nested 6 deep against
// the same text without tables. Times are CPU times (the machine may be
// shared); memory is the growth of the peak resident set in a child process.
#include "bench_common.h"
#include "page_generator.h"
#include "paint/qt_canvas.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

using namespace zorvel;
using namespace zorvel::bench;

namespace {

struct Figures {
    int pages = 0;
    qint64 bytes = 0;
    double parse = 0, layout = 0, free = 0, qt = -1, scan = 0; // seconds
    double memory = 0;                                         // peak bytes per input byte
    double sum() const { return parse + layout + free; }
};

// The page's body written `times` times over inside the one page.
QString repeated(const QString& once, int times) {
    const qsizetype bodyEnd = once.lastIndexOf(QLatin1String("</body"), -1, Qt::CaseInsensitive);
    const qsizetype bodyTag = once.indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive);
    const qsizetype bodyStart = bodyTag < 0 ? 0 : once.indexOf(u'>', bodyTag) + 1;
    const qsizetype end = bodyEnd < 0 ? once.size() : bodyEnd;
    QString text = once.left(end);
    for (int i = 1; i < times; ++i)
        text += once.mid(bodyStart, end - bodyStart);
    return text + once.mid(end);
}

// Peak memory of parse and layout of the pages, all kept, `times` times
// repeated, in a fresh process: storage kept by earlier work would hide it.
double memoryOf(const std::vector<QString>& files, int times) {
    QProcess child;
    QStringList arguments{QStringLiteral("--memory"), QString::number(times)};
    arguments += QStringList(files.begin(), files.end());
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    return child.readAllStandardOutput().trimmed().toDouble();
}

// The child's side: prints the peak growth in bytes.
int memoryChild(Canvas& canvas, int times, const QStringList& files) {
    std::vector<QString> texts;
    for (const QString& name : files) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        texts.push_back(repeated(viewerText(decodeText(file.readAll())), times));
    }
    // Once before, so that the canvas's caches of the pages' characters are
    // filled, as in a viewer that has shown them; its model's storage is handed back.
    for (const QString& t : texts)
        layout(canvas, *parse(canvas, t)->list);
    modelStorageTrim();
    const double grown = peakGrowth([&] {
        std::vector<std::unique_ptr<Model>> kept;
        for (const QString& t : texts) {
            kept.push_back(parse(canvas, t));
            layout(canvas, *kept.back()->list);
        }
    });
    std::printf("%.0f\n", grown);
    return 0;
}

Figures measure(Canvas& canvas, const std::vector<const QString*>& texts, qint64 bytes, bool withQt,
                const std::vector<QString>& files, int times = 1) {
    Figures f;
    f.pages = int(texts.size());
    f.bytes = bytes;
    // Parse and free apart, each the best of three rounds of a quarter second at least.
    f.parse = f.free = 1e30;
    for (int round = 0; round < 3; ++round) {
        double parsing = 0, freeing = 0;
        int n = 0;
        do {
            std::vector<std::unique_ptr<Model>> models;
            models.reserve(texts.size());
            const double start = cpuSeconds();
            for (const QString* t : texts)
                models.push_back(parse(canvas, *t));
            const double parsed = cpuSeconds();
            models.clear();
            freeing += cpuSeconds() - parsed;
            parsing += parsed - start;
            ++n;
        } while (parsing + freeing < 0.25 && n < 1000);
        f.parse = std::min(f.parse, parsing / n);
        f.free = std::min(f.free, freeing / n);
    }
    {
        std::vector<std::unique_ptr<Model>> models;
        for (const QString* t : texts)
            models.push_back(parse(canvas, *t));
        f.layout = timeOf([&] {
            for (const auto& m : models)
                layout(canvas, *m->list);
        });
    }
    if (withQt)
        f.qt = timeOf([&] {
            for (const QString* t : texts)
                qtLayout(*t);
        });
    f.scan = timeOf([&] {
        for (const QString* t : texts)
            byteScan(*t);
    });
    f.memory = files.empty() ? 0 : memoryOf(files, times) / double(bytes);
    return f;
}

void header() {
    std::printf("%-30s %5s %7s %8s %8s %8s %8s %9s %8s %7s %7s %7s %7s %6s\n", "corpus / page", "pages", "MB", "parse",
                "layout", "free", "sum", "Qt", "scan", "parse", "sum", "Qt/sum", "free/", "mem/B");
    std::printf("%-30s %5s %7s %8s %8s %8s %8s %9s %8s %7s %7s %7s %7s %6s\n", "", "", "", "ms", "ms", "ms", "ms", "ms",
                "ms", "MB/s", "MB/s", "", "parse", "");
}

void row(const QString& name, const Figures& f) {
    const double mb = double(f.bytes) / (1024.0 * 1024.0);
    char qt[32] = "-", ratio[32] = "-", memory[32] = "-";
    if (f.memory > 0)
        std::snprintf(memory, sizeof memory, "%.2f", f.memory);
    if (f.qt >= 0) {
        std::snprintf(qt, sizeof qt, "%.1f", f.qt * 1e3);
        std::snprintf(ratio, sizeof ratio, "%.1fx", f.qt / f.sum());
    }
    std::printf("%-30s %5d %7.2f %8.1f %8.1f %8.1f %8.1f %9s %8.2f %7.1f %7.1f %7s %6.0f%% %6s\n",
                name.left(30).toLocal8Bit().constData(), f.pages, mb, f.parse * 1e3, f.layout * 1e3, f.free * 1e3,
                f.sum() * 1e3, qt, f.scan * 1e3, mb / f.parse, mb / f.sum(), ratio, 100 * f.free / f.parse, memory);
}

} // namespace

// The figures of a set of pages, measured together.
Figures measurePages(Canvas& canvas, const std::vector<Page>& pages) {
    std::vector<const QString*> texts;
    std::vector<QString> files;
    qint64 bytes = 0;
    for (const Page& p : pages) {
        texts.push_back(&p.text);
        files.push_back(p.path);
        bytes += p.bytes;
    }
    return measure(canvas, texts, bytes, true, files);
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QtCanvas canvas;
    // Warm the font caches so that neither side pays for loading fonts in its timings.
    layout(canvas, *parse(canvas, QStringLiteral("<B>b</B><I>i</I><TT>t</TT><H1>h</H1>x"))->list);
    qtLayout(QStringLiteral("<b>b</b>"));

    if (argc >= 3 && std::string(argv[1]) == "--memory")
        return memoryChild(canvas, std::atoi(argv[2]), app.arguments().mid(3));

    // `--profile-free PACKAGE N`: parse a corpus and free it N times, printing
    // each time's figures, for a profiler (freeing is measured cold, as in the summary).
    if (argc >= 4 && std::string(argv[1]) == "--profile-free") {
        const std::vector<Page> pages = htmlFilesOf(argv[2]);
        for (int i = std::atoi(argv[3]); i > 0; --i) {
            std::vector<std::unique_ptr<Model>> models;
            const double start = cpuSeconds();
            for (const Page& p : pages)
                models.push_back(parse(canvas, p.text));
            const double parsed = cpuSeconds();
            models.clear();
            std::printf("parse %.2f ms, free %.2f ms\n", (parsed - start) * 1e3, (cpuSeconds() - parsed) * 1e3);
        }
        return 0;
    }
    // `--profile PAGE N [parse]`: parse and lay out (or only parse) one page N times and stop, for a profiler.
    if (argc >= 4 && std::string(argv[1]) == "--profile") {
        QFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QString text = viewerText(decodeText(file.readAll()));
        const bool parseOnly = argc == 5 && std::string(argv[4]) == "parse";
        for (int i = std::atoi(argv[3]); i > 0; --i) {
            auto m = parse(canvas, text);
            if (!parseOnly)
                layout(canvas, *m->list);
        }
        return 0;
    }

    std::printf("\nOur engine against Qt's (QTextDocument::setHtml + layout) at %d px, CPU times.\n", kWidth);
    header();
    std::vector<Page> all;
    std::vector<const Page*> largest;
    // `PACKAGE...`: those corpora only.
    std::vector<std::string> packages{"git-doc", "vim-doc", "tcl8.6-doc", "libgtk-3-doc", "libxslt1-dev"};
    if (argc > 1)
        packages.assign(argv + 1, argv + argc);
    for (const std::string& name : packages) {
        const char* package = name.c_str();
        std::vector<Page> pages = htmlFilesOf(package);
        if (pages.empty()) {
            std::printf("%-30s     0   (the package has no HTML pages)\n", package);
            continue;
        }
        row(QString::fromLatin1(package), measurePages(canvas, pages));
        const Page& big = *std::max_element(pages.begin(), pages.end(),
                                            [](const Page& a, const Page& b) { return a.bytes < b.bytes; });
        row(QStringLiteral("  largest ") + big.path.section(u'/', -1),
            measure(canvas, {&big.text}, big.bytes, true, {big.path}));
        for (Page& p : pages)
            all.push_back(std::move(p));
    }
    if (all.empty())
        return 0;
    row(QStringLiteral("all corpora"), measurePages(canvas, all));

    // Growth: time and memory per byte should stay flat as the page grows.
    const Page& big =
        *std::max_element(all.begin(), all.end(), [](const Page& a, const Page& b) { return a.bytes < b.bytes; });
    double onceSum = 0;
    for (const int times : {1, 2, 4, 8}) {
        const QString text = repeated(big.text, times);
        const qint64 bytes = qint64(double(big.bytes) * double(text.size()) / double(big.text.size()));
        const Figures f = measure(canvas, {&text}, bytes, times == 1, {big.path}, times);
        if (times == 1)
            onceSum = f.sum() / double(bytes);
        row(QStringLiteral("%1 x%2 (sum/B %3)")
                .arg(big.path.section(u'/', -1))
                .arg(times)
                .arg(f.sum() / double(bytes) / onceSum, 0, 'f', 2),
            f);
    }

    // Tables nested 6 deep around the same paragraphs as a plain page. A
    // page of 120 paragraphs takes a fraction of a millisecond, where a
    // moment's load on the machine shows as tens of percent: the pages have
    // 600 paragraphs (the same shape, each level holding more of them), and
    // the two are measured in turn five times, each figure the best it got.
    const QString plain = nestedPage(0, 600), nested = nestedPage(6, 600);
    Figures p = measure(canvas, {&plain}, plain.toUtf8().size(), true, {});
    Figures n = measure(canvas, {&nested}, nested.toUtf8().size(), true, {});
    for (int round = 1; round < 5; ++round)
        for (Figures* f : {&p, &n}) {
            const QString& text = f == &p ? plain : nested;
            const Figures again = measure(canvas, {&text}, f->bytes, false, {});
            f->parse = std::min(f->parse, again.parse);
            f->layout = std::min(f->layout, again.layout);
            f->free = std::min(f->free, again.free);
            f->scan = std::min(f->scan, again.scan);
        }
    row(QStringLiteral("generated plain text"), p);
    row(QStringLiteral("generated 6-deep tables"), n);
    std::printf("6-deep tables per KB against plain: parse+layout %.2fx, layout alone %.2fx\n",
                n.sum() / double(n.bytes) / (p.sum() / double(p.bytes)),
                n.layout / double(n.bytes) / (p.layout / double(p.bytes)));
    return 0;
}
