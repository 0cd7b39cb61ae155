#include "imageu.h"

#include "dialog_kit.h"

#include "memo_text.h"
#include "path_rules.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zorvel {

namespace {

constexpr const char* kImageFilters = "GIF Files (*.gif);;JPG Files (*.jpg);;PNG Files (*.png);;All Files (*)";

struct Alignment {
    const char* name;
    const char* caption;
    const char* hint;
};

constexpr Alignment kVertical[] = {
    {"Top_RAD", "Top", "Align the top of the image with the top of the tallest item on the line."},
    {"Middle_RAD", "Middle", "Align the middle of the image with the middle of the line"},
    {"Bottom_RAD", "Bottom", "Align bottom of image with baseline of text"},
    {"TextTop_RAD", "Text Top", "Align image with topmost item in line"},
    {"ABSMIDDLE_RAD", "Abs. Middle", "Align middle of image with middle of the largest item on the line"},
    {"AbsBottom_RAD", "Abs. Bottom", "Align bottom of image with lowest item in line"},
};
constexpr Alignment kHorizontal[] = {
    {"LEFT_RAD", "Left", "Align the image with the left margin"},
    {"Right_RAD", "Right", "Align the image with the right margin"},
};

QRadioButton* radio(const Alignment& a) {
    auto* r = new QRadioButton(QLatin1String(a.caption));
    r->setObjectName(QLatin1String(a.name));
    r->setToolTip(QLatin1String(a.hint));
    return r;
}

} // namespace

QLineEdit* TImageFrm::numberField(const char* name, const char* hint) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setToolTip(QLatin1String(hint));
    edit->setMaximumWidth(80);
    return edit;
}

TImageFrm::TImageFrm(Prompter& prompter, PicturePlace place, QWidget* parent)
    : QDialog(parent), prompter_(prompter), place_(std::move(place)) {
    setObjectName(QStringLiteral("ImageFrm"));
    setWindowTitle(QStringLiteral("Images"));

    Image_FileName = new QLineEdit;
    Image_FileName->setObjectName(QStringLiteral("Image_FileName"));
    Image_FileName->setToolTip(QStringLiteral("Name of image to display .."));
    Image_FileName->setMinimumWidth(300);
    Browse_Btn = new QPushButton(QStringLiteral("Browse..."));
    Browse_Btn->setObjectName(QStringLiteral("Browse_Btn"));
    Full_File_Name = new QLineEdit;
    Full_File_Name->setObjectName(QStringLiteral("Full_File_Name"));
    Full_File_Name->hide();
    Include_Path_RAD = new QCheckBox(QStringLiteral("Store in HTML Format"));
    Include_Path_RAD->setObjectName(QStringLiteral("Include_Path_RAD"));

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(labelFor("FileName :", Image_FileName));
    fileRow->addWidget(Image_FileName, 1);
    fileRow->addWidget(Browse_Btn);

    Horizontal_Space = numberField("Horizontal_Space", "The space to the left and right of the image");
    Vertical_Space = numberField("Vertical_Space", "The space above and below the image");
    Image_Width = numberField("Image_Width", "Width of image in pixels");
    Image_Height = numberField("Image_Height", "Height of image in pixels");
    Border = numberField("Border", "Border width in pixels");
    auto* numbers = new QFormLayout;
    numbers->addRow(QStringLiteral("Horizontal Space :"), Horizontal_Space);
    numbers->addRow(QStringLiteral("Vertical  Space :"), Vertical_Space);
    numbers->addRow(QStringLiteral("Width of image"), Image_Width);
    numbers->addRow(QStringLiteral("Height of image"), Image_Height);
    numbers->addRow(QStringLiteral("Border Width"), Border);

    auto* verticalGroup = new QGroupBox(QStringLiteral("Vertical Alignment"));
    auto* verticalGrid = new QGridLayout(verticalGroup);
    QRadioButton** verticalButtons[] = {&Top_RAD,     &Middle_RAD,    &Bottom_RAD,
                                        &TextTop_RAD, &ABSMIDDLE_RAD, &AbsBottom_RAD};
    for (int i = 0; i < 6; ++i) {
        *verticalButtons[i] = radio(kVertical[i]);
        verticalGrid->addWidget(*verticalButtons[i], i % 3, i / 3);
    }
    auto* horizontalGroup = new QGroupBox(QStringLiteral("Image Alignment"));
    auto* horizontalBox = new QVBoxLayout(horizontalGroup);
    LEFT_RAD = radio(kHorizontal[0]);
    Right_RAD = radio(kHorizontal[1]);
    horizontalBox->addWidget(LEFT_RAD);
    horizontalBox->addWidget(Right_RAD);
    horizontalBox->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(numbers);
    middle->addSpacing(12);
    auto* groups = new QVBoxLayout;
    groups->addWidget(verticalGroup);
    groups->addWidget(horizontalGroup);
    middle->addLayout(groups, 1);

    ImageMemo = new QPlainTextEdit;
    ImageMemo->setObjectName(QStringLiteral("ImageMemo"));
    ImageMemo->setTabChangesFocus(true);
    ImageMemo->setFixedHeight(ImageMemo->fontMetrics().lineSpacing() * 4 + 12);
    QLabel* memoLabel = labelFor("Text to display with image :", ImageMemo);

    const OkCancelRow buttons = makeOkCancelRow(this, {}, [this] { Cancel_BtnClick(); });
    OK_Btn = buttons.ok;
    Cancel_Btn = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(Include_Path_RAD);
    layout->addWidget(Full_File_Name);
    layout->addLayout(middle);
    layout->addWidget(memoLabel);
    layout->addWidget(ImageMemo);
    layout->addLayout(buttons.layout);

    connect(Browse_Btn, &QPushButton::clicked, this, &TImageFrm::Browse_BtnClick);
    connect(Include_Path_RAD, &QCheckBox::toggled, this, &TImageFrm::Include_Path_RADClick);
    Image_FileName->setFocus();
}

