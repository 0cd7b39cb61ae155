#pragma once
// What the table designer's Test page needs of an HTML view: the program hands
// the dialog a maker for its HTML viewer, tests hand it a recorder.
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace zorvel {

class TableView {
public:
    virtual ~TableView() = default;
    // The widget shown on the page; owned by the parent it was made with.
    virtual QWidget* widget() = 0;
    virtual void Clear() = 0;
    virtual void LoadFromBuffer(const QString& html) = 0;
};

using TableViewMaker = std::function<std::unique_ptr<TableView>(QWidget* parent)>;

// Stands in where no HTML viewer is at hand: shows the table's markup as text.
std::unique_ptr<TableView> makeSourceTableView(QWidget* parent);

} // namespace zorvel
