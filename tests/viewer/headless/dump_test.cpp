// The model dump and the --dump entry point.
#include "headless/dump_run.h"
#include "parse/parse_helper.h"
#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace zorvel;
using zorvel::testing::Parsed;

TEST(Dump, WholeModelOfASmallPage) {
    const Parsed p(QStringLiteral("<TITLE>T</TITLE><BODY LINK=red>Hi <A HREF=\"a b.htm\" NAME=x>there</A>"
                                  "<IMG SRC=i.gif ALT='q\"' ALIGN=middle BORDER=0>&#7;<OL START=2><LI>one</OL>"
                                  "<TABLE BORDER><TR><TD>c</TABLE><FORM><INPUT TYPE=checkbox NAME=k CHECKED></FORM>"));
    const QString expected =
        QStringLiteral("Section level=0 justify=left \"Hi there[img]\uFFFD\"\n"
                       "  font pos=0 face=\"Times New Roman\" size=12 style=- color=#000000\n"
                       "  font pos=3 face=\"Times New Roman\" size=12 style=U color=#ff0000 link=\"a b.htm\"\n"
                       "  font pos=8 face=\"Times New Roman\" size=12 style=- color=#000000\n"
                       "  image pos=8 src=\"i.gif\" alt=\"q\\\"\" align=middle noborder\n"
                       "OListItem level=1 justify=left number=2 \"one\"\n"
                       "  font pos=0 face=\"Times New Roman\" size=12 style=- color=#000000\n"
                       "Table border=1 justify=left width=0% padding=2 spacing=3 caption=top\n"
                       "  Caption\n"
                       "    HeadingSpace level=6 height=4\n"
                       "  Row 1\n"
                       "    Cell colspan=1 rowspan=1 valign=middle width=0%\n"
                       "      Section level=0 justify=left \"c\"\n"
                       "        font pos=0 face=\"Times New Roman\" size=12 style=- color=#000000\n"
                       "Section level=0 justify=left \"[ctl]\"\n"
                       "  font pos=0 face=\"Times New Roman\" size=12 style=- color=#000000\n"
                       "  control pos=0 CheckBox name=\"k\"\n"
                       "Form method=Get action=\"\"\n"
                       "  CheckBox name=\"k\" value=\"\" checked\n"
                       "Title \"T\"\n"
                       "Base \"\"\n"
                       "Background #c0c0c0 text=#000000 link=#ff0000\n"
                       "Anchor \"X\" section=0\n");
    EXPECT_EQ(p.dump(), expected);
}

class RunDump : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        const QString path = dir.filePath("page.htm");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    int run(const QString& path, int width = 0) {
        out.clear();
        err.clear();
        QTextStream o(&out), e(&err);
        FixedMetricsCanvas canvas;
        return width ? runDump(path, o, e, canvas, width) : runDump(path, o, e);
    }
    QTemporaryDir dir;
    QString out, err;
};

TEST_F(RunDump, PrintsTheTreeAndSucceeds) {
    EXPECT_EQ(run(write("<H2>Head</H2>body text<HR>")), 0);
    EXPECT_TRUE(out.startsWith("Section level=0 justify=left \"\"\n  font pos=0"));
    EXPECT_TRUE(out.contains("HeadingSpace level=2 height=12\nSection level=0 justify=left \"Head\"\n"));
    EXPECT_TRUE(out.contains("HorzLine height=20\n"));
    EXPECT_TRUE(out.contains("\nTitle \"\"\nBase \"\"\n"));
    EXPECT_TRUE(err.isEmpty());
}

TEST_F(RunDump, ParseErrorPrintsWhatWasParsedAndFails) {
    EXPECT_EQ(run(write("kept<B> <!-- never closed")), 1);
    EXPECT_EQ(err, "Open Comment at End of HTML File\n");
    EXPECT_TRUE(out.startsWith("Section level=0 justify=left \"kept \""));
}

TEST_F(RunDump, WithAWidthTheLinesToo) {
    EXPECT_EQ(run(write("<UL><LI>aaa bbb</UL>cc"), 70), 0);
    EXPECT_TRUE(out.contains("UListItem level=1 justify=left \"aaa bbb\"\n"
                             "  font pos=0 face=\"Times New Roman\" size=12 style=- color=#000000\n"
                             "  line top=0 indent=35 height=17 descent=3 before=0 after=0 \"aaa \"\n"
                             "  line top=17 indent=35 height=17 descent=3 before=0 after=0 \"bbb\"\n"))
        << out.toStdString();
    EXPECT_TRUE(out.endsWith("Layout width=70 height=51 scrollwidth=70 chars=9\n")) << out.toStdString();
    EXPECT_EQ(run(write("x")), 0);
    EXPECT_FALSE(out.contains("line top=") || out.contains("Layout"));
}

