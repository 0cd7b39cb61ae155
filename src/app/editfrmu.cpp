#include "editfrmu.h"

#include <QCloseEvent>

namespace zorvel {

TEditForm::TEditForm(QWidget* parent) : QMdiSubWindow(parent), MemoPad(new TSRichEdit(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(MemoPad);
    connect(MemoPad, &QPlainTextEdit::textChanged, this, [this] { autoSaveDeclined = false; });
}

void TEditForm::closeConfirmed() {
    confirmed_ = true;
    close();
}

void TEditForm::closeEvent(QCloseEvent* event) {
    if (!confirmed_ && onCloseRequest && !onCloseRequest(*this)) {
        event->ignore();
        return;
    }
    confirmed_ = true;
    BookMarks.clear();
    if (onClosed)
        onClosed(*this);
    QMdiSubWindow::closeEvent(event);
}

} // namespace zorvel
