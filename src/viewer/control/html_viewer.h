#pragma once
// The HTML viewer control: loads a page from a file or a text, lays it out to
// its width and shows it, scrolls it, and follows links to other local pages
// and to anchors. The page is a virtual surface: only the visible band is
// painted, so a page may be as tall as a 32-bit scroll range allows.
#include "control/form_widgets.h"
#include "control/links_and_history.h"
#include "load/link_names.h"
#include "model/limits.h"
#include "paint/document_surface.h"
#include "paint/qt_canvas.h"
#include "parse/html_parse.h"
#include "print_progress.h"

#include <QAbstractScrollArea>
#include <functional>
#include <limits>

class QPrinter;

namespace zorvel {

class Prompter;

class THTMLViewer : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kLeftMargin = kDocumentMargin;
    static constexpr int kVerticalStep = 18;
    // The default font's size in points; a larger one, taken from a settings
    // file, would make every glyph a picture of megabytes.
    static constexpr int kMinFontSize = 6;
    static constexpr int kMaxFontSize = 144;
    static constexpr int kMaxImageCacheCount = 20;

    explicit THTMLViewer(QWidget* parent = nullptr);
    ~THTMLViewer() override;

    // Properties.
    // The defaults the page is shown with, all together; each setter below changes one.
    const PageLook& look() const { return look_; }
    void setLook(const PageLook& look);
    const QString& DefFontName() const { return look_.fontName; }
    void setDefFontName(const QString& name);
    const QString& DefPreFontName() const { return look_.preFontName; }
    void setDefPreFontName(const QString& name);
    int DefFontSize() const { return look_.fontSize; }
    void setDefFontSize(int size);
    const QColor& DefFontColor() const { return look_.text; }
    void setDefFontColor(const QColor& colour);
    const QColor& DefHotSpotColor() const { return look_.link; }
    void setDefHotSpotColor(const QColor& colour);
    const QColor& DefBackground() const { return look_.background; }
    void setDefBackground(const QColor& colour);
    bool ViewImages() const { return look_.showImages; }
    void setViewImages(bool on);
    int HistoryMaxCount() const { return historyMaxCount_; }
    void setHistoryMaxCount(int count);
    int ImageCacheCount() const { return imageCacheCount_; }
    void setImageCacheCount(int count);
    // Single or none: the frame around the control.
    void setBorderStyle(QFrame::Shape shape);

    // Events. Each may be left empty.
    std::function<void(const QString& url)> OnHotSpotCovered; // empty url: the mouse left a link
    std::function<bool(const QString& url)> OnHotSpotClick;   // true: handled, the control does nothing more
    std::function<void(const QString& action, const QString& method, const QStringList& results)> OnFormSubmit;
    std::function<void()> OnHistoryChange;
    std::function<void(bool processing)> OnProcessing; // true before and false after each layout
    // Asked for each picture before it is looked for on disk (sender: the control); a
    // bitmap left empty means there is none.
    using BitmapRequest = std::function<void(QObject* sender, const QString& name, std::optional<QImage>& bitmap)>;
    void setOnBitmapRequest(BitmapRequest handler) { onBitmapRequest_ = std::move(handler); }
    // Where the control's own notices go (the too-tall warning, a link that fails to
    // load, a table with too many columns); without a prompter they are only logged.
    void setPrompter(Prompter* prompter) { prompter_ = prompter; }

    // Loading. Both throw: EHtmlFileError when the file cannot be read (the
    // page shown stays), EParseError after showing the part parsed.
    void LoadFromFile(const QString& name);
    void LoadFromBuffer(QStringView text);
    virtual void Clear();

    const QString& Title() const { return strings_.Title; }
    const QString& Base() const { return strings_.Base; }
    const QString& CurrentFile() const { return currentFile_; }
    bool GoToAnchor(const QString& name);
    virtual QString ExpandLinkFileName(const QString& link) const;
    // Lays the document out to the control's width; returns its height.
    int Layout();
    // Prints pages FirstPage to LastPage of the page shown, laid out to the
    // paper's width; nothing while a page is loading. progress hears of each
    // page and may stop the job. Throws PrintError (EPageRangeError when the
    // first page is past the end, PrintCancelled when stopped).
    void Print(int FirstPage, int LastPage, QPrinter& printer, const PrintProgress& progress = {});

    // Position and state, for the program and its tests.
    TScrollPosition ScrollPosition() const;
    void setScrollPosition(const TScrollPosition& position);
    int DocumentHeight() const { return surface_.height; }
    int LayoutWidth() const;
    int Caret() const { return caret_; }
    const QString& CoveredLink() const { return coveredLink_; }
    const TViewerHistory& History() const { return history_; }
    TSectionList& Document() { return document_; }
    const TNameList& NameList() const { return nameList_; }
    // Follows a link as a click on it does (also called by the mouse).
    virtual void FollowLink(const QString& link);
    // Back and forward through the places visited (Alt+Left, Backspace,
    // Alt+Right); each shows the page at the place it was left.
    void GoBack() { goToHistory(history_.Index() + 1); }
    void GoForward() { goToHistory(history_.Index() - 1); }
    void ClearHistory();

protected:
    // Fires OnHotSpotClick; true when it handled the click.
    virtual bool HotSpotClick(const QString& url);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

    // The tallest page that can be scrolled through (see model/limits.h).
    int maxDocumentHeight_ = kMaxDocumentHeight;

private:
    struct LoadingGuard;
    // A page newly shown goes into the history unless it is reached through it.
    enum class Record { Yes, No };
    void loadFile(const QString& fileName, const QString& anchor, Record record = Record::Yes);
    void goToHistory(int index);
    void clearForLoad();
    int findCursor(const QPoint& documentPoint);
    int surfaceWidth() const;
    void layOutLoaded(const TParseStrings& strings);
    void relayout();
    void rebuildFonts(bool relayoutToo);
    void updateScrollRanges();
    void addToHistory(const THistoryItem& left);
    void uncoverLink();
    void report(const QString& text, bool error);
    // Shows the table error the last layout met, once, after the load or
    // relayout is over (the page is shown meanwhile, without that table).
    void reportLayoutError();
    QPoint documentPoint(const QPoint& viewportPoint) const;
    void submitForm(const QString& action, const QString& method, const QStringList& results);
    void followScroll();

    QtCanvas measureCanvas_;
    QtFormControlFactory formFactory_; // the page's form controls, on the viewport
    class Host;
    std::unique_ptr<Host> host_; // the document's
    BitmapRequest onBitmapRequest_;
    TSectionList document_;
    TNameList nameList_;
    TParseStrings strings_;
    QString currentFile_;
    QString coveredLink_;
    TViewerHistory history_;
    Prompter* prompter_ = nullptr;

    PageLook look_;
    int historyMaxCount_ = 0;
    int imageCacheCount_ = 5;

    int caret_ = -1;
    bool loading_ = false;
    bool layingOut_ = false;
    int lastWidth_ = -1;
    QString layoutError_;
    DocumentSurface surface_;
};

} // namespace zorvel