void TImageFrm::setMemo(const QString& crlfText) {
    setMemoText(ImageMemo, crlfText);
}

void TImageFrm::Browse_BtnClick() {
    Full_File_Name->clear();
    FileDialogOptions chooser;
    chooser.directory = pictureBrowseFolder(place_);
    chooser.filter = pictureFilter(kImageFilters);
    const std::optional<QString> path = prompter_.openFileName(chooser);
    if (!path)
        return;
    Full_File_Name->setText(*path);
    Image_FileName->setText(Include_Path_RAD->isChecked() ? *path : pictureName(*path, place_.documentPath));
    if (place_.picked)
        place_.picked(directoryOf(*path));
}

void TImageFrm::Include_Path_RADClick() {
    const QString full = Full_File_Name->text();
    Image_FileName->setText(Include_Path_RAD->isChecked() ? makeHTMLPath(full)
                                                          : pictureName(full, place_.documentPath));
}

void TImageFrm::Cancel_BtnClick() {
    Image_FileName->clear();
    ImageMemo->clear();
    reject();
}

ImageFields TImageFrm::fields() const {
    ImageFields f;
    f.fileName = Image_FileName->text();
    f.horizontalSpace = Horizontal_Space->text();
    f.verticalSpace = Vertical_Space->text();
    f.width = Image_Width->text();
    f.height = Image_Height->text();
    f.border = Border->text();
    f.left = LEFT_RAD->isChecked();
    f.right = Right_RAD->isChecked();
    f.top = Top_RAD->isChecked();
    f.middle = Middle_RAD->isChecked();
    f.bottom = Bottom_RAD->isChecked();
    f.textTop = TextTop_RAD->isChecked();
    f.absMiddle = ABSMIDDLE_RAD->isChecked();
    f.absBottom = AbsBottom_RAD->isChecked();
    f.memo = memoText(ImageMemo);
    return f;
}

std::optional<QString> runImageDialog(Prompter& prompter, const PicturePlace& place, const QString& selText,
                                      QWidget* parent) {
    TImageFrm dialog(prompter, place, parent);
    dialog.setMemo(selText);
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return makeImageTag(dialog.fields());
}

} // namespace zorvel
