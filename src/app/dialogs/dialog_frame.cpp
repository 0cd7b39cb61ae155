#include "dialog_frame.h"

#include "dialog_kit.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zorvel {

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
    layout.addLayout(makeOkCancelRow(&dialog).layout);
}

} // namespace zorvel
