// `zorvel --render`: a page laid out, painted and written to a PNG file without a window.
#include "headless/render.h"

#include "atomic_write.h"
#include "control/form_widgets.h"
#include "paint/document_surface.h"
#include "paint/qt_canvas.h"
#include "parse/html_parse.h"

#include <QBuffer>
#include <QPainter>
#include <QWidget>

namespace zorvel {

RenderResult renderPage(const QString& pagePath, const RenderOptions& options) {
    RenderResult result;
    QtCanvas screen;
    // Form controls are real widgets, as in the control, on a surface that is
    // never shown; they are painted over the page where its drawing put them.
    QWidget controlHost;
    QtFormControlFactory controls(&controlHost);
    std::unique_ptr<LoadedPage> page;
    try {
        page = loadPage(pagePath, options.look, screen, &controls);
    } catch (const EHtmlFileError& e) {
        result.error = e.text();
        return result;
    }
    result.error = page->parseError; // what was parsed is still shown
    TSectionList& list = page->document;

    const int viewWidth = options.controlWidth - options.scrollBarWidth;
    const DocumentSurface surface =
        layoutDocument(list, screen, layoutWidthForControl(options.controlWidth, options.scrollBarWidth));
    if (list.LayoutError)
        result.warning = *list.LayoutError; // the rest of the page is still rendered
    const QSize size = surface.size(QSize(std::max(1, viewWidth), 1));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        result.error =
            QStringLiteral("The page is too large to render: %1 by %2 pixels").arg(size.width()).arg(size.height());
        return result;
    }
    {
        QPainter painter(&image);
        paintDocumentBand(painter, list, QRect(QPoint(0, 0), size), size.width());
        controlHost.resize(size);
        controlHost.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    result.image = std::move(image);
    return result;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

int runRender(const QString& pagePath, const QString& pngPath, const RenderOptions& options, QTextStream& err) {
    const RenderResult r = renderPage(pagePath, options);
    int status = r.error.isEmpty() ? 0 : 1;
    for (const QString& said : {r.error, r.warning})
        if (!said.isEmpty())
            err << said << '\n';
    if (!r.image.isNull()) {
        // Encoded in memory first: an image writer does not report its device's
        // failures, and a PNG cut short would replace a good one.
        const QByteArray png = pngBytes(r.image);
        try {
            if (png.isEmpty())
                throw FileWriteError(pngPath, QStringLiteral("the picture could not be encoded as PNG"));
            writeFileAtomically(pngPath, png);
        } catch (const FileWriteError& e) {
            err << e.text() << '\n';
            status = 1;
        }
    }
    err.flush();
    return status;
}

} // namespace zorvel
