// Qt widgets for a page's form controls, made by the factory on the viewer's surface.
#include "control/form_widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>
#include <limits>

namespace zorvel {

namespace {

class PasswordStarStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

class QtWindowControl : public FormWindowControl {
public:
    QtWindowControl(QtFormControlFactory& factory, QWidget* widget) : factory_(factory), widget_(widget) {
        widget->hide(); // out of sight until its line is drawn
        factory_.controls_.insert(this);
    }
    ~QtWindowControl() override {
        factory_.controls_.erase(this);
        delete widget_.data(); // gone already when its host went first
    }
    QtWindowControl(const QtWindowControl&) = delete;
    QtWindowControl& operator=(const QtWindowControl&) = delete;

    QSize textExtent(const QString& text) const override {
        if (!widget_)
            return {};
        const QFontMetrics m(widget_->font());
        return {m.horizontalAdvance(text), m.height()};
    }
    QSize screenTextExtent(const QString& text) const override {
        const QFontMetrics m(QApplication::font());
        return {m.horizontalAdvance(text), m.height()};
    }
    QSize preferredSize() const override { return widget_ ? widget_->sizeHint() : QSize(); }

    void setGeometry(const QRect& rect) override {
        rect_ = rect;
        place();
    }
    QRect geometry() const override { return rect_; }
    void setVisible(bool visible) override {
        if (widget_)
            widget_->setVisible(visible);
    }
    // Shown as far as the document is concerned, whether or not its host is on the screen.
    bool isVisible() const override { return widget_ && !widget_->isHidden(); }
    void refresh() override {
        if (widget_)
            widget_->update();
    }
    void place() {
        if (widget_)
            widget_->setGeometry(rect_.translated(-factory_.origin()));
    }

    // Kinds without a value of some sort answer nothing for it.
    QString text() const override { return {}; }
    void setText(const QString&) override {}
    bool isChecked() const override { return false; }
    void setChecked(bool) override {}
    void setItems(const QStringList&) override {}
    int count() const override { return 0; }
    bool isSelected(int) const override { return false; }
    void setSelected(int, bool) override {}
    void scrollToTop() override {}

protected:
    QtFormControlFactory& factory_;
    QPointer<QWidget> widget_;
    QRect rect_{0, -400, 0, 0};
};

namespace {

template <class W> class Typed : public QtWindowControl {
public:
    Typed(QtFormControlFactory& factory, W* widget) : QtWindowControl(factory, widget) {}
    W* w() const { return static_cast<W*>(widget_.data()); }
};

class EditControl : public Typed<QLineEdit> {
public:
    EditControl(QtFormControlFactory& factory, QLineEdit* edit) : Typed(factory, edit) {
        QObject::connect(edit, &QLineEdit::returnPressed, edit, [this] {
            if (OnEnterKey)
                OnEnterKey();
        });
    }
    QString text() const override { return w() ? w()->text() : QString(); }
    void setText(const QString& text) override {
        if (w())
            w()->setText(text);
    }
};

class ButtonControl : public Typed<QPushButton> {
public:
    ButtonControl(QtFormControlFactory& factory, QPushButton* button) : Typed(factory, button) {
        QObject::connect(button, &QPushButton::clicked, button, [this] {
            if (OnClick)
                OnClick();
        });
    }
};

class CheckControl : public Typed<QAbstractButton> {
public:
    CheckControl(QtFormControlFactory& factory, QAbstractButton* box, bool radio) : Typed(factory, box) {
        QObject::connect(box, &QAbstractButton::clicked, box, [this, radio] {
            // A radio button is not grouped by the toolkit (its form groups it
            // by name), and a click never takes its mark away.
            if (radio && w())
                w()->setChecked(true);
            if (OnClick)
                OnClick();
        });
    }
    bool isChecked() const override { return w() && w()->isChecked(); }
    void setChecked(bool on) override {
        if (w())
            w()->setChecked(on);
    }
};

// Rows as high as the list's height shares out among the rows it was sized for.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int rowHeight = 0;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (rowHeight > 0)
            size.setHeight(rowHeight);
        return size;
    }
};

class ListControl : public Typed<QListWidget> {
public:
    ListControl(QtFormControlFactory& factory, QListWidget* list) : Typed(factory, list), rows_(new RowDelegate(list)) {
        list->setItemDelegate(rows_);
    }
    void setGeometry(const QRect& rect) override {
        QtWindowControl::setGeometry(rect);
        // The list is as high as its rows of text: the toolkit's frame and
        // item padding would otherwise hide the last row behind a scroll bar.
        if (!w())
            return;
        const int line = std::max(1, QFontMetrics(w()->font()).height());
        const int rows = std::max(1, rect.height() / line);
        const int row = std::max(1, (rect.height() - 2 * w()->frameWidth()) / rows);
        if (row != rows_->rowHeight) {
            rows_->rowHeight = row;
            w()->doItemsLayout();
        }
    }
    void setItems(const QStringList& items) override {
        if (!w())
            return;
        w()->clear();
        w()->addItems(items);
    }
    int count() const override { return w() ? w()->count() : 0; }
    bool isSelected(int index) const override {
        const QListWidgetItem* item = w() ? w()->item(index) : nullptr;
        return item && item->isSelected();
    }
    void setSelected(int index, bool on) override {
        QListWidgetItem* item = w() ? w()->item(index) : nullptr;
        if (!item)
            return;
        if (on && w()->selectionMode() == QAbstractItemView::SingleSelection)
            w()->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        else
            item->setSelected(on);
    }
    void scrollToTop() override {
        if (w())
            w()->scrollToTop();
    }

private:
    RowDelegate* rows_; // owned by the list
};

class ComboControl : public Typed<QComboBox> {
public:
    using Typed::Typed;
    void setItems(const QStringList& items) override {
        if (!w())
            return;
        w()->clear();
        w()->addItems(items);
    }
    int count() const override { return w() ? w()->count() : 0; }
    bool isSelected(int index) const override { return w() && index >= 0 && w()->currentIndex() == index; }
    void setSelected(int index, bool on) override {
        if (w() && on)
            w()->setCurrentIndex(index);
    }
};

class TextAreaControl : public Typed<QPlainTextEdit> {
public:
    using Typed::Typed;
    QString text() const override { return w() ? w()->toPlainText() : QString(); }
    void setText(const QString& text) override {
        if (w())
            w()->setPlainText(text);
    }
    void scrollToTop() override {
        if (!w())
            return;
        QTextCursor start = w()->textCursor();
        start.movePosition(QTextCursor::Start);
        w()->setTextCursor(start);
        w()->horizontalScrollBar()->setValue(0);
        w()->verticalScrollBar()->setValue(0);
    }
};

QFont fixedFont(const WindowControlRequest& request) {
    QFont font(request.fontName);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(request.fontSize > 0 ? request.fontSize : 10);
    return font;
}

// A caption is shown as written: "&" marks no shortcut key.
QString literalCaption(QString caption) {
    return caption.replace(u'&', QLatin1String("&&"));
}

} // namespace

