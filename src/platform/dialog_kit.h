#pragma once
// What the program's dialogs are built from: named controls, labels that give
// their access key to a control, and the "&Ok" / "&Cancel" pair every modal
// dialog ends with.
#include <QString>
#include <functional>

class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace zorvel {

// A control with the object name tests and the documentation know it by, and
// its fly-by hint when it has one.
template <typename W> W* named(W* widget, const char* name, const char* hint = nullptr) {
    widget->setObjectName(QLatin1String(name));
    if (hint)
        widget->setToolTip(QLatin1String(hint));
    return widget;
}

// A label whose access key moves the focus to buddy.
QLabel* labelFor(const char* text, QWidget* buddy);

struct OkCancelRow {
    QHBoxLayout* layout; // the two buttons at its right end
    QPushButton* ok;     // OK_Btn, the default button, so Enter in a field accepts
    QPushButton* cancel; // Cancel_Btn
};

// OK accepts the dialog and Cancel rejects it, unless the dialog has more to do
// and gives its own handler.
OkCancelRow makeOkCancelRow(QDialog* dialog, std::function<void()> onOk = {}, std::function<void()> onCancel = {});

} // namespace zorvel
