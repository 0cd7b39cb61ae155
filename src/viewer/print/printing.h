#pragma once
// The viewer's printer object and the printing of a laid-out page. The
// printer drives a PrintDevice (Qt's printer in the program, a recording one
// in tests); the page loop lays a copy of the document out to the paper's
// width and draws it page by page, never cutting a text line at the bottom
// of a page.
#include "model/document.h"
#include "print_error.h"
#include "print_progress.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <limits>

namespace zorvel {

class EPrinterError : public PrintError {
public:
    using PrintError::PrintError;
};

inline constexpr const char* kPrintingInProgress = "Printing in progress";
inline constexpr const char* kNotPrinting = "Printer is not currently printing";
inline constexpr const char* kPrinterNotValid = "Printer selected is not valid";

// The pages asked for begin past the document's end: nothing is printed.
class EPageRangeError : public EPrinterError {
public:
    EPageRangeError(int firstPage, int pageCount);
    int pageCount() const { return pageCount_; }

private:
    int pageCount_;
};

// What a TvwPrinter prints on. Sizes are in the device's own pixels.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;
    // Opens the device for questions only; false (with failureReason) when it cannot be used.
    virtual bool openInformation() = 0;
    virtual QSize pageSize() const = 0;   // the printable area
    virtual QSize resolution() const = 0; // pixels per inch across and down
    // Starts the job named title with its first page.
    virtual bool beginJob(const QString& title) = 0;
    virtual bool newPage() = 0;
    virtual bool endJob() = 0;
    // Drops the job unfinished.
    virtual void abortJob() = 0;
    virtual QString failureReason() const = 0;
    // From now on one drawing unit is 1/screenDpi inch, the point windowOrigin
    // lands on the printable area's top-left corner, and nothing is drawn
    // outside clip (in drawing units).
    virtual void setMapping(int screenDpi, QPoint windowOrigin, const QRect& clip) = 0;
    // Draws on the current page; measures as the screen does.
    virtual Canvas& canvas() = 0;
};

class TvwPrinter {
public:
    enum class State { None, Information, Printing };

    explicit TvwPrinter(PrintDevice& device) : device_(device) {}
    // A job still running is ended.
    ~TvwPrinter();
    TvwPrinter(const TvwPrinter&) = delete;
    TvwPrinter& operator=(const TvwPrinter&) = delete;

    QString Title;

    // Each throws EPrinterError: BeginDoc while printing, NewPage and EndDoc
    // while not, any of them (and the page sizes) when the device fails.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    // Drops the job unfinished (the user stopped it); throws EPrinterError while not printing.
    void Abort();
    zorvel::Canvas& Canvas();
    int PageWidth();
    int PageHeight();
    QSize PixelsPerInch();
    void SetMapping(int screenDpi, QPoint windowOrigin, const QRect& clip);

    State state() const { return state_; }
    bool Printing() const { return state_ == State::Printing; }
    bool Aborted() const { return aborted_; }
    int PageNumber() const { return pageNumber_; }

private:
    void needInformation();
    void requirePrinting() const;

    PrintDevice& device_;
    State state_ = State::None;
    bool aborted_ = false;
    int pageNumber_ = 0;
};

// The current viewer printer, none at first.
TvwPrinter* vwPrinter();
// Makes printer the current one and returns the one it replaces.
TvwPrinter* vwSetPrinter(TvwPrinter* printer);

// Where one printed page begins and ends in the laid-out document. A page
// begins above the one before ended only when that page had to end inside
// lines side by side (in table cells beside a picture taller than a page, or
// whose lines never end together): it takes up the lines left for it there,
// and the lines ending at or above printedTo were printed on the page before.
struct PrintPage {
    int top = 0;
    int bottom = 0;
    int printedTo = std::numeric_limits<int>::min();
};

// The pages 1 to lastPage of a document laid out at the height pageHeight
// (fewer when the document ends first). A page ends at the lowest place that
// cuts no text line, on the page or in a table cell (at the top of a table
// row when nothing of the row but its frames would be left above), as long as
// that leaves at least half a page on it; otherwise it ends at its full
// height and only what is taller than a page is cut there.
std::vector<PrintPage> paginate(const TSectionList& document, int pageHeight, int lastPage);

// The top of the highest text line that y passes through (its top above y,
// its bottom below), on the page or in any table cell however deep, among
// the lines no taller than maxSpan; nullopt when y cuts none.
std::optional<int> lineTopAcross(const TSectionList& document, int y, int maxSpan = std::numeric_limits<int>::max());

// Where a page that begins at pageTop ends when it may reach y: the lowest
// place at or above y that cuts no text line; nullopt when every place below
// pageTop cuts one.
std::optional<int> pageBreakAt(const TSectionList& document, int pageTop, int y);

// Prints pages firstPage to lastPage of a copy of the document (the copy
// prints black on white without its background picture or form controls) on
// a new TvwPrinter made current meanwhile. screenDpi is the resolution the
// document's fonts are measured at. progress hears of each page before it is
// printed and may stop the job. Whatever happens, the job is ended (or
// dropped when stopped), the previous printer made current again and the copy
// freed; a failure then throws EPrinterError, a first page past the end
// EPageRangeError before any job begins, a stop PrintCancelled.
void PrintDocument(const TSectionList& document, PrintDevice& device, int firstPage, int lastPage, int screenDpi,
                   const QString& title, const PrintProgress& progress = {});

} // namespace zorvel
