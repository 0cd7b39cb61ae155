// Syntax colours in the editors, and the live preview: a viewer beside the
// documents showing the active one's text as it is written. Both are switched
// under Options and remembered in the settings file.
#include "mainu1.h"
#include "settings_keys.h"

#include "live_preview.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>

namespace zorvel {

namespace {

const QString kSyntaxColoursKey = QStringLiteral("Syntax_Colours");
const QString kLivePreviewKey = QStringLiteral("Live_Preview");
const QString kLivePreviewWidthKey = QStringLiteral("Live_Preview_Width");
constexpr int kDefaultLiveWidth = 400;

} // namespace

// The pane's width: given once the splitter knows its own (before the window
// is laid out, any width would be squeezed into the splitter's first guess),
// and stored once a drag has settled.
class LivePaneWidth : public QObject {
public:
    LivePaneWidth(QSplitter* splitter, std::function<void(int)> store)
        : QObject(splitter), splitter_(splitter), store_(std::move(store)) {
        splitter->installEventFilter(this);
        settle_.setSingleShot(true);
        settle_.setInterval(500);
        connect(splitter, &QSplitter::splitterMoved, &settle_, qOverload<>(&QTimer::start));
        connect(&settle_, &QTimer::timeout, this, [this] { storeNow(); });
    }
    void storeNow() {
        if (!splitter_->widget(1)->isHidden())
            store_(splitter_->widget(1)->width());
    }
    void set(int width) {
        width_ = width;
        apply();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize && width_ > 0)
            apply();
        return false;
    }

private:
    void apply() {
        const int total = splitter_->width() - splitter_->handleWidth();
        if (!splitter_->widget(1)->isVisibleTo(splitter_) || total < 2 * kMinWidth)
            return; // not laid out yet
        const int width = std::clamp(width_, kMinWidth, total - kMinWidth);
        splitter_->setSizes({total - width, width});
        width_ = 0;
    }
    static constexpr int kMinWidth = 50;
    QSplitter* splitter_;
    std::function<void(int)> store_;
    QTimer settle_;
    int width_ = 0;
};

void TMainFrm::createLivePreview() {
    const IniProfile ini = settings();

    auto* editor = Options1->findChild<QMenu*>(QStringLiteral("Editor1"));
    SyntaxColours1 = editor->addAction(QStringLiteral("&Syntax Colours"));
    SyntaxColours1->setObjectName(QStringLiteral("SyntaxColours1"));
    SyntaxColours1->setCheckable(true);
    SyntaxColours1->setChecked(ini.readBool(kOptions, kSyntaxColoursKey, true));
    connect(SyntaxColours1, &QAction::triggered, this, &TMainFrm::SyntaxColours1Click);

    auto* previewer = Options1->findChild<QMenu*>(QStringLiteral("Previewer1"));
    LivePreview1 = previewer->addAction(QStringLiteral("&Live Preview"));
    LivePreview1->setObjectName(QStringLiteral("LivePreview1"));
    LivePreview1->setCheckable(true);
    LivePreview1->setChecked(ini.readBool(kOptions, kLivePreviewKey, false));
    connect(LivePreview1, &QAction::triggered, this, &TMainFrm::LivePreview1Click);

    // The documents (and the built-in preview that takes their place) on the left,
    // the live pane on the right.
    liveSplitter_ = new QSplitter(Qt::Horizontal, workStack_->parentWidget());
    liveSplitter_->setObjectName(QStringLiteral("LivePreviewSplitter"));
    liveSplitter_->setChildrenCollapsible(false);
    livePaneWidth_ = new LivePaneWidth(liveSplitter_, [this](int width) {
        try {
            settings().writeInteger(kOptions, kLivePreviewWidthKey, width);
        } catch (const std::exception&) {
            // Only the width is lost; the next drag tries again.
        }
    });
    delete workLayout_->replaceWidget(workStack_, liveSplitter_); // the old item is ours to free
    liveSplitter_->addWidget(workStack_);
    livePreview_ = std::make_unique<LivePreview>(liveSplitter_);
    THTMLViewer* pane = livePreview_->pane();
    liveSplitter_->addWidget(pane);
    liveSplitter_->setStretchFactor(0, 1);
    liveSplitter_->setStretchFactor(1, 0);
    pane->setBorderStyle(QFrame::Box);
    pane->OnHotSpotCovered = [this](const QString& url) { URL_Panel->setText(url); };
    pane->hide();

    // The pane follows the document at the front, and steps aside for the built-in preview.
    // Tied to the pane's keeper, these stop before the window's parts go at its end.
    LivePreview* keeper = livePreview_.get();
    connect(mdiArea, &QMdiArea::subWindowActivated, keeper, [this] { livePreview_->follow(ActiveDocument()); });
    connect(workStack_, &QStackedWidget::currentChanged, keeper, [this] { showLivePreview(); });
    // After the preview's own handlers: the pane takes the font and pictures they set.
    for (QAction* a : {Font2, ShowImages1})
        connect(a, &QAction::triggered, keeper, [this] { livePreview_->setLook(Preview->look()); });
    showLivePreview();
}

void TMainFrm::showLivePreview() {
    const bool on = LivePreview1->isChecked() && workStack_->currentWidget() != Preview;
    THTMLViewer* pane = livePreview_->pane();
    if (on && pane->isHidden()) {
        const int width = settings().readInteger(kOptions, kLivePreviewWidthKey, kDefaultLiveWidth);
        pane->show();
        livePaneWidth_->set(width > 0 ? width : kDefaultLiveWidth);
    } else if (!on && !pane->isHidden()) {
        pane->hide();
    }
    if (on) {
        livePreview_->setLook(Preview->look());
        livePreview_->follow(ActiveDocument());
        // The panel shows the link under the mouse in the pane.
        URL_Panel->show();
    } else if (!preview_.active) {
        URL_Panel->hide();
    }
    livePreview_->setActive(on);
}

void TMainFrm::LivePreview1Click() {
    const bool on = LivePreview1->isChecked();
    if (!on)
        livePaneWidth_->storeNow();
    storeOption(kLivePreviewKey, on);
    showLivePreview();
}

void TMainFrm::SyntaxColours1Click() {
    const bool on = SyntaxColours1->isChecked();
    storeOption(kSyntaxColoursKey, on);
    for (TEditForm* form : windowOrder())
        form->MemoPad->setSyntaxColours(on);
}

} // namespace zorvel
