#pragma once
// The window controls of a page's forms as Qt widgets: line edits, push
// buttons, check boxes, radio buttons, lists, drop-down lists and plain-text
// editors, children of the widget the page is shown on.
#include "model/window_controls.h"

#include <QPoint>

#include <memory>
#include <unordered_set>

class QStyle;
class QWidget;

namespace zorvel {

class QtWindowControl;

// The document places its controls in its own coordinates; origin is the
// document point shown at the host's top-left corner, so the widgets move
// with the view when it scrolls. The factory must outlive what it makes.
class QtFormControlFactory : public FormControlFactory {
public:
    explicit QtFormControlFactory(QWidget* host);
    ~QtFormControlFactory() override;
    QtFormControlFactory(const QtFormControlFactory&) = delete;
    QtFormControlFactory& operator=(const QtFormControlFactory&) = delete;

    std::unique_ptr<FormWindowControl> create(const WindowControlRequest& request) override;
    void setOrigin(QPoint origin);
    QPoint origin() const { return origin_; }
    QWidget* host() const { return host_; }

private:
    friend class QtWindowControl;
    QWidget* host_;
    QPoint origin_;
    std::unique_ptr<QStyle> passwordStyle_;         // shows "*" for each character
    std::unordered_set<QtWindowControl*> controls_; // alive, to be moved with the view
};

} // namespace zorvel
