// `zorvel --render`: a page laid out, painted and written to a PNG file without a window.
#include "headless/render.h"

#include "atomic_write.h"
#include "control/form_widgets.h"
#include "headless/png_stream.h"
#include "model/limits.h"
#include "paint/document_surface.h"
#include "paint/qt_canvas.h"
#include "parse/html_parse.h"

#include <QPainter>
#include <QWidget>

namespace zorvel {

namespace {

constexpr const char* kTooLarge = "HTML file too large, display truncated";

// A page read and laid out as the control shows it, painted a band at a time.
class PageRendering {
public:
    PageRendering(const QString& pagePath, const RenderOptions& options) : controls_(&controlHost_) {
        // Form controls are real widgets, as in the control, on a surface that
        // is never shown; they are painted over the page where its drawing put them.
        try {
            page_ = loadPage(pagePath, options.look, screen_, &controls_);
        } catch (const EHtmlFileError& e) {
            error = e.text();
            return;
        }
        error = page_->parseError; // what was parsed is still shown
        TSectionList& list = page_->document;
        const int viewWidth = options.controlWidth - options.scrollBarWidth;
        const DocumentSurface surface =
            layoutDocument(list, screen_, layoutWidthForControl(options.controlWidth, options.scrollBarWidth));
        QStringList left;
        if (list.LayoutError)
            left << *list.LayoutError; // the rest of the page is still rendered
        const QSize whole = surface.size(QSize(std::max(1, viewWidth), 1));
        size = whole.boundedTo(QSize(kMaxRenderWidth, kMaxDocumentHeight));
        if (whole.height() > size.height())
            left << QLatin1String(kTooLarge);
        if (whole.width() > size.width())
            left << QStringLiteral("The page is %1 pixels wide; the picture shows its left %2.")
                        .arg(whole.width())
                        .arg(size.width());
        warning = left.join(u'\n');
        controlHost_.resize(size.boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
    }

    bool loaded() const { return page_ != nullptr; }

    // The part of the picture band covers, its top-left corner at the painter's origin.
    void paint(QPainter& painter, const QRect& band) {
        paintDocumentBand(painter, page_->document, band, size.width());
        controlHost_.render(&painter, QPoint(), QRegion(band), QWidget::DrawChildren);
    }

    QSize size;
    QString error;
    QString warning;

private:
    QtCanvas screen_;
    QWidget controlHost_;
    QtFormControlFactory controls_;
    std::unique_ptr<LoadedPage> page_;
};

} // namespace

RenderResult renderPage(const QString& pagePath, const RenderOptions& options) {
    RenderResult result;
    PageRendering page(pagePath, options);
    result.error = page.error;
    result.warning = page.warning;
    if (!page.loaded())
        return result;
    QImage image(page.size, QImage::Format_RGB32);
    if (image.isNull()) {
        result.error = QStringLiteral("The page is too large to render: %1 by %2 pixels")
                           .arg(page.size.width())
                           .arg(page.size.height());
        return result;
    }
    {
        QPainter painter(&image);
        page.paint(painter, image.rect());
    }
    result.image = std::move(image);
    return result;
}

int runRender(const QString& pagePath, const QString& pngPath, const RenderOptions& options, QTextStream& err) {
    PageRendering page(pagePath, options);
    int status = page.error.isEmpty() ? 0 : 1;
    for (const QString& said : {page.error, page.warning})
        if (!said.isEmpty())
            err << said << '\n';
    if (page.loaded()) {
        try {
            writeFileAtomically(pngPath, [&](const FileChunkWriter& write) {
                PngStream png(page.size.width(), page.size.height(), write);
                QImage band(page.size.width(), std::clamp(options.bandHeight, 1, page.size.height()),
                            QImage::Format_RGB32);
                if (band.isNull())
                    throw FileWriteError(pngPath, QStringLiteral("no memory for the picture's rows"));
                for (int top = 0; top < page.size.height(); top += band.height()) {
                    {
                        QPainter painter(&band);
                        page.paint(painter, QRect(0, top, band.width(), band.height()));
                    }
                    png.addRows(band);
                }
                png.finish();
            });
        } catch (const FileWriteError& e) {
            err << e.text() << '\n';
            status = 1;
        } catch (const std::exception& e) {
            err << QStringLiteral("Cannot write %1: %2").arg(pngPath, errorText(e)) << '\n';
            status = 1;
        }
    }
    err.flush();
    return status;
}

} // namespace zorvel
