#pragma once
// The whole document: the master list of sections with its defaults, the
// image cache, the forms and the background.
#include "model/sections.h"
#include "model/text_store.h"

#include <limits>

namespace zorvel {

// The pool of a document's records: made before the master list, which takes
// its storage from it, and released after.
struct TDocumentPool {
    TModelPool Pool;
};

class TSectionList : public TDocumentPool, public TCell {
public:
    // The document itself comes from the heap (or the stack), not from its pool.
    static void* operator new(std::size_t size) { return ::operator new(size); }
    static void operator delete(void* storage) noexcept { ::operator delete(storage); }

    // Fonts are measured on screenCanvas, which must outlive the document.
    explicit TSectionList(Canvas& screenCanvas, QObject* owner = nullptr, QObject* paintPanel = nullptr);
    ~TSectionList() override;

    static constexpr int kMaxFontNameLength = 32;

    Canvas* ScreenCanvas;
    DisplayCapabilities Display;
    bool ShowImages = true;
    bool Printing = false;
    bool PrintClipping = false;
    // With PrintClipping: lines that end at or above this Y were printed whole
    // on the page before. A page may start above the one before ended, to take
    // up lines that page left for it beside lines it printed (in table cells
    // side by side); those are not printed twice.
    int PrintedTo = std::numeric_limits<int>::min();
    int SelectionStart = 0;
    int SelectionEnd = 0;
    QString FontName = QStringLiteral("Times New Roman");
    QString PreFontName = QStringLiteral("Courier New");
    QColor FontColor = Qt::black;
    QColor HotSpotColor = QColor(0, 0, 255);
    QObject* OwnerControl = nullptr;
    QObject* PaintPanel = nullptr;
    // Asked for an image before it is looked for on disk; leaves bitmap empty to decline.
    std::function<void(QObject* sender, const QString& name, std::optional<QImage>& bitmap)> OnBitmapRequest;
    QColor Background = QColor(0xC0, 0xC0, 0xC0);
    TStringBitmapList BitmapList;
    TTextStore TextStore; // the sections' text
    std::function<void(const QColor&)> OnBackgroundChange;
    std::optional<QImage> BackgroundBitmap;
    QString BackgroundBitmapName;
    TFreeList<ThtmlForm> FormList;
    // Makes the window controls of the forms' controls; none: they are kept in memory.
    FormControlFactory* ControlFactory = nullptr;
    // In a print copy, what stands for the original's controls (no windows).
    TFreeList<TFormControlObj> ControlCopies;
    std::function<void(const QString& action, const QStringList& results, const QString& method)> SubmitHandler;
    // The control's conversion of an image name to a file name (relative names
    // get the document's directory); the plain URL rule when the control sets none.
    std::function<QString(const QString&)> ExpandImageName;

    // Counts the layouts, so that what a layout stores for its own later use
    // (a table's column widths, a cell laid out once) is not taken for the next's.
    int LayoutPass = 0;
    // The first table error the last layout met ("Table has too many
    // Columns"); the rest of the page is laid out all the same.
    std::optional<QString> LayoutError;

    // Lets every form size its controls, then lays the sections out.
    int DoLogic(Canvas& canvas, int Y, int Width, int& ScrollWidth, int& CharPos) override;
    // Lets go of every section at once, with the pool that holds them: no
    // section is visited, and nothing may point into them after.
    void Clear();
    void SetDefaults(const QString& fontName, const QString& preFontName, const QColor& background,
                     const QColor& hotSpotColor, const QColor& fontColor, int fontSize);
    void SetBackground(const QColor& colour);
    void SetBackgroundBitmap(const QString& name);
    const QImage* GetBackgroundBitmap();
    std::optional<QImage> LookUpImage(const QString& name);
    int GetSectionTop(int index) const;
    // A copy for printing: sections, settings from ShowImages to Background; no background bitmap, no forms.
    // Its controls are empty frames of the originals' sizes and never reach their windows.
    std::unique_ptr<TSectionList> Clone() const;
};

} // namespace zorvel
