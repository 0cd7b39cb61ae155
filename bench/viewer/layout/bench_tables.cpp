// Table layout speed, against Qt's QTextDocument on the same pages:
//  - pages of the same paragraphs as plain text and inside tables nested 1 to
//    6 deep (the way old pages lay themselves out): cost per KB against the
//    plain page;
//  - one table of 250 to 2000 rows: cost per row against 250 rows;
//  - real documentation pages with nested and many tables (libxslt's
//    reference nests them 6 deep, GTK's has hundreds per page) against a
//    plain page of the same corpora.
// Layout only is the table code's part; parse + layout is what a user waits for.
#include "bench_common.h"
#include "model/tables.h"
#include "page_generator.h"
#include "paint/qt_canvas.h"

#include <QGuiApplication>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

using namespace zorvel;
using namespace zorvel::bench;

namespace {

struct Timing {
    double layout = 0; // ours, layout only, seconds
    double total = 0;  // ours, parse + layout
    double qt = 0;     // QTextDocument, setHtml + layout
};

Timing measure(Canvas& canvas, const QString& text, bool withQt = true) {
    Timing t;
    auto m = parse(canvas, text);
    t.layout = timeOf([&] { layout(canvas, *m->list); });
    t.total = timeOf([&] { layout(canvas, *parse(canvas, text)->list); });
    if (withQt)
        t.qt = timeOf([&] { qtLayout(text); });
    return t;
}

struct TablePage : Page {
    int tables = 0;
    int depth = 0;
};

// The package's pages with how many tables each holds and how deep they nest.
std::vector<TablePage> tablePagesOf(const char* package) {
    static const QRegularExpression tag(QStringLiteral("<(/?)table\\b"), QRegularExpression::CaseInsensitiveOption);
    std::vector<TablePage> pages;
    for (Page& page : htmlFilesOf(package)) {
        TablePage p{std::move(page)};
        int open = 0;
        for (auto it = tag.globalMatch(p.text); it.hasNext();) {
            const bool end = !it.next().captured(1).isEmpty();
            open += end ? -1 : 1;
            p.tables += end ? 0 : 1;
            p.depth = std::max(p.depth, open);
        }
        pages.push_back(std::move(p));
    }
    return pages;
}

double perKb(double seconds, qint64 bytes) {
    return seconds * 1e6 / (double(bytes) / 1024.0);
} // µs per KB

void pageRow(const char* label, qint64 bytes, const Timing& t, const Timing& plain, qint64 plainBytes) {
    const double ours = perKb(t.layout, bytes), oursPlain = perKb(plain.layout, plainBytes);
    const double total = perKb(t.total, bytes), totalPlain = perKb(plain.total, plainBytes);
    const double qt = perKb(t.qt, bytes), qtPlain = perKb(plain.qt, plainBytes);
    std::printf("%-34s %7.1f %9.1f %6.2fx %9.1f %6.2fx %9.1f %6.2fx\n", label, double(bytes) / 1024.0, ours,
                ours / oursPlain, total, total / totalPlain, qt, qt / qtPlain);
}

void pageHeader(const char* first) {
    std::printf("%-34s %7s %9s %7s %9s %7s %9s %7s\n", first, "KB", "layout", "/plain", "parse+lay", "/plain", "Qt",
                "/plain");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QtCanvas canvas;
    layout(canvas, *parse(canvas, nestedPage(2, 6))->list); // warm the font caches
    qtLayout(QStringLiteral("<b>b</b><table><tr><td>x</table>"));

    // `--profile DEPTH N`: lay the nested page out N times and stop, for a profiler to watch.
    if (argc == 4 && std::string(argv[1]) == "--profile") {
        auto m = parse(canvas, nestedPage(std::atoi(argv[2]), 120));
        for (int i = std::atoi(argv[3]); i > 0; --i)
            layout(canvas, *m->list);
        return 0;
    }

    // `--ratio DEPTH PARAGRAPHS`: the nested page against the plain one, per KB, parse + layout + free
    // and layout alone, the two measured in turn many times and the best of each kept.
    if (argc == 4 && std::string(argv[1]) == "--ratio") {
        const int paragraphs = std::atoi(argv[3]);
        const QString texts[2] = {nestedPage(0, paragraphs), nestedPage(std::atoi(argv[2]), paragraphs)};
        double total[2] = {1e30, 1e30}, alone[2] = {1e30, 1e30};
        for (int round = 0; round < 6; ++round)
            for (int k = 0; k < 2; ++k) {
                const double kb = double(texts[k].toUtf8().size()) / 1024.0;
                total[k] = std::min(total[k], timeOf([&] { layout(canvas, *parse(canvas, texts[k])->list); }) / kb);
                auto m = parse(canvas, texts[k]);
                alone[k] = std::min(alone[k], timeOf([&] { layout(canvas, *m->list); }) / kb);
            }
        std::printf("per KB against plain: parse+layout %.2fx (%.1f / %.1f us), layout alone %.2fx (%.1f / %.1f us)\n",
                    total[1] / total[0], total[1] * 1e6, total[0] * 1e6, alone[1] / alone[0], alone[1] * 1e6,
                    alone[0] * 1e6);
        return 0;
    }

    std::printf("\nTables nested N deep around the same 120 paragraphs, at %d px; microseconds per KB of page\n",
                kWidth);
    pageHeader("page");
    const QString plainText = nestedPage(0, 120);
    const qint64 plainBytes = plainText.toUtf8().size();
    const Timing plain = measure(canvas, plainText);
    pageRow("plain text", plainBytes, plain, plain, plainBytes);
    for (const int depth : {1, 2, 4, 6}) {
        const QString text = nestedPage(depth, 120);
        const QByteArray label = QByteArray::number(depth) + " deep";
        pageRow(label.constData(), text.toUtf8().size(), measure(canvas, text), plain, plainBytes);
    }
    {
        // Text in a cell is laid out narrower than the page, in more lines,
        // which costs more whatever the table does: the plain page laid out
        // at the 1-deep page's cell width, and the cells' narrowest and
        // widest widths alone, both per KB of the plain page.
        auto one = parse(canvas, nestedPage(1, 120));
        layout(canvas, *one->list);
        const ThtmlTable* table = nullptr;
        for (const auto& s : *one->list)
            if (!table)
                table = dynamic_cast<const ThtmlTable*>(s.get());
        const int cellWidth = table->Widths[1] - table->CellSpacing - 2 * table->CellPadding;
        auto m = parse(canvas, plainText);
        const double narrow = timeOf([&] {
            int scroll = 0, chars = 0;
            m->list->DoLogic(canvas, 0, cellWidth, scroll, chars);
        });
        const double minMax = timeOf([&] {
            int mn = 0, mx = 0;
            m->list->TCell::MinMaxWidth(canvas, mn, mx);
        });
        std::printf("%-34s %7.1f %9.1f %6.2fx\n",
                    QByteArray("plain text at " + QByteArray::number(cellWidth) + " px").constData(),
                    double(plainBytes) / 1024.0, perKb(narrow, plainBytes), narrow / plain.layout);
        std::printf("%-34s %7.1f %9.1f %6.2fx\n", "plain text's min and max widths", double(plainBytes) / 1024.0,
                    perKb(minMax, plainBytes), minMax / plain.layout);
    }

    std::printf("\nOne table of N rows and 3 columns; time per row against 250 rows (1.00 is linear)\n");
    std::printf("%6s %10s %9s %12s %9s %10s %9s\n", "rows", "layout ms", "/row", "parse+lay ms", "/row", "Qt ms",
                "/row");
    Timing first;
    for (const int rows : {250, 500, 1000, 2000, 4000}) {
        const Timing t = measure(canvas, rowsPage(rows));
        if (rows == 250)
            first = t;
        const double k = double(rows) / 250;
        std::printf("%6d %10.2f %9.2f %12.2f %9.2f %10.2f %9.2f\n", rows, t.layout * 1e3, t.layout / first.layout / k,
                    t.total * 1e3, t.total / first.total / k, t.qt * 1e3, t.qt / first.qt / k);
    }

    // Real pages: the deepest-nested and the most table-heavy, against the
    // largest page of the same corpora that has no table at all.
    std::vector<TablePage> pages;
    for (const char* package : {"libxslt1-dev", "libgtk-3-doc", "tcl8.6-doc", "git-doc", "vim-doc"}) {
        std::vector<TablePage> some = tablePagesOf(package);
        if (some.empty())
            std::printf("\n(%s has no HTML pages here)", package);
        for (TablePage& p : some)
            pages.push_back(std::move(p));
    }
    std::printf("\n");
    const TablePage* plainPage = nullptr;
    for (const TablePage& p : pages)
        if (p.tables == 0 && (!plainPage || p.bytes > plainPage->bytes))
            plainPage = &p;
    if (!plainPage)
        return 0;
    std::vector<const TablePage*> chosen;
    for (const TablePage& p : pages)
        chosen.push_back(&p);
    std::sort(chosen.begin(), chosen.end(), [](const TablePage* a, const TablePage* b) {
        return a->depth != b->depth ? a->depth > b->depth : a->tables > b->tables;
    });
    chosen.resize(std::min<std::size_t>(chosen.size(), 3));
    std::vector<const TablePage*> heavy;
    for (const TablePage& p : pages)
        heavy.push_back(&p);
    std::sort(heavy.begin(), heavy.end(), [](const TablePage* a, const TablePage* b) { return a->tables > b->tables; });
    for (std::size_t i = 0; i < heavy.size() && i < 3; ++i)
        chosen.push_back(heavy[i]);

    std::printf("\nDocumentation pages; against %s (%lld KB, no tables)\n",
                plainPage->path.section(u'/', -1).toLocal8Bit().constData(), plainPage->bytes / 1024);
    pageHeader("page (tables, deepest nesting)");
    const Timing plainReal = measure(canvas, plainPage->text);
    for (const TablePage* p : chosen) {
        const QByteArray label = p->path.section(u'/', -1).left(22).toLocal8Bit() + " (" +
                                 QByteArray::number(p->tables) + ", " + QByteArray::number(p->depth) + ")";
        pageRow(label.constData(), p->bytes, measure(canvas, p->text), plainReal, plainPage->bytes);
    }
    return 0;
}
