// The viewer printing on Qt's printer into PDF files, read back with poppler.
#include "control/html_viewer.h"
#include "headless/print_pdf.h"
#include "pdf_text.h"
#include "print/printing.h"
#include "temp_dir.h"

#include <QFileInfo>
#include <QPrinter>
#include <gtest/gtest.h>

using namespace zorvel;
using namespace zorvel::testing;

namespace {

// Five or more A4 pages of numbered paragraphs.
QByteArray longPage(const char* title) {
    QByteArray html = title ? QByteArray("<TITLE>") + title + "</TITLE>" : QByteArray();
    html += "<BODY BGCOLOR=yellow>";
    for (int i = 1; i <= 200; ++i)
        html += "<P>Paragraph " + QByteArray::number(i) + " says a few words, and then some more words. End " +
                QByteArray::number(i) + ".</P>";
    return html;
}

struct PrintPdf {
    int status;
    QString err;
};
PrintPdf printPdf(const QString& page, const QString& pdf, int first = 1, int last = 9999) {
    QString text;
    QTextStream err(&text);
    const int status = runPrintPdf(page, pdf, first, last, err);
    return {status, text};
}

TEST(PrintPdf, PrintsThePageOnA4WithItsTitleAndTheRangeAsked) {
    TempDir tmp;
    const QString page = tmp.write("long.htm", longPage("Garden notes"));
    const QString whole = tmp.file("whole.pdf"), part = tmp.file("part.pdf");
    ASSERT_EQ(printPdf(page, whole).status, 0);
    EXPECT_GE(pdfPages(whole), 5);
    EXPECT_EQ(pdfInfo(whole, "Title"), "Garden notes");
    EXPECT_TRUE(pdfInfo(whole, "Page size").contains("A4"));
    const QString text = pdfText(whole);
    for (int i = 1; i <= 200; ++i)
        EXPECT_TRUE(text.contains(QStringLiteral("Paragraph %1 says").arg(i))) << i;

    ASSERT_EQ(printPdf(page, part, 2, 3).status, 0);
    EXPECT_EQ(pdfPages(part), 2);
    EXPECT_EQ(pdfText(part), pdfText(whole, 2, 3));

    // From inside to past the end: the pages there are. From past the end: nothing, and why.
    const int pages = pdfPages(whole);
    ASSERT_EQ(printPdf(page, part, pages - 1, pages + 8).status, 0);
    EXPECT_EQ(pdfText(part), pdfText(whole, pages - 1, pages));
    for (const auto& [first, last] : {std::pair{pages + 1, pages + 8}, std::pair{999, 999}}) {
        const QString none = tmp.file("none.pdf");
        const PrintPdf r = printPdf(page, none, first, last);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.err.contains(QStringLiteral("the document has %1 pages\n").arg(pages))) << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(none));
    }
}

TEST(PrintPdf, FailuresAreReported) {
    TempDir tmp;
    const QString page = tmp.write("plain.htm", "<P>plain");
    const struct {
        QString page, pdf;
        const char* says;
    } cases[] = {
        {tmp.file("absent.htm"), tmp.file("a.pdf"), "Can't locate file"},
        {page, tmp.file("no/such/dir/a.pdf"), "Cannot write"},
    };
    for (const auto& c : cases) {
        const PrintPdf r = printPdf(c.page, c.pdf);
        EXPECT_EQ(r.status, 1) << c.pdf.toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String(c.says))) << r.err.toStdString();
    }
    // A page with no title is named after its file in the print queue.
    ASSERT_EQ(printPdf(page, tmp.file("plain.pdf"), 1, 1).status, 0);
    EXPECT_EQ(pdfInfo(tmp.file("plain.pdf"), "Title"), "plain.htm");
    EXPECT_EQ(pdfText(tmp.file("plain.pdf")).trimmed(), "plain");
}

TEST(PrintPdf, AFailedJobLeavesThePrinterAndTheViewerReadyForTheNext) {
    TempDir tmp;
    THTMLViewer viewer;
    viewer.LoadFromFile(tmp.write("p.htm", "<TITLE>t</TITLE>text"));
    QPrinter printer(QPrinter::HighResolution);
    // No printer installed and no file chosen, then a file that cannot be written.
    const struct {
        QPrinter::OutputFormat format;
        QString file;
        const char* says;
    } failures[] = {
        {QPrinter::PdfFormat, QString(), "no file to print to"},
        {QPrinter::PdfFormat, tmp.file("missing/out.pdf"), "Cannot write"},
    };
    for (const auto& f : failures) {
        printer.setOutputFormat(f.format);
        printer.setOutputFileName(f.file);
        try {
            viewer.Print(1, 9999, printer);
            ADD_FAILURE() << "printed to " << f.file.toStdString();
        } catch (const PrintError& e) {
            EXPECT_STREQ(e.what(), kPrinterNotValid);
            EXPECT_TRUE(e.reason().contains(QLatin1String(f.says))) << e.reason().toStdString();
        }
        EXPECT_EQ(vwPrinter(), nullptr);
        EXPECT_NE(printer.printerState(), QPrinter::Active);
    }
    printer.setOutputFileName(tmp.file("out.pdf"));
    viewer.Print(1, 9999, printer);
    EXPECT_EQ(pdfText(tmp.file("out.pdf")).trimmed(), "text");
}

} // namespace