QtFormControlFactory::QtFormControlFactory(QWidget* host)
    : host_(host), passwordStyle_(new PasswordStarStyle(QApplication::style()->name())) {}

QtFormControlFactory::~QtFormControlFactory() = default;

void QtFormControlFactory::setOrigin(QPoint origin) {
    if (origin == origin_)
        return;
    origin_ = origin;
    for (QtWindowControl* c : controls_)
        c->place();
}

std::unique_ptr<FormWindowControl> QtFormControlFactory::create(const WindowControlRequest& request) {
    switch (request.kind) {
    case WindowControlKind::Edit: {
        auto* edit = new QLineEdit(host_);
        edit->setFont(fixedFont(request));
        // No limit but the page's own: the toolkit's default would cut long values.
        edit->setMaxLength(request.maxLength > 0 ? request.maxLength : std::numeric_limits<int>::max());
        if (request.password) {
            edit->setStyle(passwordStyle_.get());
            edit->setEchoMode(QLineEdit::Password);
        }
        return std::make_unique<EditControl>(*this, edit);
    }
    case WindowControlKind::Button: {
        auto* button = new QPushButton(literalCaption(request.caption), host_);
        button->setAutoDefault(false);
        button->setCursor(Qt::ArrowCursor);
        return std::make_unique<ButtonControl>(*this, button);
    }
    case WindowControlKind::CheckBox:
    case WindowControlKind::RadioButton: {
        const bool radio = request.kind == WindowControlKind::RadioButton;
        QAbstractButton* box = radio ? static_cast<QAbstractButton*>(new QRadioButton(host_)) : new QCheckBox(host_);
        box->setAutoExclusive(false);
        box->setCursor(Qt::ArrowCursor);
        return std::make_unique<CheckControl>(*this, box, radio);
    }
    case WindowControlKind::ListBox: {
        auto* list = new QListWidget(host_);
        list->setFont(fixedFont(request));
        list->setCursor(Qt::ArrowCursor);
        list->setSelectionMode(request.multiSelect ? QAbstractItemView::ExtendedSelection
                                                   : QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        list->setFrameStyle(QFrame::Box | QFrame::Plain);
        list->setLineWidth(1);
        return std::make_unique<ListControl>(*this, list);
    }
    case WindowControlKind::ComboBox: {
        auto* combo = new QComboBox(host_);
        combo->setFont(fixedFont(request));
        combo->setCursor(Qt::ArrowCursor);
        return std::make_unique<ComboControl>(*this, combo);
    }
    case WindowControlKind::TextArea: {
        auto* memo = new QPlainTextEdit(host_);
        memo->setFont(fixedFont(request));
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setTabChangesFocus(true);
        return std::make_unique<TextAreaControl>(*this, memo);
    }
    }
    return nullptr;
}

} // namespace zorvel
