// The in-memory window control, and the lines of a text area.
#include "model/window_controls.h"

namespace zorvel {

void HeadlessWindowControl::setText(const QString& text) {
    text_ = request_.maxLength > 0 ? text.left(request_.maxLength) : text;
}

void HeadlessWindowControl::setItems(const QStringList& items) {
    items_ = items;
    selected_.assign(items.size(), false);
}

bool HeadlessWindowControl::isSelected(int index) const {
    return index >= 0 && index < count() && selected_[std::size_t(index)];
}

void HeadlessWindowControl::setSelected(int index, bool on) {
    if (index < 0 || index >= count())
        return;
    if (on && !request_.multiSelect)
        selected_.assign(selected_.size(), false);
    selected_[std::size_t(index)] = on;
}

void HeadlessWindowControl::click() {
    if (request_.kind == WindowControlKind::CheckBox)
        checked_ = !checked_;
    else if (request_.kind == WindowControlKind::RadioButton)
        checked_ = true;
    if (OnClick)
        OnClick();
}

void HeadlessWindowControl::pressEnter() {
    if (OnEnterKey)
        OnEnterKey();
}

QStringList textLines(const QString& text) {
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace zorvel
