// Print jobs on Qt's printer: why one cannot start, and a printer Qt leaves stuck.
#include "pdf_text.h"
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
