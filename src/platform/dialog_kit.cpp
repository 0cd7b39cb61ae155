#include "dialog_kit.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zorvel {

QLabel* labelFor(const char* text, QWidget* buddy) {
    auto* label = new QLabel(QLatin1String(text));
    label->setBuddy(buddy);
    return label;
}

OkCancelRow makeOkCancelRow(QDialog* dialog, std::function<void()> onOk, std::function<void()> onCancel) {
    auto* ok = named(new QPushButton(QStringLiteral("&Ok"), dialog), "OK_Btn");
    ok->setDefault(true);
    auto* cancel = named(new QPushButton(QStringLiteral("&Cancel"), dialog), "Cancel_Btn");
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    if (onOk)
        QObject::connect(ok, &QPushButton::clicked, dialog, std::move(onOk));
    else
        QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    if (onCancel)
        QObject::connect(cancel, &QPushButton::clicked, dialog, std::move(onCancel));
    else
        QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return {row, ok, cancel};
}

} // namespace zorvel
