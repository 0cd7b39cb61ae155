#pragma once
// The whole document: the master list of sections with its defaults, the
// image cache, the forms and the background.
#include "model/document_host.h"
#include "model/page_look.h"
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

    // Fonts are measured on screenCanvas, which must outlive the document. It
    // starts with the default look (PageLook) and no host.
    explicit TSectionList(Canvas& screenCanvas);
    ~TSectionList() override;

    static constexpr int kMaxFontNameLength = 32;

    Canvas* ScreenCanvas;
    // What the document asks of the program showing it; none: see DocumentHost.
    DocumentHost* Host = nullptr;
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
    // The defaults, from a PageLook (SetDefaults).
    QString FontName;
    QString PreFontName;
    QColor FontColor;
    QColor HotSpotColor;
    QColor Background;
    TStringBitmapList BitmapList;
    TTextStore TextStore; // the sections' text
    std::optional<QImage> BackgroundBitmap;
    QString BackgroundBitmapName;
    TFreeList<ThtmlForm> FormList;
    // In a print copy, what stands for the original's controls (no windows).
    TFreeList<TFormControlObj> ControlCopies;

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
    // Takes the look's fonts (names cut to kMaxFontNameLength), colours and
    // pictures, and gives every run its font and colour again.
    void SetDefaults(const PageLook& look);
    void SetBackground(const QColor& colour);
    void SetBackgroundBitmap(const QString& name);
    const QImage* GetBackgroundBitmap();
    std::optional<QImage> LookUpImage(const QString& name);
    int GetSectionTop(int index) const;
    // A copy for printing: sections, settings from ShowImages to Background; no background bitmap, no forms.
    // Its controls are empty frames of the originals' sizes and never reach their windows; its
    // pictures are found as the original finds them.
    std::unique_ptr<TSectionList> Clone() const;

private:
    class PrintCopyHost;
    std::unique_ptr<DocumentHost> ownHost_; // a print copy's
};

} // namespace zorvel
