#pragma once
// The "&Ok" / "&Cancel" pair every modal dialog of the program ends with.
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace zorvel {

struct OkCancelRow {
    QHBoxLayout* layout; // the two buttons at its right end
    QPushButton* ok;     // OK_Btn, the default button, so Enter in a field accepts
    QPushButton* cancel; // Cancel_Btn
};

// The buttons are not connected: each dialog decides what they do.
OkCancelRow makeOkCancelRow(QWidget* parent);

} // namespace zorvel
