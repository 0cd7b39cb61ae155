#include "live_preview.h"

#include "editfrmu.h"
#include "load/link_names.h"
#include "model/attributes.h"
#include "parse/decode.h"
#include "trecode.h"

#include <QScopedValueRollback>
#include <QScrollBar>

#include <limits>

namespace zorvel {

int livePreviewDelay(qint64 lastLoadMs) {
    if (lastLoadMs <= kLivePreviewSlowLoadMs)
        return kLivePreviewDelayMs;
    // A slow page waits the usual pause plus a few times its own cost: the longer
    // a load holds the editor up, the surer the typing must have stopped. No upper
    // bound, or a very large page would stall the editor at every short pause.
    return int(std::min<qint64>(kLivePreviewDelayMs + 4 * lastLoadMs, std::numeric_limits<int>::max()));
}

TLivePreviewViewer::TLivePreviewViewer(QWidget* parent) : THTMLViewer(parent) {
    setObjectName(QStringLiteral("LivePreview"));
    // Clicking into the pane to scroll it is fine; tabbing into it from the text is not.
    setFocusPolicy(Qt::ClickFocus);
    // The pane shows what is being written: a link is shown, not followed.
    OnHotSpotClick = [](const QString&) { return true; };
}

QString TLivePreviewViewer::ExpandLinkFileName(const QString& link) const {
    // An untitled page has no folder: only absolute names can be found.
    if (documentFile_.isEmpty() && !isAbsoluteFileName(urlToFileName(link, kHostPlatform), kHostPlatform) &&
        Base().isEmpty())
        return QString();
    return expandLinkFileName(link, Base(), documentFile_, kHostPlatform);
}

LivePreview::LivePreview(QWidget* paneParent) : pane_(new TLivePreviewViewer(paneParent)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kLivePreviewDelayMs);
    connect(&timer_, &QTimer::timeout, this, &LivePreview::tick);
}

void LivePreview::follow(TEditForm* form) {
    if (form && form == form_) {
        // Saved under a new name meanwhile: its pictures are now found beside that file.
        if (form->FileName.trimmed() != pane_->documentFile())
            stale_ = true;
        if (stale_)
            refresh();
        return;
    }
    if (!form && !form_ && pane_->Document().Count() == 0)
        return;
    disconnect(textConnection_);
    disconnect(closeConnection_);
    form_ = form;
    if (form) {
        textConnection_ = connect(form->MemoPad, &QPlainTextEdit::textChanged, this, &LivePreview::changed);
        // A closed page leaves the pane empty until another one comes to the front.
        closeConnection_ = connect(form, &QObject::destroyed, this, [this] { follow(nullptr); });
    }
    timer_.stop();
    stale_ = true;
    // Another page: its own top, not the scroll position of the one before.
    pane_->Clear();
    refresh();
}

void LivePreview::setActive(bool on) {
    active_ = on;
    if (on && stale_)
        refresh();
    else if (!on)
        timer_.stop();
}

void LivePreview::changed() {
    stale_ = true;
    if (active_)
        timer_.start(livePreviewDelay(lastLoadMs_)); // each change starts the wait again
}

void LivePreview::tick() {
    timer_.stop();
    if (stale_)
        refresh();
}

void LivePreview::refresh() {
    if (!active_)
        return;
    if (refreshing_) {
        // Pictures being decoded let the event loop run: this change is shown next time.
        timer_.start(livePreviewDelay(lastLoadMs_));
        return;
    }
    const QScopedValueRollback busy(refreshing_, true);
    stale_ = false;
    if (!form_) {
        pane_->Clear();
        pane_->setDocumentFile(QString());
        return;
    }
    pane_->setDocumentFile(form_->FileName.trimmed());
    const int y = pane_->verticalScrollBar()->value();
    QElapsedTimer clock;
    clock.start();
    try {
        // An 8-bit page reads as the preview reads it from its file: its
        // quotes, dashes and euro signs are not Latin-1's invisible codes.
        pane_->LoadFromBuffer(viewerText({form_->MemoPad->Text(), form_->MemoPad->fileFormat()}));
    } catch (const std::exception&) {
        // Half-written markup: what could be read is shown, and the next change tries again.
    }
    lastLoadMs_ = clock.elapsed();
    pane_->verticalScrollBar()->setValue(y);
}

} // namespace zorvel
