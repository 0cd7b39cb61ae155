#pragma once
// The live preview: a viewer beside the documents that shows the active
// document's text as it is being written, unsaved changes included. It is
// loaded from the editor's text, never from the file, and only once the
// typing has paused, so that a keystroke never waits for a layout.
#include "control/html_viewer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace zorvel {

class TEditForm;

// How long after the last change the pane is loaded again, given how long the
// last load took: a page that is quick to show follows the typing closely; one
// whose parse and layout take longer waits longer, so that a pause in typing
// is not taken for its end and the editor is not held up again and again.
int livePreviewDelay(qint64 lastLoadMs);
inline constexpr int kLivePreviewDelayMs = 300;
inline constexpr int kLivePreviewSlowLoadMs = 50;

// The pane itself: links and pictures are found beside the document's file,
// and a click on a link shows it without following it.
class TLivePreviewViewer : public THTMLViewer {
public:
    explicit TLivePreviewViewer(QWidget* parent = nullptr);
    // The file the text belongs to; empty for an untitled page.
    void setDocumentFile(const QString& path) { documentFile_ = path; }
    const QString& documentFile() const { return documentFile_; }
    QString ExpandLinkFileName(const QString& link) const override;

private:
    QString documentFile_;
};

class LivePreview : public QObject {
public:
    explicit LivePreview(QWidget* paneParent);

    TLivePreviewViewer* pane() const { return pane_; }
    // The document shown: its text is loaded at once, later changes after the delay.
    // None empties the pane.
    void follow(TEditForm* form);
    TEditForm* followed() const { return form_; }
    // What the delay timer runs: loads the text again if it changed since the last load.
    void tick();
    bool pending() const { return timer_.isActive(); }
    int delayMs() const { return timer_.interval(); }
    qint64 lastLoadMs() const { return lastLoadMs_; }
    // While off, nothing is loaded; switched on, the followed document is loaded.
    void setActive(bool on);
    bool active() const { return active_; }
    // The pane looks as the built-in preview does.
    void setLook(const PageLook& look) { pane_->setLook(look); }

private:
    void changed();
    void refresh();

    TLivePreviewViewer* pane_;
    QPointer<TEditForm> form_;
    QMetaObject::Connection textConnection_, closeConnection_;
    QTimer timer_;
    qint64 lastLoadMs_ = 0;
    bool active_ = false;
    bool stale_ = false; // a change not yet shown
    bool refreshing_ = false;
};

} // namespace zorvel
