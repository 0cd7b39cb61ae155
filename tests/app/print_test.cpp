// Printing the source and the preview into PDF files through the scripted
// print dialog, read back with poppler.
#include "control/html_viewer.h"
#include "full_disk.h"
#include "headless/print_pdf.h"
#include "main_window_fixture.h"
#include "pdf_text.h"
#include "preview_look.h"
#include "print_file_name.h"
#include "print_source.h"
#include "printer_job.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPrinter>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

class PrintTest : public MainWindowTest {
protected:
    // The print dialog confirmed with PDF output to the file and the range given.
    void queuePrintTo(const QString& pdf, QPrinter::PrintRange range = QPrinter::AllPages, int from = 0, int to = 0) {
        prompter->queuePrinterScript([=](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPrintRange(range);
            printer.setFromTo(from, to);
            return true;
        });
    }
    // Where the lines of the text are found in the printed text, in order; -1 for a missing one.
    static std::vector<qsizetype> positions(const QString& printed, const QStringList& lines) {
        std::vector<qsizetype> at;
        for (const QString& line : lines)
            at.push_back(printed.indexOf(line.simplified()));
        return at;
    }
    static QStringList numberedLines(int count) {
        QStringList lines;
        for (int i = 1; i <= count; ++i)
            lines << QStringLiteral("<P>Line %1 of the source</P>").arg(i, 3, 10, QLatin1Char('0'));
        return lines;
    }
};

TEST_F(PrintTest, TheSourcePrintsEveryLineInOrderWhateverRangeOrSelectionWasChosen) {
    // Enough lines for three pages of the source font on A4.
    QPrinter probe(QPrinter::HighResolution);
    probe.setOutputFormat(QPrinter::PdfFormat);
    keepMinimumMargins(probe);
    const QFontMetrics metrics(sourcePrintFont(QFont(QStringLiteral("Arial"))), &probe);
    const int perPage = 1 + (probe.height() - metrics.height()) / metrics.lineSpacing();
    const QStringList lines = numberedLines(2 * perPage + 5);
    const QString path = file("source.htm", lines.join("\r\n").toUtf8());
    start({path});
    memo().setSelStart(30);
    memo().setSelLength(40);

    const QString pdf = tmp.file("source.pdf");
    queuePrintTo(pdf, QPrinter::Selection);
    frm->Print1Click();
    EXPECT_TRUE(prompter->drained());
    EXPECT_TRUE(prompter->messages.empty()) << prompter->messageTexts().join('\n').toStdString();
    EXPECT_EQ(pdfPages(pdf), 3);
    EXPECT_EQ(prompter->progressTexts,
              QStringList({"Printing page 1 of 3", "Printing page 2 of 3", "Printing page 3 of 3"}));
    EXPECT_EQ(pdfInfo(pdf, "Title"), frm->ActiveDocument()->caption());
    const std::vector<qsizetype> at = positions(pdfText(pdf), lines);
    EXPECT_TRUE(std::is_sorted(at.begin(), at.end()) && at.front() >= 0) << "every line, in order";

    // A range of pages prints the whole text too.
    queuePrintTo(pdf, QPrinter::PageRange, 2, 2);
    frm->Print1Click();
    EXPECT_EQ(pdfPages(pdf), 3);
}

// Every character one unit wide, so a line of ten fits a paper ten wide.
TEST(SourcePrint, ALineWiderThanThePaperGoesOnOverMarkedContinuationLines) {
    const auto oneEach = [](QChar) { return 1.0; };
    const struct {
        QStringList source;
        QStringList printed;
    } cases[] = {
        {{"0123456789", "", "short"}, {"0123456789", "", "short"}},
        {{"0123456789ABCDEFGHIJ"}, {"0123456789", "\u00BB ABCDEFGH", "\u00BB IJ"}},
        {{"<INPUT NAME=x VALUE=\"search\">"}, {"<INPUT ", "\u00BB NAME=x ", "\u00BB VALUE=\"s", "\u00BB earch\">"}},
        {{"a\tb"}, {"a       b"}}, // tabs to the next multiple of eight
    };
    for (const auto& c : cases)
        EXPECT_EQ(printedSourceLines(c.source, oneEach, 10), c.printed) << c.source.join('|').toStdString();
    // A paper too narrow for the mark still makes progress, a character at a time.
    EXPECT_EQ(printedSourceLines({"abc"}, oneEach, 1).size(), 3);
}

