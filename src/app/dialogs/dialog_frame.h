#pragma once
// What the program's small modal dialogs share: no close box, a heading, and the
// "&Ok" / "&Cancel" pair at the bottom right.
#include <QString>

class QBoxLayout;
class QDialog;
class QVBoxLayout;

namespace zorvel {

// Modal, title only (no close box), with the given caption.
void prepareDialog(QDialog& dialog, const QString& caption);
// The dialog's main layout, starting with a heading label "Heading_Label".
QVBoxLayout* dialogBodyWithHeading(QDialog& dialog, const QString& heading);
// Appends the buttons OK_Btn and Cancel_Btn; OK accepts, Cancel rejects.
void addOkCancelButtons(QDialog& dialog, QBoxLayout& layout);

} // namespace zorvel
