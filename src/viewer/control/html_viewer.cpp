// The viewer control: properties, loading and layout.
#include "control/html_viewer.h"

#include "busy_cursor.h"
#include "load/page_loader.h"
#include "paint/screen.h"
#include "prompter.h"
#include "text_file.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QStyle>

#include <utility>

namespace zorvel {

namespace {
constexpr const char* kTooLarge = "HTML file too large, display truncated";
} // namespace

// Set while a document is loaded or laid out again: images decoded meanwhile may
// let events through, and none of them may start a second load.
struct THTMLViewer::LoadingGuard {
    explicit LoadingGuard(THTMLViewer& v) : viewer(v) { viewer.loading_ = true; }
    ~LoadingGuard() { viewer.loading_ = false; }
    LoadingGuard(const LoadingGuard&) = delete;
    LoadingGuard& operator=(const LoadingGuard&) = delete;
    THTMLViewer& viewer;
};

// What the document asks of the control: its form controls on the viewport,
// pictures from the control's handler or named as its links are, submissions
// handed on as the control's event, a repaint for a new background.
class THTMLViewer::Host final : public DocumentHost {
public:
    explicit Host(THTMLViewer& viewer) : viewer_(viewer) {}
    FormControlFactory* ControlFactory() override { return &viewer_.formFactory_; }
    bool OnBitmapRequest(const QString& name, std::optional<QImage>& bitmap) override {
        if (!viewer_.onBitmapRequest_)
            return false;
        viewer_.onBitmapRequest_(&viewer_, name, bitmap);
        return true;
    }
    QString ExpandImageName(const QString& name) override { return viewer_.ExpandLinkFileName(name); }
    void OnFormSubmit(const QString& action, const QString& method, const QStringList& results) override {
        viewer_.submitForm(action, method, results);
    }
    void OnBackgroundChange(const QColor&) override { viewer_.viewport()->update(); }

private:
    THTMLViewer& viewer_;
};

THTMLViewer::THTMLViewer(QWidget* parent)
    : QAbstractScrollArea(parent), measureCanvas_(), formFactory_(viewport()), host_(std::make_unique<Host>(*this)),
      document_(measureCanvas_) {
    look_ = desktopLook();
    document_.Host = host_.get();
    // A viewer shows placeholders until its owner asks for pictures: loading
    // them is the owner's choice (the preview follows its menu item).
    look_.showImages = false;
    document_.Display = screenDisplayCapabilities();
    document_.BitmapList.SetMaxAge(imageCacheCount_);
    document_.SetDefaults(look_);

    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(kVerticalStep);
    // The view follows the thumb while it is dragged.
    verticalScrollBar()->setTracking(true);
    resize(150, 150);
}

THTMLViewer::~THTMLViewer() = default;

void THTMLViewer::rebuildFonts(bool relayoutToo) {
    document_.FontName = look_.fontName;
    document_.PreFontName = look_.preFontName;
    document_.FontSize = look_.fontSize;
    document_.UpdateFonts();
    if (relayoutToo && document_.Count() > 0)
        relayout();
    viewport()->update();
}

void THTMLViewer::setLook(const PageLook& look) {
    setDefFontColor(look.text);
    setDefHotSpotColor(look.link);
    setDefBackground(look.background);
    // The fonts change together, with one layout for all three.
    const bool fontsChanged = look.fontName.compare(look_.fontName, Qt::CaseInsensitive) != 0 ||
                              look.preFontName.compare(look_.preFontName, Qt::CaseInsensitive) != 0 ||
                              std::clamp(look.fontSize, kMinFontSize, kMaxFontSize) != look_.fontSize;
    look_.fontName = look.fontName;
    look_.preFontName = look.preFontName;
    look_.fontSize = std::clamp(look.fontSize, kMinFontSize, kMaxFontSize);
    if (fontsChanged)
        rebuildFonts(true);
    setViewImages(look.showImages);
}

void THTMLViewer::setDefFontName(const QString& name) {
    if (name.compare(look_.fontName, Qt::CaseInsensitive) == 0)
        return;
    look_.fontName = name;
    rebuildFonts(true);
}

void THTMLViewer::setDefPreFontName(const QString& name) {
    if (name.compare(look_.preFontName, Qt::CaseInsensitive) == 0)
        return;
    look_.preFontName = name;
    rebuildFonts(true);
}

void THTMLViewer::setDefFontSize(int size) {
    look_.fontSize = std::clamp(size, kMinFontSize, kMaxFontSize);
    rebuildFonts(true);
}

void THTMLViewer::setDefFontColor(const QColor& colour) {
    look_.text = colour;
    document_.FontColor = colour;
    rebuildFonts(false);
}

void THTMLViewer::setDefHotSpotColor(const QColor& colour) {
    look_.link = colour;
    document_.HotSpotColor = colour;
    rebuildFonts(false);
}

void THTMLViewer::setDefBackground(const QColor& colour) {
    if (loading_)
        return;
    look_.background = colour;
    document_.SetBackground(colour);
    viewport()->update();
}

void THTMLViewer::setViewImages(bool on) {
    if (on == look_.showImages || loading_)
        return;
    BusyCursor busy;
    look_.showImages = on;
    document_.ShowImages = on;
    if (document_.Count() > 0)
        relayout();
    viewport()->update();
    document_.GetBackgroundBitmap();
}

void THTMLViewer::setHistoryMaxCount(int count) {
    historyMaxCount_ = count;
    if (history_.Trim(count) && OnHistoryChange)
        OnHistoryChange();
}

void THTMLViewer::setImageCacheCount(int count) {
    count = std::clamp(count, 0, kMaxImageCacheCount);
    if (count == imageCacheCount_)
        return;
    imageCacheCount_ = count;
    document_.BitmapList.SetMaxAge(count);
}

void THTMLViewer::setBorderStyle(QFrame::Shape shape) {
    setFrameShape(shape);
    viewport()->update();
}

void THTMLViewer::clearForLoad() {
    document_.Clear();
    document_.BitmapList.Age();
    document_.SetDefaults(look_);
    nameList_.Clear();
    caret_ = -1;
}

void THTMLViewer::LoadFromFile(const QString& name) {
    if (loading_ || name.isEmpty())
        return;
    // "#" may be part of a file name here; it starts the anchor only when the
    // whole name is no file.
    if (name.contains(u'#') && !QFileInfo(name).isFile()) {
        const LinkParts parts = splitAnchor(name);
        loadFile(parts.file, parts.anchor);
    } else {
        loadFile(name, {});
    }
}

void THTMLViewer::loadFile(const QString& fileName, const QString& anchor, Record record) {
    if (loading_ || fileName.isEmpty())
        return;
    const THistoryItem left{currentFile_, ScrollPosition()};
    BusyCursor busy;
    std::optional<EParseError> parseError;
    {
        LoadingGuard guard(*this);
        // Everything that can refuse the file comes before the page shown is cleared.
        const QString text = readPageFile(fileName);

        clearForLoad();
        TParseStrings strings;
        try {
            HtmlParseBuffer(document_, nameList_, text, strings);
        } catch (const EParseError& e) {
            parseError = e; // the part parsed is shown all the same
        }
        currentFile_ = QFileInfo(fileName).absoluteFilePath();
        layOutLoaded(strings);
        if (!anchor.isEmpty())
            GoToAnchor(anchor);
        viewport()->update();
    }
    reportLayoutError();
    if (parseError)
        throw *parseError;
    if (record == Record::Yes && currentFile_ != left.FileName)
        addToHistory(left);
}

void THTMLViewer::LoadFromBuffer(QStringView text) {
    if (loading_)
        return;
    std::optional<EParseError> parseError;
    {
        LoadingGuard guard(*this);
        clearForLoad();
        TParseStrings strings;
        try {
            HtmlParseBuffer(document_, nameList_, text, strings);
        } catch (const EParseError& e) {
            parseError = e;
        }
        layOutLoaded(strings);
        viewport()->update();
        history_.Clear();
        if (OnHistoryChange)
            OnHistoryChange();
        currentFile_.clear();
    }
    reportLayoutError();
    if (parseError)
        throw *parseError;
}

void THTMLViewer::layOutLoaded(const TParseStrings& strings) {
    strings_ = strings;
    uncoverLink(); // the mouse is over another page now
    Layout();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    document_.GetBackgroundBitmap();
}

void THTMLViewer::Clear() {
    if (loading_)
        return;
    document_.Clear();
    document_.SetDefaults(look_);
    nameList_.Clear();
    strings_ = TParseStrings{};
    surface_ = DocumentSurface{};
    updateScrollRanges();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    caret_ = -1;
    uncoverLink();
    viewport()->update();
}

int THTMLViewer::LayoutWidth() const {
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return std::max(0, layoutWidthForControl(width(), scrollBar));
}

int THTMLViewer::surfaceWidth() const {
    return surface_.size(viewport()->size()).width();
}

int THTMLViewer::Layout() {
    struct Processing {
        explicit Processing(THTMLViewer& v) : viewer(v) {
            if (viewer.OnProcessing)
                viewer.OnProcessing(true);
            viewer.layingOut_ = true;
        }
        ~Processing() {
            viewer.layingOut_ = false;
            if (viewer.OnProcessing)
                viewer.OnProcessing(false);
        }
        THTMLViewer& viewer;
    } processing(*this);

    surface_ = layoutDocument(document_, measureCanvas_, LayoutWidth());
    // A table's grid is built once per load, so its error comes from one layout only.
    if (document_.LayoutError)
        layoutError_ = *document_.LayoutError;
    if (surface_.height > maxDocumentHeight_) {
        report(QLatin1String(kTooLarge), false);
        surface_.height = maxDocumentHeight_;
    }
    lastWidth_ = width();
    updateScrollRanges();
    return surface_.height;
}

void THTMLViewer::relayout() {
    if (loading_)
        return;
    {
        LoadingGuard guard(*this);
        const TScrollPosition position = ScrollPosition();
        Layout();
        setScrollPosition(position);
    }
    reportLayoutError();
}

void THTMLViewer::reportLayoutError() {
    if (!layoutError_.isEmpty())
        report(std::exchange(layoutError_, QString()), true);
}

void THTMLViewer::updateScrollRanges() {
    const QSize client = viewport()->size();
    QScrollBar* v = verticalScrollBar();
    v->setPageStep(std::max(1, client.height()));
    v->setRange(0, std::max(0, surface_.height - client.height()));
    QScrollBar* h = horizontalScrollBar();
    h->setPageStep(std::max(1, client.width()));
    h->setRange(0, std::max(0, surfaceWidth() - client.width()));
}

TScrollPosition THTMLViewer::ScrollPosition() const {
    int top = 0;
    int index = 0;
    const int y = verticalScrollBar()->value();
    if (!document_.FindSectionAtPosition(y, top, index))
        return {};
    return {index, y - top};
}

void THTMLViewer::setScrollPosition(const TScrollPosition& position) {
    if (position.Section < 0 || position.Section >= document_.Count())
        return;
    const qint64 y = qint64(document_.GetSectionTop(position.Section)) + position.Offset;
    verticalScrollBar()->setValue(int(std::min<qint64>(y, maxDocumentHeight_)));
}

void THTMLViewer::report(const QString& text, bool error) {
    if (prompter_)
        prompter_->notice(text, error ? MessageIcon::Error : MessageIcon::Warning);
    else
        qWarning("%s", qPrintable(text));
}

void THTMLViewer::submitForm(const QString& action, const QString& method, const QStringList& results) {
    if (!OnFormSubmit)
        return;
    // The event comes once the document has finished its own handling of the click.
    QMetaObject::invokeMethod(
        this,
        [this, action, method, results] {
            if (OnFormSubmit)
                OnFormSubmit(action, method, results);
        },
        Qt::QueuedConnection);
}

} // namespace zorvel