TEST_F(RunDump, MissingFileFails) {
    EXPECT_EQ(run(dir.filePath("absent.htm")), 1);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(err.contains("absent.htm"));
}

// What is no regular file is refused at once: a FIFO would block for ever,
// /dev/zero would be read until memory ran out.
TEST_F(RunDump, WhatIsNoFileIsRefusedAtOnce) {
    const QString fifo = dir.filePath("pipe.htm");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {fifo, QStringLiteral("/dev/zero"), dir.path()}) {
        EXPECT_EQ(run(path), 1);
        EXPECT_EQ(err, path + " is not a file.\n");
    }
}

TEST_F(RunDump, MatchesTheExamplesLineByLine) {
    // Every example dumps cleanly; each section line is followed by its runs.
    for (const char* name : {"tour.htm", "recipes.htm", "price_list.htm", "feedback.htm", "cafe_latin1.htm"}) {
        ASSERT_EQ(run(QStringLiteral(ZORVEL_EXAMPLES_DIR "/") + QLatin1String(name)), 0) << name;
        const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
        for (int i = 0; i + 1 < lines.size(); ++i) {
            const QString trimmed = lines[i].trimmed();
            if (trimmed.startsWith("Section ") || trimmed.startsWith("PreFormated ") || trimmed.contains("ListItem ")) {
                EXPECT_TRUE(lines[i + 1].trimmed().startsWith("font pos=0 ")) << name << ": " << lines[i].toStdString();
            }
        }
    }
}

TEST(VisibleText, ShowsPlaceholdersAndControlCharacters) {
    EXPECT_EQ(visibleText(QString("a") + QChar(4) + QChar(2) + QChar(1) + "\"\\" + QChar(160)),
              QString("a[img][ctl]\\x01\\\"\\\\") + QChar(160));
}

// The fuzzer's seeds (and any input it ever crashed on, kept beside them) must
// parse and dump; only an unterminated "<!" may raise, and then the dump fails.
TEST_F(RunDump, FuzzCorpusParsesCleanly) {
    const QDir corpus(QStringLiteral(ZORVEL_FUZZ_CORPUS_DIR));
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const int status = run(corpus.filePath(name));
        EXPECT_FALSE(out.isEmpty()) << name.toStdString();
        if (name.startsWith("open_comment"))
            EXPECT_EQ(status, 1) << name.toStdString();
        else
            EXPECT_EQ(status, 0) << name.toStdString() << ": " << err.toStdString();
    }
}

// The same pages laid out very narrow and wide, drawn, and probed by every hit test.
TEST(LayoutOfTheFuzzCorpus, LaysOutDrawsAndAnswersHitTests) {
    const QDir corpus(QStringLiteral(ZORVEL_FUZZ_CORPUS_DIR));
    for (const QString& name : corpus.entryList(QDir::Files)) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = decodeText(file.readAll()).text;
        for (const int width : {1, 300}) {
            std::unique_ptr<Parsed> page;
            try {
                page = std::make_unique<Parsed>(text);
            } catch (const EParseError&) {
                continue;
            }
            int scroll = 0, chars = 0;
            const int height = page->list.DoLogic(page->canvas, 0, width, scroll, chars);
            EXPECT_GE(height, 0) << name.toStdString();
            page->list.SelectionEnd = chars / 2;
            page->list.Draw(page->canvas, QRect(0, 0, width, height), width, 0, 0);
            for (int y = 0; y < height; y += 7) {
                QString url;
                int x = 0, yr = 0, h = 0;
                page->list.GetURL(page->canvas, width / 2, y, url);
                const int at = page->list.FindCursor(page->canvas, width / 2, y, x, yr, h);
                EXPECT_LE(at, chars) << name.toStdString();
            }
            for (int p = 0; p < chars; p += 13) {
                int x = 0, y = 0;
                page->list.CursorToXY(page->canvas, p, x, y);
            }
            page->list.FindString(0, QStringLiteral("a"), false);
        }
    }
}
