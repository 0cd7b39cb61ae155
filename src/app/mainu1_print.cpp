// Printing: the active document's source text, the page the preview shows,
// and the printer set-up, all on the one printer the main window keeps.
#include "mainu1.h"

#include "busy_cursor.h"
#include "control/html_viewer.h"
#include "print_error.h"
#include "print_source.h"
#include "print_to_file.h"
#include "printer_job.h"

#include <QPrinter>
#include <QScopedValueRollback>
#include <QToolButton>

namespace zorvel {

namespace {

// Without a page range chosen in the dialog, the preview prints the whole page.
constexpr int kFirstPage = 1;
constexpr int kLastPage = 9999;

std::pair<int, int> previewPageRange(const QPrinter& printer) {
    const int first = printer.fromPage();
    const int last = printer.toPage();
    if (printer.printRange() != QPrinter::PageRange || first <= 0 || last <= 0)
        return {kFirstPage, kLastPage};
    return {first, last};
}

constexpr const char* kPrintingTitle = "Printing";

// Each page of the job shown in the progress dialog, whose Cancel stops it;
// so does the program's end (a logout) while the dialog lets events through.
PrintProgress shownIn(Progress& dialog, const bool& ending) {
    return [&dialog, &ending](int page, int pages) {
        return dialog.step(printingPageText(page, pages), page - 1, pages) && !ending;
    };
}

} // namespace

void TMainFrm::createPrinting() {
    connect(Print1, &QAction::triggered, this, &TMainFrm::Print1Click);
    connect(PrintSetup1, &QAction::triggered, this, &TMainFrm::PrintSetup1Click);
    connect(Preview_Print_BTN, &QToolButton::clicked, this, &TMainFrm::Preview_Print_BTNClick);
}

QPrinter& TMainFrm::printer() {
    // Made on first use: asking the print system for its printers can take a moment.
    if (!printer_)
        printer_ = std::make_shared<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TMainFrm::runPrintJob(const std::function<void()>& job) {
    // The progress dialog lets events through between pages; no second job starts meanwhile.
    const QScopedValueRollback<bool> guard(printing_, true);
    guarded(
        [&] {
            try {
                BusyCursor busy;
                printIntoFile(printer(), job);
            } catch (const PrintCancelled&) {
                // The user stopped it: the job was dropped, and there is nothing to tell.
            }
        },
        {.unknown = "Printing failed."});
    // A job that failed to start may have left the printer unusable; the next one gets a fresh one.
    replaceIfStuck(printer_);
}

void TMainFrm::Print1Click() {
    TEditForm* form = ActiveDocument();
    if (printing_ || !form || !askPrintDialog(form->FileName.trimmed()))
        return;
    runPrintJob([&] {
        // The range and selection chosen in the dialog do not matter: the whole text is printed.
        SourcePrintout source;
        source.lines = form->MemoPad->Lines();
        source.editorFont = form->MemoPad->font();
        source.color = form->MemoPad->palette().color(QPalette::Text);
        source.title = form->caption();
        const std::unique_ptr<Progress> progress = prompter().progress(QLatin1String(kPrintingTitle));
        printSource(printer(), source, shownIn(*progress, terminating_));
    });
}

void TMainFrm::PrintSetup1Click() {
    if (!printing_)
        prompter().pageSetupDialog(printer());
}

void TMainFrm::Preview_Print_BTNClick() {
    if (printing_ || !preview_.active || !askPrintDialog(Preview->CurrentFile()))
        return;
    const auto [first, last] = previewPageRange(printer());
    runPrintJob([&] {
        const std::unique_ptr<Progress> progress = prompter().progress(QLatin1String(kPrintingTitle));
        Preview->Print(first, last, printer(), shownIn(*progress, terminating_));
    });
}

} // namespace zorvel
