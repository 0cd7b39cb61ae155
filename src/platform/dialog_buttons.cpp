#include "dialog_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace zorvel {

OkCancelRow makeOkCancelRow(QWidget* parent) {
    auto* ok = new QPushButton(QStringLiteral("&Ok"), parent);
    ok->setObjectName(QStringLiteral("OK_Btn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), parent);
    cancel->setObjectName(QStringLiteral("Cancel_Btn"));
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return {row, ok, cancel};
}

} // namespace zorvel
