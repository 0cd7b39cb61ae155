// Every example, reference and fuzz-seed page must keep exactly the model and
// lines it had when its dump in dumps/ was written: changes made for speed or
// memory must not change what the engine builds. After a deliberate change of
// the model, run once with ZORVEL_WRITE_DUMPS=1 to write the dumps anew, and
// review their diff.
#include "canvas/fixed_canvas.h"
#include "headless/dump.h"
#include "headless/dump_run.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zorvel;

namespace {

struct PageDir {
    const char* prefix;
    const char* path;
};

QString dumpOf(const QString& page, int width) {
    QString out, err;
    QTextStream o(&out), e(&err);
    FixedMetricsCanvas canvas;
    const int status = width ? runDump(page, o, e, canvas, width) : runDump(page, o, e);
    o.flush();
    e.flush();
    return out + QStringLiteral("status %1 %2\n").arg(status).arg(err);
}

} // namespace

TEST(DumpPages, ModelAndLinesUnchanged) {
    const bool write = qEnvironmentVariableIsSet("ZORVEL_WRITE_DUMPS");
    const QDir expected(QStringLiteral(ZORVEL_DUMPS_DIR));
    int pages = 0;
    for (const PageDir& d : {PageDir{"example", ZORVEL_EXAMPLES_DIR}, PageDir{"reference", ZORVEL_REFERENCE_DIR},
                             PageDir{"fuzz", ZORVEL_FUZZ_CORPUS_DIR}}) {
        const QDir dir(QString::fromUtf8(d.path));
        const QStringList names =
            std::string_view(d.prefix) == "fuzz" ? dir.entryList(QDir::Files) : dir.entryList({"*.htm"}, QDir::Files);
        for (const QString& name : names) {
            ++pages;
            // Unlaid, and laid out narrow and wide: the model, then its lines.
            const QString dump =
                dumpOf(dir.filePath(name), 0) + dumpOf(dir.filePath(name), 150) + dumpOf(dir.filePath(name), 600);
            QFile file(expected.filePath(QStringLiteral("%1_%2.dump").arg(QLatin1String(d.prefix), name)));
            if (write) {
                ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << file.fileName().toStdString();
                file.write(dump.toUtf8());
                continue;
            }
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const QString before = QString::fromUtf8(file.readAll());
            if (before == dump)
                continue;
            const QStringList a = before.split(u'\n'), b = dump.split(u'\n');
            qsizetype line = 0;
            while (line < a.size() && line < b.size() && a[line] == b[line])
                ++line;
            ADD_FAILURE() << name.toStdString() << " differs at line " << line + 1
                          << ":\n  was: " << (line < a.size() ? a[line] : QString()).toStdString()
                          << "\n  now: " << (line < b.size() ? b[line] : QString()).toStdString();
        }
    }
    EXPECT_GE(pages, 40);
}
