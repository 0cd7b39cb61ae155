#include "bkgrndu.h"

#include "dialog_kit.h"

#include "image_tag.h"
#include "path_rules.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace zorvel {

namespace {

constexpr const char* kInstructions =
    "When you use this option, make sure you have your cursor set just before the > of the <BODY> tag. This will "
    "enable you add whatever backgrounds attributes you want, without destroying other attributes already there.";
constexpr const char* kImageFilters = "GIF Files (*.gif);;JPEG Files (*.jpg);;PNG Files (*.png);;All Files (*)";

// Object names: check box, red, green, blue, sample, picker.
constexpr const char* kTextNames[6] = {"TextClrs",      "RedSpinEdit2", "GreenSpinEdit2",
                                       "BlueSpinEdit2", "Text_Colours", "SpeedButton4"};
constexpr const char* kBackgroundNames[6] = {"BackGroundClrs", "RedSpinEdit1",       "GreenSpinEdit1",
                                             "BlueSpinEdit1",  "Background_Colours", "SpeedButton2"};
constexpr const char* kLinkNames[6] = {"LinkClrs",      "RedSpinEdit3",     "GreenSpinEdit3",
                                       "BlueSpinEdit3", "Hot_Spot_Colours", "SpeedButton3"};

QSpinBox* colourBox(const char* name, int value) {
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(0, 255);
    box->setValue(value);
    box->setEnabled(false);
    return box;
}

} // namespace

QWidget* TBackGroundFrm::makeColourGroup(ColourGroup& g, const char* const names[6], const char* caption, Rgb start,
                                         const char* frameName, SampleUpdates updates) {
    auto* row = new QWidget;
    g.check = new QCheckBox(QLatin1String(caption));
    g.check->setObjectName(QLatin1String(names[0]));
    g.red = colourBox(names[1], start.red);
    g.green = colourBox(names[2], start.green);
    g.blue = colourBox(names[3], start.blue);
    g.sample = new QFrame;
    g.sample->setObjectName(QLatin1String(names[4]));
    g.sample->setFrameShape(QFrame::Box);
    g.sample->setFixedSize(48, 26);
    g.sample->setAutoFillBackground(true);
    showSample(g, start);
    g.picker = new QToolButton;
    g.picker->setObjectName(QLatin1String(names[5]));
    g.picker->setText(QStringLiteral("Colour..."));
    g.picker->setEnabled(false);

    auto* boxes = new QFrame;
    if (frameName) {
        g.frame = boxes;
        boxes->setObjectName(QLatin1String(frameName));
        boxes->setEnabled(false);
    }
    auto* boxRow = new QHBoxLayout(boxes);
    boxRow->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, QSpinBox*> parts[] = {{"Red", g.red}, {"Green", g.green}, {"Blue", g.blue}};
    for (const auto& [label, box] : parts) {
        boxRow->addWidget(labelFor(label, box));
        boxRow->addWidget(box);
    }

    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(g.check, 0, 0, 1, 3);
    layout->addWidget(boxes, 1, 0);
    layout->addWidget(g.sample, 1, 1);
    layout->addWidget(g.picker, 1, 2);
    layout->setColumnStretch(0, 1);

    connect(g.check, &QCheckBox::toggled, this, [this, &g] { switchGroup(g); });
    connect(g.picker, &QToolButton::clicked, this, [this, &g] { pickColour(g); });
    // The link group's sample follows only its red box.
    QList<QSpinBox*> followed{g.red};
    if (updates == SampleUpdates::AllBoxes)
        followed << g.green << g.blue;
    for (QSpinBox* box : followed)
        connect(box, &QSpinBox::valueChanged, this, [&g] { showSample(g, rgbOf(g)); });
    return row;
}

