#include "dialog_frame.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorvel {

static constexpr const char* kOkText = "&Ok";
static constexpr const char* kCancelText = "&Cancel";

void prepareDialog(QDialog& dialog, const QString& caption) {
    dialog.setWindowTitle(caption);
    dialog.setModal(true);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

QVBoxLayout* dialogBodyWithHeading(QDialog& dialog, const QString& heading) {
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(heading, &dialog);
    label->setObjectName(QStringLiteral("Heading_Label"));
    QFont font = label->font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 1.25);
    label->setFont(font);
    layout->addWidget(label);
    return layout;
}

void addOkCancelButtons(QDialog& dialog, QBoxLayout& layout) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* ok = new QPushButton(QString::fromLatin1(kOkText), &dialog);
    ok->setObjectName(QStringLiteral("OK_Btn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromLatin1(kCancelText), &dialog);
    cancel->setObjectName(QStringLiteral("Cancel_Btn"));
    row->addWidget(ok);
    row->addWidget(cancel);
    layout.addLayout(row);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
}

} // namespace zorvel