TEST_F(PrintTest, NothingIsPrintedWithoutADocumentOrWhenTheDialogIsCancelled) {
    start();
    prompter->queuePrint(false);
    frm->Print1Click();
    prompter->queuePrint(false);
    frm->PrintSetup1Click();
    frm->CloseAll1Click();
    frm->Print1Click(); // no dialog is shown: nothing is queued for one
    frm->Preview_Print_BTNClick();
    EXPECT_TRUE(prompter->drained());
    EXPECT_TRUE(prompter->messages.empty());
    EXPECT_TRUE(QDir(tmp.path()).entryList({"*.pdf"}).isEmpty());
}

TEST_F(PrintTest, APrintErrorIsShownAndTheNextPrintWorks) {
    start({file("page.htm", "<P>one line")});
    const QString bad = tmp.file("no/such/folder/out.pdf");
    queuePrintTo(bad);
    frm->Print1Click();
    ASSERT_EQ(prompter->messages.size(), 1u);
    EXPECT_TRUE(prompter->messages[0].text.contains("Cannot write " + bad)) << prompter->messages[0].text.toStdString();
    EXPECT_EQ(prompter->messages[0].icon, MessageIcon::Error);

    // Printing to PDF with no file, as when no printer is installed and none was chosen.
    prompter->queuePrinterScript([](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString());
        return true;
    });
    frm->Print1Click();
    ASSERT_EQ(prompter->messages.size(), 2u);
    EXPECT_TRUE(prompter->messages[1].text.contains("no file to print to"));

    const QString good = tmp.file("out.pdf");
    queuePrintTo(good);
    frm->Print1Click();
    EXPECT_EQ(prompter->messages.size(), 2u);
    EXPECT_EQ(pdfText(good).trimmed(), "<P>one line");
}

