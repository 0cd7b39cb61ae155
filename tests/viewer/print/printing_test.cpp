// Printing a page on a recording printer with fixed metrics: the printer
// object's states and errors, and where the pages break.
#include "parse/parse_helper.h"
#include "print/printing.h"

#include <QRegularExpression>

using namespace zorvel;
using zorvel::testing::Parsed;
using zorvel::testing::PictureHost;

namespace {

// A printer of 192 dots per inch that records what is done to it; each
// drawing call is kept with the page it was drawn on. With the screen at 96
// dots per inch a page of 800 by 700 dots is 400 by 350 screen pixels.
struct RecordingPrinter : PrintDevice {
    struct Page {
        QRect clip;
        QStringList calls;
    };
    bool refuseInformation = false, refuseJob = false, failPageBreak = false, failEnd = false;
    QSize dots{800, 700};
    QStringList events;
    std::vector<Page> pages;
    FixedMetricsCanvas drawing;
    bool ended = false;

    bool openInformation() override { return !refuseInformation; }
    QSize pageSize() const override { return dots; }
    QSize resolution() const override { return QSize(192, 192); }
    bool beginJob(const QString& title) override {
        events << "begin " + title;
        return !refuseJob;
    }
    bool newPage() override {
        flush();
        events << "new page";
        return !failPageBreak;
    }
    bool endJob() override {
        flush();
        events << "end";
        ended = true;
        return !failEnd;
    }
    void abortJob() override {
        flush();
        events << "abort";
    }
    QString failureReason() const override { return QStringLiteral("out of paper"); }
    void setMapping(int screenDpi, QPoint origin, const QRect& clip) override {
        flush();
        events << QStringLiteral("map %1 dpi from y %2").arg(screenDpi).arg(origin.y());
        pages.push_back({clip, {}});
    }
    Canvas& canvas() override { return drawing; }
    // The calls since the last mapping belong to the page it began.
    void flush() {
        if (!pages.empty())
            pages.back().calls << drawing.calls;
        drawing.calls.clear();
    }
};

// "text x,y size ..." of the fixed canvas: the box its glyphs fill.
struct TextCall {
    QString text;
    QRect box;
};
std::vector<TextCall> texts(const QStringList& calls) {
    static const QRegularExpression re(QStringLiteral("^text (-?\\d+),(-?\\d+) (\\d+) .*\"(.*)\"$"));
    std::vector<TextCall> out;
    FixedMetricsCanvas metrics;
    for (const QString& c : calls) {
        const QRegularExpressionMatch m = re.match(c);
        if (!m.hasMatch())
            continue;
        FontDescription font;
        font.size = m.captured(3).toInt();
        const int height = metrics.fontMetrics(font).height;
        out.push_back({m.captured(4), QRect(m.captured(1).toInt(), m.captured(2).toInt(), 1, height)});
    }
    return out;
}

QString longPage() {
    QString html = QStringLiteral("<TITLE>t</TITLE><H1>A heading</H1>");
    for (int i = 1; i <= 30; ++i) {
        html += QStringLiteral("<P>Paragraph %1 with some words to fill a few lines of text, ").arg(i);
        if (i % 3 == 0)
            html += QStringLiteral("<FONT SIZE=+3>large words</FONT> and ");
        if (i % 4 == 0)
            html += QStringLiteral("x<SUP>2</SUP> and <SMALL>small words</SMALL> ");
        html += QStringLiteral("and the end of paragraph %1.").arg(i);
        if (i % 7 == 0)
            html += QStringLiteral("<UL><LI>an item<LI>another item</UL><PRE>pre line</PRE><HR>");
    }
    return html;
}

constexpr QSize kTallPicture(40, 500);

class PrintingTest : public ::testing::Test {
protected:
    void TearDown() override { vwSetPrinter(nullptr); }
};

TEST_F(PrintingTest, ThePrinterObjectKnowsItsStatesAndSaysWhatIsWrong) {
    RecordingPrinter device;
    TvwPrinter printer(device);
    auto fails = [](const std::function<void()>& step, const char* text) {
        try {
            step();
        } catch (const EPrinterError& e) {
            EXPECT_STREQ(e.what(), text);
            return;
        }
        ADD_FAILURE() << "no error, expected " << text;
    };
    EXPECT_EQ(printer.state(), TvwPrinter::State::None);
    for (const auto& step : std::vector<std::function<void()>>{[&] { printer.NewPage(); }, [&] { printer.EndDoc(); },
                                                               [&] { printer.Canvas(); }})
        fails(step, kNotPrinting);
    EXPECT_EQ(printer.PageWidth(), 800);
    EXPECT_EQ(printer.state(), TvwPrinter::State::Information);

    printer.Title = QStringLiteral("My page");
    printer.BeginDoc();
    EXPECT_TRUE(printer.Printing());
    fails([&] { printer.BeginDoc(); }, kPrintingInProgress);
    printer.NewPage();
    EXPECT_EQ(printer.PageNumber(), 2);
    printer.EndDoc();
    EXPECT_EQ(printer.state(), TvwPrinter::State::None);
    EXPECT_EQ(device.events, QStringList({"begin My page", "new page", "end"}));

    // A printer that cannot be used says so, with the reason, and leaves no job open.
    RecordingPrinter broken;
    broken.refuseInformation = broken.refuseJob = true;
    TvwPrinter other(broken);
    fails([&] { other.PageHeight(); }, kPrinterNotValid);
    fails([&] { other.BeginDoc(); }, kPrinterNotValid);
    EXPECT_EQ(other.state(), TvwPrinter::State::None);
    try {
        other.BeginDoc();
    } catch (const EPrinterError& e) {
        EXPECT_EQ(errorMessage(e), QStringLiteral("Printer selected is not valid\r\nout of paper"));
    }
    broken.refuseJob = false;
    other.BeginDoc();
    EXPECT_TRUE(other.Printing()) << "a failed start leaves the printer usable";
}

TEST_F(PrintingTest, AFailureEndsTheJobAndPutsThePreviousPrinterBack) {
    Parsed page(longPage());
    RecordingPrinter before;
    TvwPrinter previous(before);
    vwSetPrinter(&previous);
    for (int failing = 0; failing < 3; ++failing) {
        SCOPED_TRACE(failing);
        RecordingPrinter device;
        device.refuseJob = failing == 0;
        device.failPageBreak = failing == 1;
        device.failEnd = failing == 2;
        EXPECT_THROW(PrintDocument(page.list, device, 1, 9999, 96, "t"), EPrinterError);
        EXPECT_EQ(vwPrinter(), &previous);
        EXPECT_EQ(device.ended, failing != 0) << "a job that began is ended";
    }
    RecordingPrinter device;
    PrintDocument(page.list, device, 1, 9999, 96, "t");
    EXPECT_EQ(vwPrinter(), &previous);
    EXPECT_EQ(device.events.first(), "begin t");
    EXPECT_EQ(device.events.last(), "end");
}

// Tables whose rows are taller than the small pages, with cells side by
// side whose lines never end together: fonts of other sizes, preformatted
// text, cells aligned to the top, middle and bottom, spans, a caption.
QString tablePage() {
    const QString words = QStringLiteral("words to wrap over many short lines in a narrow column, ");
    QString html = QStringLiteral("<P>Text before the table.<TABLE BORDER CELLPADDING=3><CAPTION>A caption</CAPTION>");
    for (int r = 1; r <= 6; ++r) {
        html += QStringLiteral("<TR><TD>Row %1 left %2%2</TD><TD VALIGN=top><FONT SIZE=+2>big %2</FONT><P>then %2"
                               "</TD><TD VALIGN=bottom><SMALL>small %2%2</SMALL><PRE>pre a\npre b</PRE></TD></TR>")
                    .arg(r)
                    .arg(words);
        if (r % 2 == 0)
            html += QStringLiteral("<TR><TD COLSPAN=2>spanning two columns %1%1</TD><TD ROWSPAN=2>two rows %1%1%1"
                                   "</TD></TR><TR><TD>a</TD><TD><UL><LI>item %1<LI>item</UL></TD></TR>")
                        .arg(words);
    }
    return html + QStringLiteral("</TABLE><P>Text after the table.");
}

// Tables in cells, four deep, beside text at every level.
QString nestedPage() {
    const QString words = QStringLiteral("nested words that wrap in the cell, ");
    QString inner = QStringLiteral("innermost %1%1%1").arg(words);
    for (int depth = 1; depth <= 3; ++depth)
        inner = QStringLiteral("<TABLE BORDER><TR><TD>level %1 %2<FONT SIZE=+1>%2</FONT>%3 after %2</TD>"
                               "<TD>beside %2%2%2</TD></TR></TABLE>")
                    .arg(depth)
                    .arg(words, inner);
    return QStringLiteral("<H1>Nested</H1>") + inner + QStringLiteral("<P>end") + inner;
}

// A page laid out in one tall row: links down the left, the text on the right.
QString layoutPage() {
    QString nav, text;
    for (int i = 1; i <= 40; ++i)
        nav += QStringLiteral("<A HREF=p%1.htm>Page %1</A><BR>").arg(i);
    for (int i = 1; i <= 12; ++i)
        text += QStringLiteral("<H3>Part %1</H3>A paragraph of text for part %1 that goes on for some lines. ").arg(i);
    return QStringLiteral("<TABLE><TR><TD><SMALL>%1</SMALL></TD><TD>%2</TD></TR></TABLE>").arg(nav, text);
}

// Beside a picture taller than a page.
QString pictureInTablePage() {
    return QStringLiteral("<TABLE><TR><TD><IMG SRC=tall.gif></TD><TD>%1</TD></TR></TABLE>")
        .arg(QStringLiteral("text beside a tall picture, ").repeated(20));
}

TEST_F(PrintingTest, NoTextLineIsSplitAcrossPagesAndNoneIsLostOrRepeated) {
    struct Case {
        const char* what;
        QString html;
        bool pictures;
    };
    const Case cases[] = {{"text", longPage(), false},
                          {"tables", tablePage(), false},
                          {"nested tables", nestedPage(), false},
                          {"a layout table", layoutPage(), false},
                          {"a tall picture in a cell", pictureInTablePage(), true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PictureHost pictures(kTallPicture);
        Parsed page(c.html);
        page.list.ShowImages = c.pictures;
        if (c.pictures)
            page.list.Host = &pictures;
        // The whole page drawn at once as printed: every piece of text it
        // draws must be printed once, where it is drawn here.
        std::unique_ptr<TSectionList> whole = page.list.Clone();
        whole->Printing = true;
        int scroll = 0, chars = 0;
        whole->DoLogic(page.canvas, 0, 380, scroll, chars);
        FixedMetricsCanvas all;
        whole->Draw(all, QRect(0, 0, 2000, 100000), 380, 10, 0);
        const QStringList expected = all.calls.filter(QRegularExpression("^text "));

        // Page heights that put the breaks at every kind of place in the lines.
        for (int dots = 211; dots <= 811; dots += 37) {
            SCOPED_TRACE(dots);
            RecordingPrinter device;
            device.dots = QSize(800, dots);
            PrintDocument(page.list, device, 1, 9999, 96, "t");
            QStringList printed;
            int picturePages = 0;
            for (const RecordingPrinter::Page& p : device.pages) {
                EXPECT_EQ(p.clip.width(), 400);
                EXPECT_LE(p.clip.height(), (dots + 1) / 2);
                for (const TextCall& t : texts(p.calls))
                    EXPECT_TRUE(p.clip.contains(t.box))
                        << t.text.toStdString() << " at " << t.box.y() << " on a page from " << p.clip.top() << " to "
                        << p.clip.bottom();
                printed << p.calls.filter(QRegularExpression("^text "));
                picturePages += p.calls.filter("x500").isEmpty() ? 0 : 1;
            }
            if (!c.html.contains("<TABLE")) { // cells side by side print by page, not cell by cell
                EXPECT_EQ(printed, expected) << "in order";
            }
            printed.sort();
            QStringList sorted = expected;
            sorted.sort();
            EXPECT_EQ(printed, sorted);
            EXPECT_GE(device.pages.size(), 2u);
            if (c.pictures) {
                EXPECT_GE(picturePages, 2) << "the picture is cut";
            }
        }
    }
}

TEST_F(PrintingTest, ARowWhoseContentsAllGoToTheNextPageTakesItsFramesAlong) {
    QString html = QStringLiteral("<TABLE BORDER CELLPADDING=4>");
    for (int r = 1; r <= 40; ++r)
        html += QStringLiteral("<TR><TD>row %1</TD><TD VALIGN=bottom>x<BR>y</TD></TR>").arg(r);
    Parsed page(html + QStringLiteral("</TABLE>"));
    std::unique_ptr<TSectionList> laid = page.list.Clone();
    int scroll = 0, chars = 0;
    laid->DoLogic(page.canvas, 0, 380, scroll, chars);
    const auto& table = dynamic_cast<const ThtmlTable&>(*laid->Item(laid->Count() - 1));
    // Between a row's top (the pixel below the frame of the row above) and
    // its first line lie only the row's frames and spacing.
    std::vector<std::pair<int, int>> framesOnly;
    int rowTop = table.TopY + table.CaptionHeight + table.CellSpacing;
    for (const auto& row : table.Rows) {
        const int first = std::min(row->Item(0)->Cell->TopY, row->Item(1)->Cell->TopY);
        framesOnly.emplace_back(rowTop + (framesOnly.empty() ? 0 : 1), first);
        rowTop += row->RowHeight;
    }
    for (int dots = 211; dots <= 811; dots += 37) {
        SCOPED_TRACE(dots);
        RecordingPrinter device;
        device.dots = QSize(800, dots);
        PrintDocument(page.list, device, 1, 9999, 96, "t");
        ASSERT_GT(device.pages.size(), 2u);
        for (std::size_t i = 0; i + 1 < device.pages.size(); ++i) {
            const int end = device.pages[i].clip.top() + device.pages[i].clip.height();
            for (const auto& [top, first] : framesOnly)
                EXPECT_FALSE(end > top && end <= first) << "page " << i + 1 << " ends at " << end << " in a row from "
                                                        << top << " whose text begins at " << first;
        }
    }
}

TEST_F(PrintingTest, APictureTallerThanAPageIsCutAtThePageEnd) {
    PictureHost tall(kTallPicture);
    Parsed page(QStringLiteral("before<P><IMG SRC=tall.gif><P>after"));
    page.list.ShowImages = true;
    page.list.Host = &tall;
    RecordingPrinter device;
    PrintDocument(page.list, device, 1, 9999, 96, "t");
    // It does not start a page of its own, which would leave the text before
    // it alone on a sheet: the first page is full, cut through the picture.
    ASSERT_EQ(device.pages.size(), 2u);
    const QRect first = device.pages[0].clip, second = device.pages[1].clip;
    EXPECT_EQ(first.height(), 350) << "the whole page is used";
    EXPECT_EQ(second.top(), first.top() + 350);
    const QStringList pictures = device.pages[0].calls.filter("x500");
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(device.pages[1].calls.filter("x500"), pictures) << "the same picture, shown from where it was cut";
    EXPECT_EQ(texts(device.pages[0].calls).front().text, "before");
    EXPECT_EQ(texts(device.pages[1].calls).back().text, "after");
}

// "image x,y WxH" of the fixed canvas.
std::vector<QRect> images(const QStringList& calls) {
    static const QRegularExpression re(QStringLiteral("^image (-?\\d+),(-?\\d+) (\\d+)x(\\d+)"));
    std::vector<QRect> out;
    for (const QString& c : calls)
        if (const QRegularExpressionMatch m = re.match(c); m.hasMatch())
            out.emplace_back(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                             m.captured(4).toInt());
    return out;
}

TEST_F(PrintingTest, NoSheetIsAllButBlankAndOnlyWhatIsTallerThanAPageIsCut) {
    const struct {
        const char* what;
        const char* html;
        QSize picture;
    } cases[] = {
        {"alone in a cell", "<TABLE><TR><TD><IMG SRC=tall.png></TD></TR></TABLE><P>after", {200, 2500}},
        {"in a framed cell",
         "<TABLE BORDER CELLPADDING=6><TR><TD><IMG SRC=t.png></TD></TR></TABLE><P>after",
         {200, 2500}},
        {"after a line", "before<P><IMG SRC=tall.png><P>after", {40, 1000}},
        {"of less than a page", "before<BR>more before<P><IMG SRC=mid.png><P>after", {40, 160}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PictureHost pictures(c.picture);
        Parsed page(QString::fromLatin1(c.html));
        page.list.ShowImages = true;
        page.list.Host = &pictures;
        for (int dots = 211; dots <= 811; dots += 37) {
            SCOPED_TRACE(dots);
            const int pageHeight = dots / 2;
            RecordingPrinter device;
            device.dots = QSize(800, dots);
            PrintDocument(page.list, device, 1, 9999, 96, "t");
            QRect picture;
            int shown = 0, pieces = 0, afters = 0;
            for (std::size_t i = 0; i < device.pages.size(); ++i) {
                const RecordingPrinter::Page& p = device.pages[i];
                if (i + 1 < device.pages.size()) {
                    EXPECT_GE(2 * p.clip.height(), pageHeight) << "page " << i + 1;
                }
                EXPECT_FALSE(p.calls.isEmpty()) << "page " << i + 1 << " is blank";
                for (const QRect& image : images(p.calls)) {
                    picture = image;
                    shown += (image & p.clip).height();
                    ++pieces;
                }
                for (const TextCall& t : texts(p.calls))
                    afters += t.text == "after";
            }
            EXPECT_EQ(picture.size(), c.picture);
            EXPECT_EQ(shown, c.picture.height()) << "every row of the picture is printed once";
            if (c.picture.height() + 10 <= pageHeight) { // with its line's room above and below
                EXPECT_EQ(pieces, 1) << "a picture that fits on a page is not cut";
            }
            EXPECT_EQ(afters, 1);
        }
    }
}

TEST_F(PrintingTest, PagesBeforeTheFirstAreLaidOutAndSkipped) {
    Parsed page(longPage());
    RecordingPrinter all;
    PrintDocument(page.list, all, 1, 9999, 96, "t");
    ASSERT_GE(all.pages.size(), 5u);
    RecordingPrinter some;
    PrintDocument(page.list, some, 2, 3, 96, "t");
    EXPECT_EQ(some.events, QStringList({"begin t", all.events[3], "new page", all.events[5], "end"}));
    ASSERT_EQ(some.pages.size(), 2u);
    EXPECT_EQ(some.pages[0].calls, all.pages[1].calls);
    EXPECT_EQ(some.pages[1].calls, all.pages[2].calls);

    // A range that runs past the end prints the pages there are.
    const int count = int(all.pages.size());
    RecordingPrinter rest;
    PrintDocument(page.list, rest, count - 1, count + 8, 96, "t");
    ASSERT_EQ(rest.pages.size(), 2u);
    EXPECT_EQ(rest.pages[1].calls, all.pages.back().calls);

    // One that starts past the end is refused before a job begins.
    for (const auto& [first, last] : {std::pair{count + 1, count + 8}, std::pair{999, 999}}) {
        RecordingPrinter none;
        try {
            PrintDocument(page.list, none, first, last, 96, "t");
            ADD_FAILURE() << "printed from page " << first;
        } catch (const EPageRangeError& e) {
            EXPECT_EQ(e.pageCount(), count);
            EXPECT_TRUE(e.text().endsWith(QStringLiteral("the document has %1 pages").arg(count))) << e.what();
        }
        EXPECT_TRUE(none.events.isEmpty()) << none.events.join(", ").toStdString();
        EXPECT_EQ(vwPrinter(), nullptr);
    }
}

TEST_F(PrintingTest, ThePageLoopReportsEachPageAndStopsWhenTold) {
    Parsed page(longPage());
    RecordingPrinter all;
    PrintDocument(page.list, all, 2, 9999, 96, "t");
    const int sheets = int(all.pages.size());
    ASSERT_GE(sheets, 4);
    RecordingPrinter device;
    QStringList told;
    const auto stopAtThird = [&](int sheet, int of) {
        told << QStringLiteral("%1/%2").arg(sheet).arg(of);
        return sheet < 3;
    };
    EXPECT_THROW(PrintDocument(page.list, device, 2, 9999, 96, "t", stopAtThird), PrintCancelled);
    EXPECT_EQ(told, QStringList({"1/" + QString::number(sheets), "2/" + QString::number(sheets),
                                 "3/" + QString::number(sheets)}));
    // Two pages drawn, then the job dropped instead of ended.
    EXPECT_EQ(device.events, QStringList({"begin t", all.events[1], "new page", all.events[3], "abort"}));
    ASSERT_EQ(device.pages.size(), 2u);
    EXPECT_EQ(device.pages[1].calls, all.pages[1].calls);
    EXPECT_EQ(vwPrinter(), nullptr);
}

TEST_F(PrintingTest, ThePrintCopyIsBlackOnWhiteWithoutItsPictureBehind) {
    Parsed page(QStringLiteral("<BODY BGCOLOR=navy TEXT=yellow BACKGROUND=paper.gif>"
                               "<UL><LI><A HREF=x>link</A></UL><HR><FORM><INPUT NAME=q>x</FORM>"));
    page.list.SetBackgroundBitmap(QStringLiteral("paper.gif"));
    RecordingPrinter device;
    PrintDocument(page.list, device, 1, 1, 96, "t");
    ASSERT_EQ(device.pages.size(), 1u);
    const QStringList& calls = device.pages[0].calls;
    EXPECT_TRUE(calls.filter(QRegularExpression("^(fill|image)")).isEmpty()) << "nothing is painted behind the text";
    // On white, discs are coloured and rules a plain black line; all text is black.
    EXPECT_TRUE(calls.filter("ellipse").value(0).endsWith("5x5 #000080 filled")) << calls.join('\n').toStdString();
    EXPECT_EQ(calls.filter("line").size(), 1);
    for (const QString& c : calls.filter(QRegularExpression("^(text|line)")))
        EXPECT_TRUE(c.contains("#000000")) << c.toStdString();
    EXPECT_EQ(page.list.Background, QColor(0, 0, 0x80)) << "the page shown keeps its colours";
    EXPECT_FALSE(page.list.Printing);
}

} // namespace
