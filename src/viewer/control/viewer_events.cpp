// The viewer control: painting the visible band, the mouse and the keys.
#include "control/html_viewer.h"

#include "paint/screen.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace zorvel {

QPoint THTMLViewer::documentPoint(const QPoint& viewportPoint) const {
    return {viewportPoint.x() - kLeftMargin + horizontalScrollBar()->value(),
            viewportPoint.y() + verticalScrollBar()->value()};
}

void THTMLViewer::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    if (layingOut_) {
        painter.fillRect(area, document_.Background);
        return;
    }
    // The band of the surface that the window shows here, from the scroll positions.
    followScroll();
    painter.translate(area.topLeft());
    paintDocumentBand(painter, document_, area.translated(horizontalScrollBar()->value(), verticalScrollBar()->value()),
                      surfaceWidth());
}

void THTMLViewer::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    // Lines depend on the width alone: a change of height only changes the ranges.
    if (width() != lastWidth_ && document_.Count() > 0)
        relayout();
    else
        updateScrollRanges();
}

void THTMLViewer::scrollContentsBy(int, int) {
    followScroll();
    viewport()->update();
}

void THTMLViewer::followScroll() {
    // Form controls are widgets on the viewport: they move with the page.
    formFactory_.setOrigin(QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()));
}

int THTMLViewer::findCursor(const QPoint& at) {
    int x = 0, y = 0, caretHeight = 0;
    return document_.FindCursor(measureCanvas_, at.x(), at.y(), x, y, caretHeight);
}

void THTMLViewer::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (layingOut_ || loading_)
        return;
    caret_ = findCursor(documentPoint(event->position().toPoint()));
    if (document_.SelectionStart != document_.SelectionEnd) {
        document_.SelectionStart = document_.SelectionEnd = 0;
        viewport()->update();
    }
}

void THTMLViewer::mouseMoveEvent(QMouseEvent* event) {
    if (layingOut_ || loading_)
        return;
    const QPoint at = documentPoint(event->position().toPoint());
    QString url;
    if (!document_.GetURL(measureCanvas_, at.x(), at.y(), url))
        url.clear();
    if (url.isEmpty())
        viewport()->setCursor(cursor());
    else
        viewport()->setCursor(linkCursor());
    if (url != coveredLink_) {
        coveredLink_ = url;
        if (OnHotSpotCovered)
            OnHotSpotCovered(url);
    }
}

void THTMLViewer::mouseReleaseEvent(QMouseEvent* event) {
    if (layingOut_ || loading_ || event->button() != Qt::LeftButton)
        return;
    const QPoint at = documentPoint(event->position().toPoint());
    QString url;
    if (document_.GetURL(measureCanvas_, at.x(), at.y(), url) && !url.isEmpty()) {
        coveredLink_ = url;
        FollowLink(url);
    }
}

void THTMLViewer::leaveEvent(QEvent* event) {
    QAbstractScrollArea::leaveEvent(event);
    uncoverLink();
}

void THTMLViewer::uncoverLink() {
    // Whoever shows the covered link should not keep showing one that is gone.
    if (!coveredLink_.isEmpty()) {
        coveredLink_.clear();
        if (OnHotSpotCovered)
            OnHotSpotCovered(QString());
    }
}

void THTMLViewer::keyPressEvent(QKeyEvent* event) {
    QScrollBar* v = verticalScrollBar();
    QScrollBar* h = horizontalScrollBar();
    const int client = viewport()->height();
    // Back and forward as browsers have them.
    const bool alt = event->modifiers() == Qt::AltModifier;
    if ((alt && event->key() == Qt::Key_Left) || (event->key() == Qt::Key_Backspace && !event->modifiers())) {
        GoBack();
        event->accept();
        return;
    }
    if (alt && event->key() == Qt::Key_Right) {
        GoForward();
        event->accept();
        return;
    }
    // The scroll bars clamp to 0 and their range.
    switch (event->key()) {
    case Qt::Key_PageUp:
        v->setValue(v->value() - client);
        break;
    case Qt::Key_PageDown:
        v->setValue(v->value() + client);
        break;
    case Qt::Key_Home:
        v->setValue(0);
        break;
    case Qt::Key_End:
        v->setValue(v->maximum());
        break;
    case Qt::Key_Up:
        v->setValue(v->value() - kVerticalStep);
        break;
    case Qt::Key_Down:
        v->setValue(v->value() + kVerticalStep);
        break;
    case Qt::Key_Left:
        h->setValue(h->value() - h->singleStep());
        break;
    case Qt::Key_Right:
        h->setValue(h->value() + h->singleStep());
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace zorvel
