#include "remtagsu.h"

#include "dialog_kit.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorvel {

namespace {

constexpr const char* kCaption = "Remove Tags";
constexpr const char* kLabel1Text =
    "This facility will remove all HTML tags from the current file, or selected portion "
    "of the file; even if none of the options below have been selected.";
constexpr const char* kBrPCaption = "Convert <BR> && <P> to line breaks";
constexpr const char* kAmpCaption = "Convert &&amp to && symbol";
constexpr const char* kLtCaption = "Convert &&lt to < symbol";
constexpr const char* kGtCaption = "Convert &&gt to > symbol";

QCheckBox* addCheckBox(QWidget* parent, QVBoxLayout* layout, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    layout->addWidget(box);
    return box;
}

} // namespace

TRemoveTagFrm::TRemoveTagFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("RemoveTagFrm"));
    setWindowTitle(QString::fromLatin1(kCaption));
    // No system buttons: only the title remains.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Label1 = makeBoldLabel(this, "Label1", QString::fromLatin1(kLabel1Text), Qt::blue);
    Label1->setWordWrap(true);
    Label1->setFixedWidth(Label1->fontMetrics().averageCharWidth() * 48);
    layout->addWidget(Label1);
    layout->addSpacing(8);

    auto* boxes = new QVBoxLayout;
    boxes->setContentsMargins(24, 0, 24, 0);
    BR_P_CheckBox = addCheckBox(this, boxes, "BR_P_CheckBox", kBrPCaption);
    Amp_CheckBox = addCheckBox(this, boxes, "Amp_CheckBox", kAmpCaption);
    LT_CheckBox = addCheckBox(this, boxes, "LT_CheckBox", kLtCaption);
    GT_CheckBox = addCheckBox(this, boxes, "GT_CheckBox", kGtCaption);
    layout->addLayout(boxes);
    layout->addSpacing(8);

    const OkCancelRow buttons = makeOkCancelRow(this);
    OK_Btn = buttons.ok;
    Cancel_Btn = buttons.cancel;
    buttons.layout->addStretch(); // centred under the options
    layout->addLayout(buttons.layout);
}

RemoveTagOptions TRemoveTagFrm::options() const {
    return {BR_P_CheckBox->isChecked(), Amp_CheckBox->isChecked(), LT_CheckBox->isChecked(), GT_CheckBox->isChecked()};
}

void TRemoveTagFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

} // namespace zorvel