TEST_F(PrintTest, ThePrinterSetUpLastsForEveryPrint) {
    start({file("page.htm", "<P>one line")});
    prompter->queuePrinterScript([](QPrinter& printer) {
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    frm->PrintSetup1Click();
    const QString pdf = tmp.file("out.pdf");
    for (int i = 0; i < 2; ++i) {
        queuePrintTo(pdf);
        frm->Print1Click();
        EXPECT_TRUE(pdfInfo(pdf, "Page size").startsWith("842 x 595")) << pdfInfo(pdf, "Page size").toStdString();
    }
}

TEST_F(PrintTest, ThePreviewPrintsTheWholePageOrThePagesAsked) {
    QByteArray html = "<TITLE>Long page</TITLE><BODY BGCOLOR=silver>";
    for (int i = 1; i <= 150; ++i)
        html += "<P>Paragraph " + QByteArray::number(i) + " of the page.";
    start({file("long.htm", html)});
    frm->Preview_BtnClick();
    ASSERT_TRUE(frm->PreviewActive());

    // The range left at 0 to 0 prints everything.
    const QString whole = tmp.file("whole.pdf");
    queuePrintTo(whole, QPrinter::PageRange, 0, 0);
    frm->Preview_Print_BTNClick();
    EXPECT_TRUE(prompter->messages.empty()) << prompter->messageTexts().join('\n').toStdString();
    const int pages = pdfPages(whole);
    EXPECT_GE(pages, 4);
    EXPECT_EQ(pdfInfo(whole, "Title"), "Long page");
    const QString text = pdfText(whole);
    for (int i = 1; i <= 150; ++i)
        EXPECT_TRUE(text.contains(QStringLiteral("Paragraph %1 of").arg(i))) << i;

    const QString part = tmp.file("part.pdf");
    queuePrintTo(part, QPrinter::PageRange, 2, 3);
    frm->Preview_Print_BTNClick();
    EXPECT_EQ(pdfPages(part), 2);
    EXPECT_EQ(pdfText(part), pdfText(whole, 2, 3));

    // A range past the end prints nothing and says how many pages there are.
    const QString past = tmp.file("past.pdf");
    queuePrintTo(past, QPrinter::PageRange, pages + 1, pages + 8);
    frm->Preview_Print_BTNClick();
    ASSERT_EQ(prompter->messages.size(), 1u);
    EXPECT_TRUE(prompter->messages[0].text.contains(QStringLiteral("the document has %1 pages").arg(pages)))
        << prompter->messages[0].text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(past));
    EXPECT_TRUE(prompter->drained());
}

TEST_F(PrintTest, EachPageIsShownAndCancelDropsTheJobWithoutAWord) {
    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines << QStringLiteral("<P>Paragraph %1 of the page.").arg(i);
    start({file("long.htm", lines.join("\r\n").toUtf8())});
    const QString pdf = tmp.file("out.pdf");
    for (const bool preview : {false, true}) {
        SCOPED_TRACE(preview ? "the preview" : "the source");
        if (preview)
            frm->Preview_BtnClick();
        const auto print = [&] { preview ? frm->Preview_Print_BTNClick() : frm->Print1Click(); };
        // Cancel pressed while the second page is under way; meanwhile no
        // other print can start (nothing is queued for its dialog).
        prompter->onProgress = [&](int step) {
            frm->Print1Click();
            frm->Preview_Print_BTNClick();
            frm->PrintSetup1Click();
            return step < 2;
        };
        queuePrintTo(pdf);
        print();
        EXPECT_EQ(prompter->progressTexts.size(), 2);
        EXPECT_FALSE(QFileInfo::exists(pdf)) << "a partial PDF is left";
        EXPECT_TRUE(prompter->messages.empty()) << prompter->messageTexts().join('\n').toStdString();

        // The printer is ready for the next job, which prints every page.
        prompter->onProgress = nullptr;
        prompter->progressTexts.clear();
        queuePrintTo(pdf);
        print();
        const int pages = pdfPages(pdf);
        EXPECT_GE(pages, 3);
        QStringList shown;
        for (int i = 1; i <= pages; ++i)
            shown << QStringLiteral("Printing page %1 of %2").arg(i).arg(pages);
        EXPECT_EQ(prompter->progressTexts, shown);
        EXPECT_TRUE(pdfText(pdf).contains("Paragraph 200 of"));
        QFile::remove(pdf);
        prompter->progressTexts.clear();
    }
    // The program told to end (a logout) while a job runs drops the job.
    prompter->onProgress = [&](int) {
        frm->terminate();
        return true;
    };
    queuePrintTo(pdf);
    frm->Preview_Print_BTNClick();
    EXPECT_EQ(prompter->progressTexts.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_TRUE(prompter->drained());
}

TEST_F(PrintTest, TheSourcePrintsTheSameBeforeAndAfterThePreviewIsPrinted) {
    start({file("page.htm", "<TITLE>t</TITLE>\r\n<P>Some text\r\n<P>More text")});
    const QString before = tmp.file("before.pdf"), preview = tmp.file("preview.pdf"), after = tmp.file("after.pdf");
    queuePrintTo(before);
    frm->Print1Click();
    frm->Preview_BtnClick();
    queuePrintTo(preview);
    frm->Preview_Print_BTNClick();
    frm->Preview_BtnClick();
    queuePrintTo(after);
    frm->Print1Click();
    // Where every word stands, and how large it is.
    const QStringList words = runTool("pdftotext", {"-bbox", before, "-"}).split('\n').filter("<word");
    EXPECT_EQ(words.size(), 5);
    EXPECT_EQ(runTool("pdftotext", {"-bbox", after, "-"}).split('\n').filter("<word"), words);
}

// Printing to a file that cannot be written: the old file stays whole and the window says why.
TEST_F(PrintTest, PrintingToAFileThatCannotBeWrittenSaysWhyAndKeepsTheOldFile) {
    QByteArray html;
    for (int i = 1; i <= 1500; ++i)
        html += "<P>Paragraph " + QByteArray::number(i) + " has a few words of its own.\r\n";
    start({file("long.htm", html)});
    FullDisk disk;
    // 40 of the disk's 64 KB: what is left cannot hold the new PDF.
    const QByteArray good = "%PDF-1.4\n" + QByteArray(40000, 'x') + "\n%%EOF\n";
    const QString old = disk.write("old.pdf", good);
    for (const QString& target : {disk.mounted() ? old : QString(), QStringLiteral("/dev/full")}) {
        if (target.isEmpty() || !QFileInfo::exists(target))
            continue; // mounting a small tmpfs needs root
        prompter->messages.clear();
        queuePrintTo(target);
        frm->Print1Click();
        ASSERT_EQ(prompter->messages.size(), 1u) << target.toStdString();
        EXPECT_EQ(prompter->messages[0].text, "Cannot write " + target + ": No space left on device");
        EXPECT_EQ(prompter->messages[0].icon, MessageIcon::Error);
    }
    if (disk.mounted()) {
        EXPECT_EQ(disk.read("old.pdf"), good);
    }
}

// The dialog offers the page's own name, never the file the last job chose.
TEST_F(PrintTest, PrintingToAFileOffersThePagesOwnName) {
    const QString page2 = file("page2.htm", "<P>two"), page3 = file("page3.htm", "<P>three");
    writeIni("[Files]\nSave_Dir=" + tmp.file("saved").toUtf8() + "\n");
    start({page2});
    QStringList offered;
    const auto print = [&](const QString& page) {
        if (page != page2)
            frm->OpenDocument(page, true);
        prompter->queuePrinterScript([&](QPrinter& printer) {
            offered << printer.outputFileName();
            // Taken as offered, once the first job has made the printer print to a file.
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(page == page2 ? tmp.file("page2.pdf") : offered.last());
            return true;
        });
        frm->Print1Click();
    };
    print(page2);
    print(page3);
    frm->New1Click();
    prompter->queuePrinterScript([&](QPrinter& printer) {
        offered << printer.outputFileName();
        return false;
    });
    frm->Print1Click();
    EXPECT_EQ(offered.mid(1), QStringList({tmp.file("page3.pdf"), tmp.file("saved/untitled.pdf")}));
    EXPECT_EQ(pdfText(tmp.file("page3.pdf")).trimmed(), "<P>three");
    EXPECT_EQ(printFileSuggestion(tmp.file("notes.v2.txt"), {}), tmp.file("notes.v2.pdf"));
    EXPECT_EQ(printFileSuggestion(tmp.file("scan.pdf"), {}), tmp.file("scan.pdf.pdf"));
}

// --print-pdf prints the pages the preview's Print prints, in the preview's font.
TEST_F(PrintTest, ThePreviewAndPrintPdfPrintTheSamePages) {
    writeIni("[Options]\nPreview_Font_Name=Courier New\nPreview_Font_Size=11\n");
    QByteArray html = "<TITLE>Same</TITLE><H1>Heading</H1>";
    for (int i = 1; i <= 80; ++i)
        html += "<P>Paragraph <B>" + QByteArray::number(i) + "</B> of the page, with words enough to wrap the line.";
    const QString page = file("same.htm", html);
    start({page});
    frm->Preview_BtnClick();
    ASSERT_TRUE(frm->PreviewActive());
    const QString shown = tmp.file("preview.pdf"), headless = tmp.file("headless.pdf");
    queuePrintTo(shown);
    frm->Preview_Print_BTNClick();
    QString err;
    QTextStream errors(&err);
    ASSERT_EQ(runPrintPdf(page, headless, 1, 9999, errors, previewLook(ini().snapshot(), desktopLook())), 0)
        << err.toStdString();
    const auto words = [](const QString& pdf) {
        return runTool("pdftotext", {"-bbox", pdf, "-"}).split('\n').filter("<word");
    };
    EXPECT_GE(pdfPages(shown), 2);
    EXPECT_EQ(words(headless), words(shown));
    EXPECT_TRUE(runTool("pdffonts", {headless}).contains("Mono"));
}

} // namespace
