#include "table_viewer.h"

#include "control/html_viewer.h"

namespace zorvel {

namespace {

class HtmlTableView final : public TableView {
public:
    HtmlTableView(QWidget* parent, Prompter* prompter, const QString& fontName, int fontSize)
        : viewer_(new THTMLViewer(parent)) {
        viewer_->setDefFontName(fontName);
        viewer_->setDefFontSize(fontSize);
        viewer_->setDefPreFontName(QStringLiteral("Courier New"));
        viewer_->setViewImages(false);
        viewer_->setHistoryMaxCount(0);
        viewer_->setPrompter(prompter);
    }
    QWidget* widget() override { return viewer_; }
    void Clear() override { viewer_->Clear(); }
    void LoadFromBuffer(const QString& html) override {
        try {
            viewer_->LoadFromBuffer(html);
        } catch (const std::exception&) {
            // Markup typed into a cell that the parser gives up on: the part
            // parsed stays shown, and the designer goes on.
        }
    }

private:
    THTMLViewer* viewer_;
};

} // namespace

std::unique_ptr<TableView> makeHtmlTableView(QWidget* parent, Prompter* prompter, const QString& fontName,
                                             int fontSize) {
    return std::make_unique<HtmlTableView>(parent, prompter, fontName, fontSize);
}

} // namespace zorvel
