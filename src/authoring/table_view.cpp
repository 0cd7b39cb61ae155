#include "table_view.h"

#include "markup.h"

#include <QPlainTextEdit>

namespace zorvel {

namespace {

class SourceTableView final : public TableView {
public:
    explicit SourceTableView(QWidget* parent) : edit_(new QPlainTextEdit(parent)) {
        edit_->setReadOnly(true);
        edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    QWidget* widget() override { return edit_; }
    void Clear() override { edit_->clear(); }
    void LoadFromBuffer(const QString& html) override { edit_->setPlainText(fromCrLf(html)); }

private:
    QPlainTextEdit* edit_;
};

} // namespace

std::unique_ptr<TableView> makeSourceTableView(QWidget* parent) {
    return std::make_unique<SourceTableView>(parent);
}

} // namespace zorvel
