#pragma once
// What the viewer benchmarks share: CPU-time measuring (the machine may be
// shared, so wall time would count other people's work), peak memory in a
// child process, the documentation pages of Debian packages, and our engine
// and Qt's doing the same work on a page.
#include "model/document.h"
#include "parse/html_parse.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QProcess>
#include <QTextDocument>

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvel::bench {

inline constexpr int kWidth = 800;

inline double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Seconds per call of f: repeated until a quarter of a second has passed, best of three such rounds.
inline double timeOf(const std::function<void()>& f) {
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

inline long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return -1;
}

// Peak resident memory that f adds, in bytes, measured in a forked child so
// that memory the heap freed earlier cannot hide it. Storage the model's
// pools kept from earlier pages would hide it all the same: measure the
// engine in a fresh process (bench_viewer_summary's --memory).
inline double peakGrowth(const std::function<void()>& f) {
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

struct Page {
    QString path;
    qint64 bytes = 0; // in the file
    QString text;     // as the viewer reads it
};

// The HTML pages a Debian package installed; none when it is not installed.
inline std::vector<Page> htmlFilesOf(const char* package) {
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
inline std::unique_ptr<Model> parse(Canvas& canvas, const QString& text) {
    auto m = std::make_unique<Model>();
    m->list = std::make_unique<TSectionList>(canvas);
    m->list->SetDefaults({.background = Qt::white, .showImages = false});
    try {
        HtmlParseBuffer(*m->list, m->names, text, m->strings);
    } catch (const std::exception&) {
        // a page ending inside a comment keeps what was parsed
    }
    return m;
}

inline int layout(Canvas& canvas, TSectionList& list, int width = kWidth) {
    int scroll = 0, chars = 0;
    return list.DoLogic(canvas, 0, width, scroll, chars);
}

// Qt's engine doing what ours does: read the page and lay it out at the same width.
inline void qtLayout(const QString& text) {
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    document.setHtml(text);
    document.setTextWidth(kWidth);
    volatile qreal h = document.documentLayout()->documentSize().height();
    (void)h;
}

// The floor: touch every character once, counting tag starts.
inline void byteScan(const QString& text) {
    qsizetype tags = 0;
    unsigned sum = 0;
    for (const QChar c : text) {
        sum = sum * 31 + c.unicode();
        tags += c == u'<';
    }
    volatile unsigned keep = sum + unsigned(tags);
    (void)keep;
}

} // namespace zorvel::bench
