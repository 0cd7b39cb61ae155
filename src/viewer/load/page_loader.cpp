#include "load/page_loader.h"

#include "load/link_names.h"
#include "paint/qt_canvas.h"
#include "paint/screen.h"
#include "text_file.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zorvel {

namespace {
constexpr const char* kCantLocateFile = "Can't locate file: ";

// Pictures are named relative to the page, or to its BASE once the parse has
// found it (they are looked for at layout); controls come from the factory.
class PageHost final : public DocumentHost {
public:
    PageHost(const LoadedPage& page, FormControlFactory* controls) : page_(page), controls_(controls) {}
    FormControlFactory* ControlFactory() override { return controls_; }
    QString ExpandImageName(const QString& name) override {
        return expandLinkFileName(name, page_.strings.Base, page_.file, kHostPlatform);
    }

private:
    const LoadedPage& page_;
    FormControlFactory* controls_;
};
} // namespace

QString readPageFile(const QString& path) {
    if (!QFileInfo::exists(path))
        throw EHtmlFileError(QLatin1String(kCantLocateFile) + path);
    // The editor's checks: a regular file (a FIFO would block, a device never end) of a sane size.
    try {
        return viewerText(loadTextFile(path));
    } catch (const TextFileError& e) {
        throw EHtmlFileError(e.text());
    }
}

PageLook desktopLook() {
    const SystemColors system = QtCanvas().systemColors();
    PageLook look;
    look.background = system.ButtonFace;
    look.text = system.ButtonText;
    return look;
}

QString printJobTitle(const QString& pageTitle, const QString& file) {
    QString title = pageTitle.trimmed();
    if (title.isEmpty())
        title = QFileInfo(file).fileName();
    if (title.isEmpty())
        title = QStringLiteral("Zorvel");
    return title;
}

std::unique_ptr<LoadedPage> loadPage(const QString& path, const PageLook& look, Canvas& screen,
                                     FormControlFactory* controls) {
    const QString text = readPageFile(path);
    auto page = std::make_unique<LoadedPage>(screen);
    page->file = QFileInfo(path).absoluteFilePath();
    TSectionList& document = page->document;
    document.Display = screenDisplayCapabilities();
    page->host = std::make_unique<PageHost>(*page, controls);
    document.Host = page->host.get();
    document.SetDefaults(look);
    try {
        HtmlParseBuffer(document, page->names, text, page->strings);
    } catch (const EParseError& e) {
        page->parseError = e.text();
    }
    // Every new widget asks to be polished by a queued event, and the modes
    // that load pages here run no event loop, so the queue only grows: each
    // widget's end would search it whole, and a page of 80,000 controls
    // would take seconds to close. A widget is polished when painted anyway.
    if (controls)
        QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
    return page;
}

} // namespace zorvel
