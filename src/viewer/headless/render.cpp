// `zorvel --render`: a page laid out, painted and written to a PNG file without a window.
#include "headless/render.h"

#include "control/form_widgets.h"
#include "paint/document_surface.h"
#include "paint/qt_canvas.h"
#include "parse/html_parse.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QWidget>

namespace zorvel {

RenderResult renderPage(const QString& pagePath, const RenderOptions& options) {
    RenderResult result;
    QtCanvas screen;
    const SystemColors system = screen.systemColors();
    // Form controls are real widgets, as in the control, on a surface that is
    // never shown; they are painted over the page where its drawing put them.
    QWidget controlHost;
    QtFormControlFactory controls(&controlHost);
    TSectionList list(screen);
    list.ControlFactory = &controls;
    list.ShowImages = options.showImages;
    // Pictures are named relative to the page.
    const QDir pageDir = QFileInfo(pagePath).absoluteDir();
    list.ExpandImageName = [pageDir](const QString& name) {
        const QString file = urlToFileName(name);
        return QFileInfo(file).isRelative() ? pageDir.filePath(file) : file;
    };
    list.SetDefaults(QStringLiteral("Times New Roman"), QStringLiteral("Courier New"), system.ButtonFace,
                     QColor(0, 0, 255), system.ButtonText, 12);
    TNameList names;
    TParseStrings strings;
    try {
        HtmlParseFile(list, names, pagePath, strings);
    } catch (const EHtmlFileError& e) {
        result.error = QString::fromUtf8(e.what());
        return result;
    } catch (const std::exception& e) {
        result.error = QString::fromUtf8(e.what()); // what was parsed is still shown
    }

    const int viewWidth = options.controlWidth - options.scrollBarWidth;
    const DocumentSurface surface =
        layoutDocument(list, screen, layoutWidthForControl(options.controlWidth, options.scrollBarWidth));
    if (list.LayoutError && result.error.isEmpty())
        result.error = *list.LayoutError; // the rest of the page is still rendered
    const QSize size = surface.size(QSize(std::max(1, viewWidth), 1));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        result.error = QStringLiteral("The page is too large to render: %1 by %2 pixels")
                           .arg(size.width())
                           .arg(size.height());
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

int runRender(const QString& pagePath, const QString& pngPath, const RenderOptions& options, QTextStream& err) {
    const RenderResult r = renderPage(pagePath, options);
    int status = r.error.isEmpty() ? 0 : 1;
    if (!r.error.isEmpty())
        err << r.error << '\n';
    if (!r.image.isNull() && !r.image.save(pngPath, "PNG")) {
        err << "Can't write " << pngPath << '\n';
        status = 1;
    }
    err.flush();
    return status;
}

} // namespace zorvel
