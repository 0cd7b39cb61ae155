#pragma once
// The window controls that show a form's controls, as the engine sees them:
// a small interface that the toolkit's side implements with real widgets. The
// engine measures, places, shows, reads and sets them only through it, so it
// never touches a widget, and without a toolkit a control keeps its state in
// memory and takes no room.
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace zorvel {

enum class WindowControlKind { Edit, Button, CheckBox, RadioButton, ListBox, ComboBox, TextArea };

// What a form control asks for when it makes its window control.
struct WindowControlRequest {
    WindowControlKind kind = WindowControlKind::Edit;
    // The face edit boxes, lists, drop-down lists and text areas show their
    // text in, at fontSize points; buttons keep the toolkit's own font.
    QString fontName;
    int fontSize = 10;
    QString caption;       // a button's
    bool password = false; // an edit box that shows every character as "*"
    int maxLength = 0;     // an edit box's limit; 0: none
    bool multiSelect = false;
};

class FormWindowControl {
public:
    virtual ~FormWindowControl() = default;

    // Measuring: text in the control's own font, and in the screen's default font.
    virtual QSize textExtent(const QString& text) const = 0;
    virtual QSize screenTextExtent(const QString& text) const = 0;
    // The size the control takes by itself (a drop-down list's height comes from here).
    virtual QSize preferredSize() const = 0;

    // Placing, in the coordinates the document is drawn in.
    virtual void setGeometry(const QRect& rect) = 0;
    virtual QRect geometry() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
    virtual void refresh() {}

    // The value: an edit box's or text area's text (lines joined by "\n"), a
    // box's check mark, a list's items and which of them are selected.
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual bool isChecked() const = 0;
    virtual void setChecked(bool on) = 0;
    virtual void setItems(const QStringList& items) = 0;
    virtual int count() const = 0;
    virtual bool isSelected(int index) const = 0;
    // In a single-select list or a drop-down list selecting one item deselects the others.
    virtual void setSelected(int index, bool on) = 0;
    // Back to the first item or line, with the caret at the start and nothing selected.
    virtual void scrollToTop() = 0;

    // What the user does: clicks a button, a check box or a radio button (after
    // the toolkit has changed its mark), or presses Enter in an edit box.
    std::function<void()> OnClick;
    std::function<void()> OnEnterKey;
};

class FormControlFactory {
public:
    virtual ~FormControlFactory() = default;
    virtual std::unique_ptr<FormWindowControl> create(const WindowControlRequest& request) = 0;
};

// A window control with no window: it keeps its value and place in memory and
// measures nothing. The document uses it when no factory is given; tests
// build on it.
class HeadlessWindowControl : public FormWindowControl {
public:
    explicit HeadlessWindowControl(const WindowControlRequest& request) : request_(request) {}

    QSize textExtent(const QString&) const override { return {}; }
    QSize screenTextExtent(const QString&) const override { return {}; }
    QSize preferredSize() const override { return {}; }
    void setGeometry(const QRect& rect) override { geometry_ = rect; }
    QRect geometry() const override { return geometry_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool isVisible() const override { return visible_; }
    QString text() const override { return text_; }
    void setText(const QString& text) override;
    bool isChecked() const override { return checked_; }
    void setChecked(bool on) override { checked_ = on; }
    void setItems(const QStringList& items) override;
    int count() const override { return int(items_.size()); }
    bool isSelected(int index) const override;
    void setSelected(int index, bool on) override;
    void scrollToTop() override {}

    const WindowControlRequest& request() const { return request_; }
    const QStringList& items() const { return items_; }
    // What the toolkit does on a click: a check box toggles, a radio button
    // is checked; then OnClick.
    void click();
    // Enter pressed in the control.
    void pressEnter();

private:
    WindowControlRequest request_;
    QRect geometry_{0, -400, 0, 0}; // out of sight until drawn
    bool visible_ = false;
    QString text_;
    bool checked_ = false;
    QStringList items_;
    std::vector<bool> selected_;
};

// The lines of a text area's text as a list of lines counts them: none for
// no text, and a line break at the very end starts no line of its own.
QStringList textLines(const QString& text);

} // namespace zorvel