TBackGroundFrm::TBackGroundFrm(Prompter& prompter, PicturePlace place, QWidget* parent)
    : QDialog(parent), prompter_(prompter), place_(std::move(place)) {
    setObjectName(QStringLiteral("BackGroundFrm"));
    setWindowTitle(QStringLiteral("Background settings"));

    auto* instructions = new QLabel(QLatin1String(kInstructions));
    instructions->setTextFormat(Qt::PlainText); // it names the <BODY> tag
    instructions->setWordWrap(true);

    auto* colours = new QGroupBox;
    auto* colourColumn = new QVBoxLayout(colours);
    colourColumn->addWidget(
        makeColourGroup(text_, kTextNames, "Set Text Colours", {0, 0, 0}, nullptr, SampleUpdates::AllBoxes));
    colourColumn->addWidget(makeColourGroup(background_, kBackgroundNames, "Background colours", {255, 255, 255},
                                            "BackGround_Frame", SampleUpdates::AllBoxes));
    colourColumn->addWidget(
        makeColourGroup(link_, kLinkNames, "Link Colours", {0, 0, 255}, nullptr, SampleUpdates::RedOnly));

    auto* imageGroup = new QGroupBox(QStringLiteral("Background Image"));
    ImageFileName = new QLineEdit;
    ImageFileName->setObjectName(QStringLiteral("ImageFileName"));
    SpeedButton1 = new QToolButton;
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setToolTip(QStringLiteral("Browse for image file "));
    HTMLFormatCheckBox = new QCheckBox(QStringLiteral("Store in HTML format"));
    HTMLFormatCheckBox->setObjectName(QStringLiteral("HTMLFormatCheckBox"));
    ImagePath = new QLineEdit;
    ImagePath->setObjectName(QStringLiteral("ImagePath"));
    ImagePath->hide();
    auto* imageGrid = new QGridLayout(imageGroup);
    imageGrid->addWidget(labelFor("Name of image file :", ImageFileName), 0, 0);
    imageGrid->addWidget(ImageFileName, 0, 1);
    imageGrid->addWidget(SpeedButton1, 0, 2);
    imageGrid->addWidget(HTMLFormatCheckBox, 1, 1);
    imageGrid->addWidget(ImagePath, 2, 1);
    imageGrid->setColumnStretch(1, 1);

    const OkCancelRow buttons = makeOkCancelRow(this);
    OK_Btn = buttons.ok;
    Cancel_Btn = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructions);
    layout->addWidget(colours);
    layout->addWidget(imageGroup);
    layout->addLayout(buttons.layout);
    setMinimumWidth(440);

    connect(SpeedButton1, &QToolButton::clicked, this, &TBackGroundFrm::SpeedButton1Click);
    connect(HTMLFormatCheckBox, &QCheckBox::toggled, this, &TBackGroundFrm::HTMLFormatCheckBoxClick);
    OK_Btn->setFocus();
}

void TBackGroundFrm::switchGroup(ColourGroup& g) {
    const bool on = g.check->isChecked();
    for (QSpinBox* box : {g.red, g.green, g.blue})
        box->setEnabled(on);
    if (g.frame)
        g.frame->setEnabled(on);
    g.picker->setEnabled(true); // once switched, the picker stays available
}

Rgb TBackGroundFrm::rgbOf(const ColourGroup& g) {
    return {g.red->value(), g.green->value(), g.blue->value()};
}

void TBackGroundFrm::showSample(const ColourGroup& g, const Rgb& rgb) {
    QPalette palette = g.sample->palette();
    palette.setColor(QPalette::Window, QColor(rgb.red, rgb.green, rgb.blue));
    g.sample->setPalette(palette);
}

void TBackGroundFrm::pickColour(ColourGroup& g) {
    const QColor current = g.sample->palette().color(QPalette::Window);
    const std::optional<QColor> chosen = prompter_.color(current);
    if (!chosen)
        return;
    // The boxes take the colour quietly, so the sample shows the chosen colour
    // and not a mixture of new and old components.
    for (const auto& [box, value] :
         {std::pair{g.red, chosen->red()}, std::pair{g.green, chosen->green()}, std::pair{g.blue, chosen->blue()}}) {
        const QSignalBlocker block(box);
        box->setValue(value);
    }
    showSample(g, {chosen->red(), chosen->green(), chosen->blue()});
}

void TBackGroundFrm::SpeedButton1Click() {
    FileDialogOptions chooser;
    chooser.title = QStringLiteral("Image to select ..");
    chooser.directory = pictureBrowseFolder(place_);
    chooser.filter = pictureFilter(kImageFilters);
    const std::optional<QString> path = prompter_.openFileName(chooser);
    if (!path)
        return;
    ImagePath->setText(*path);
    ImageFileName->setText(HTMLFormatCheckBox->isChecked() ? makeHTMLPath(*path)
                                                           : pictureName(*path, place_.documentPath));
    if (place_.picked)
        place_.picked(directoryOf(*path));
}

void TBackGroundFrm::HTMLFormatCheckBoxClick() {
    const QString path = ImagePath->text().trimmed();
    if (path.isEmpty())
        return;
    ImageFileName->setText(HTMLFormatCheckBox->isChecked() ? makeHTMLPath(path)
                                                           : pictureName(path, place_.documentPath));
}

BackgroundFields TBackGroundFrm::fields() const {
    BackgroundFields f;
    f.textOn = text_.check->isChecked();
    f.text = rgbOf(text_);
    f.backgroundOn = background_.check->isChecked();
    f.background = rgbOf(background_);
    f.linkOn = link_.check->isChecked();
    f.link = rgbOf(link_);
    f.imageName = ImageFileName->text();
    return f;
}

std::optional<QString> runBackgroundDialog(Prompter& prompter, const PicturePlace& place, QWidget* parent) {
    TBackGroundFrm dialog(prompter, place, parent);
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return makeBackgroundText(dialog.fields());
}

} // namespace zorvel
