#pragma once
// One print job on a QPrinter: begun with a painter, page by page, ended.
// Every step that fails says why, in words a user can act on. Nothing here
// throws; the callers decide what a failure means to them.
#include <QPainter>
#include <QString>

#include <memory>

class QPrinter;

namespace zorvel {

// No print comes nearer the paper's edge than this: printers cut off or smudge
// what lies closer, and a sheet needs room to be held.
inline constexpr double kMinimumMarginMm = 10.0;
// Raises the printer's margins that are narrower than the minimum; wider ones stay.
void keepMinimumMargins(QPrinter& printer);

class PrinterJob {
public:
    // Sets the printer's margins to at least the minimum before anything measures its page.
    explicit PrinterJob(QPrinter& printer);
    // A job still open is ended.
    ~PrinterJob();
    PrinterJob(const PrinterJob&) = delete;
    PrinterJob& operator=(const PrinterJob&) = delete;

    // Why no job can be started on the printer as it is set up; empty when one can.
    static QString refusal(const QPrinter& printer);

    // Starts the job named title with its first page.
    bool begin(const QString& title);
    bool newPage();
    // Ends the job; false when the output could not be finished.
    bool end();
    // Drops the job unfinished. A PDF file's partial output is removed. Qt
    // can abort a job only on some systems; a CUPS printer gets what its
    // job spooled so far, as Qt sends the job when it ends.
    void abort();
    bool active() const { return painter_.isActive(); }
    QPainter& painter() { return painter_; }
    QPrinter& printer() { return printer_; }
    // Why the last step failed.
    const QString& failure() const { return failure_; }

private:
    QString outputFailure() const;
    void settle();

    QPrinter& printer_;
    QPainter painter_;
    QString failure_;
};

// Qt can leave a printer whose job failed to start marked as printing for
// good. Such a printer is replaced by a fresh one with the same settings;
// returns whether it was.
bool replaceIfStuck(std::shared_ptr<QPrinter>& printer);

} // namespace zorvel
