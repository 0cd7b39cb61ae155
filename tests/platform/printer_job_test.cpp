// Print jobs on Qt's printer: why one cannot start, a printer Qt leaves stuck,
// and a PDF that replaces the chosen file only when it is whole.
#include "pdf_text.h"
#include "print_to_file.h"
#include "printer_job.h"
#include "temp_dir.h"

#include <QPageLayout>
#include <QPrinter>
#include <gtest/gtest.h>

using namespace zorvel;
using namespace zorvel::testing;

TEST(PrinterJob, AStuckPrinterIsReplacedByOneWithItsSettings) {
    TempDir tmp;
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageOrientation(QPageLayout::Landscape);
    EXPECT_FALSE(replaceIfStuck(printer)) << "a printer at rest stays";
    {
        // Qt's own trap: a PDF job begun without a file leaves the printer printing for good.
        QPainter painter;
        EXPECT_FALSE(painter.begin(printer.get()));
    }
    ASSERT_EQ(printer->printerState(), QPrinter::Active);
    const QPrinter* stuck = printer.get();
    EXPECT_TRUE(replaceIfStuck(printer));
    EXPECT_NE(printer.get(), stuck);
    EXPECT_EQ(printer->pageLayout().orientation(), QPageLayout::Landscape);

    printer->setOutputFileName(tmp.file("out.pdf"));
    PrinterJob job(*printer);
    ASSERT_TRUE(job.begin(QStringLiteral("again"))) << job.failure().toStdString();
    job.painter().drawText(100, 100, QStringLiteral("printed"));
    EXPECT_TRUE(job.end());
    EXPECT_EQ(pdfText(tmp.file("out.pdf")).trimmed(), "printed");
    EXPECT_EQ(pdfInfo(tmp.file("out.pdf"), "Title"), "again");
}

TEST(PrintIntoFile, ThePdfMustEndInItsTrailer) {
    const std::pair<const char*, bool> cases[] = {{"%PDF-1.4\nx\n%%EOF\n", true},
                                                  {"%PDF-1.4\nx\n<< /Len", false},
                                                  {"%PDF-1.4\n%%EOF\nx", false},
                                                  {"%%EOF\n", false}};
    for (const auto& [bytes, whole] : cases)
        EXPECT_EQ(isCompletePdf(QByteArray(bytes)), whole) << bytes;
}

TEST(PrintIntoFile, TheChosenFileIsReplacedOnlyByAWholePdf) {
    TempDir tmp;
    const QString target = tmp.write("out.pdf", "old contents");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target);
    // A job that fails midway, after some pages, writes nothing.
    const auto print = [&](bool fails) {
        printIntoFile(printer, [&] {
            EXPECT_NE(printer.outputFileName(), target) << "the job prints elsewhere first";
            PrinterJob job(printer);
            ASSERT_TRUE(job.begin(QStringLiteral("t"))) << job.failure().toStdString();
            job.painter().drawText(100, 100, QStringLiteral("printed"));
            if (fails)
                throw std::runtime_error("stopped");
            job.end();
        });
    };
    EXPECT_THROW(print(true), std::runtime_error);
    EXPECT_EQ(printer.outputFileName(), target);
    EXPECT_EQ(tmp.read("out.pdf"), "old contents");
    print(false);
    EXPECT_EQ(printer.outputFileName(), target);
    EXPECT_EQ(pdfText(target).trimmed(), "printed");
}

TEST(PrinterJob, NoPrintComesNearerThePapersEdgeThanTenMillimetres) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageMargins(QMarginsF(0, 3, 25, 6), QPageLayout::Millimeter);
    const int narrowWidth = printer.width();
    PrinterJob job(printer);
    EXPECT_EQ(printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(10, 10, 25, 10));
    EXPECT_LT(printer.width(), narrowWidth) << "what measures the page sees the margins";
}
