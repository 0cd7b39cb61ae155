// Qt's printer as the viewer prints on it: the device, its page mapping, and the printer canvas.
#include "print/qt_printer.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>

namespace zorvel {

int screenFontDpi() {
    // Fonts without a paint device of their own are sized for the primary screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return std::max(1, qRound(screen->logicalDotsPerInchY()));
    return 96;
}

void PrinterCanvas::drawText(int x, int y, const FontDescription& font, QStringView text, const QColor* background) {
    drawText(x, y, FontTable::intern(font), font.color, text, background);
}

void PrinterCanvas::drawText(int x, int y, FontId id, const QColor& color, QStringView text, const QColor* background) {
    if (text.isEmpty())
        return;
    const FontMetricsInfo m = screen_.fontMetrics(FontTable::describe(id));
    if (background)
        painter_.fillRect(QRect(x, y, screen_.textWidth(id, text), m.height), *background);
    QFont printed = screen_.qFont(id);
    printed.setPointSizeF(printed.pointSizeF() * fontScale_);
    painter_.setFont(printed);
    painter_.setPen(color);
    painter_.drawText(QPointF(x, y + m.ascent), text.toString());
}

bool QPrinterDevice::openInformation() {
    refusal_ = PrinterJob::refusal(printer_);
    return refusal_.isEmpty();
}

QSize QPrinterDevice::pageSize() const {
    return QSize(printer_.width(), printer_.height());
}

QSize QPrinterDevice::resolution() const {
    return QSize(printer_.logicalDpiX(), printer_.logicalDpiY());
}

bool QPrinterDevice::beginJob(const QString& title) {
    refusal_.clear();
    if (!job_.begin(title))
        return false;
    canvas_ = std::make_unique<PrinterCanvas>(job_.painter());
    return true;
}

bool QPrinterDevice::endJob() {
    canvas_.reset();
    return job_.end();
}

void QPrinterDevice::abortJob() {
    canvas_.reset();
    job_.abort();
}

void QPrinterDevice::setMapping(int screenDpi, QPoint windowOrigin, const QRect& clip) {
    QPainter& painter = job_.painter();
    painter.resetTransform();
    painter.scale(qreal(printer_.logicalDpiX()) / screenDpi, qreal(printer_.logicalDpiY()) / screenDpi);
    painter.translate(-windowOrigin);
    painter.setClipRect(clip);
    canvas_->setFontScale(qreal(screenDpi) / printer_.logicalDpiY());
}

} // namespace zorvel
