#pragma once
// The viewer's printing on Qt's printer (a CUPS printer or a PDF file).
#include "paint/qt_canvas.h"
#include "print/printing.h"
#include "printer_job.h"

class QPrinter;

namespace zorvel {

// The resolution the screen's fonts are measured at: a screen pixel is this
// part of an inch on paper.
int screenFontDpi();

// Draws on a printer's painter in screen pixels: measures as the screen
// does, so that text fills the room layout gave it, and sizes fonts so that
// the painter's scaling from screen to printer pixels brings them back to
// their size in points.
class PrinterCanvas : public Canvas {
public:
    explicit PrinterCanvas(QPainter& painter) : painter_(painter), shapes_(&painter) {}

    // Point sizes are resolved at the printer's resolution and then scaled
    // by the mapping: each is multiplied by this.
    void setFontScale(qreal scale) { fontScale_ = scale; }

    FontMetricsInfo fontMetrics(const FontDescription& font) override { return screen_.fontMetrics(font); }
    QSize textExtent(const FontDescription& font, QStringView text) override { return screen_.textExtent(font, text); }
    SystemColors systemColors() const override { return screen_.systemColors(); }
    int textWidth(FontId font, QStringView text) override { return screen_.textWidth(font, text); }
    int fitCount(FontId font, QStringView text, int room, int& width) override {
        return screen_.fitCount(font, text, room, width);
    }
    Words measureWords(FontId font, QStringView text) override { return screen_.measureWords(font, text); }

    void drawText(int x, int y, const FontDescription& font, QStringView text, const QColor* background) override;
    void drawText(int x, int y, FontId font, const QColor& color, QStringView text, const QColor* background) override;
    void drawLine(int x1, int y1, int x2, int y2, const QColor& color) override {
        shapes_.drawLine(x1, y1, x2, y2, color);
    }
    void drawRect(const QRect& rect, const QColor& color) override { shapes_.drawRect(rect, color); }
    void fillRect(const QRect& rect, const QColor& color) override { shapes_.fillRect(rect, color); }
    void drawEllipse(const QRect& rect, const QColor& color, bool filled) override {
        shapes_.drawEllipse(rect, color, filled);
    }
    void drawImage(int x, int y, const QImage& image) override { shapes_.drawImage(x, y, image); }
    void setClipRect(const QRect& rect) override { shapes_.setClipRect(rect); }
    void clearClip() override { shapes_.clearClip(); }

private:
    QPainter& painter_;
    QtCanvas screen_; // measures only
    QtCanvas shapes_; // lines, boxes, pictures and clipping on the painter
    qreal fontScale_ = 1;
};

class QPrinterDevice : public PrintDevice {
public:
    explicit QPrinterDevice(QPrinter& printer) : printer_(printer), job_(printer) {}

    bool openInformation() override;
    QSize pageSize() const override;
    QSize resolution() const override;
    bool beginJob(const QString& title) override;
    bool newPage() override { return job_.newPage(); }
    bool endJob() override;
    void abortJob() override;
    QString failureReason() const override { return refusal_.isEmpty() ? job_.failure() : refusal_; }
    void setMapping(int screenDpi, QPoint windowOrigin, const QRect& clip) override;
    Canvas& canvas() override { return *canvas_; }

private:
    QPrinter& printer_;
    PrinterJob job_;
    QString refusal_;
    std::unique_ptr<PrinterCanvas> canvas_;
};

} // namespace zorvel
