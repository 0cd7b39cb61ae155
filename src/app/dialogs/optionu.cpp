#include "optionu.h"

#include "dialog_frame.h"
#include "dialog_kit.h"
#include "error_box.h"
#include "path_rules.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace zorvel {

static constexpr const char* kCaption = "Options";
static constexpr const char* kLabel4 =
    "Specify the location of your web-browser(s). This information is need so that you can preview your files.";
static constexpr const char* kLabel6 =
    "NOTE : When looking for netscape,  look for \"netscape.exe\", and when looking for  Internet Explorer look "
    "for \"iexplore.exe\" under \"/Program Files\"";
static constexpr const char* kEmailLabel = "&Your email address :";
static constexpr const char* kEmailHint = "Enter your e-mail address here.";
static constexpr const char* kBrowser1Label = "Location of &Browser No 1:";
static constexpr const char* kBrowser2Label = "Location of &Browser No 2:";
static constexpr const char* kBrowserHint = "Enter the location of your favourite web-browser here.";
static constexpr const char* kBrowseHint = "Find your browser.";
static constexpr const char* kFlyByGroup = "Fly-By Help";
static constexpr const char* kFlyByCheck = "&Enable Fly-By Help";
static constexpr const char* kColourLabel = "&Colour :";
static constexpr const char* kColourHint = "Colour of the Fly-By Hints.";
static constexpr const char* kSelectColour = "&Select a colour";

static QLineEdit* makeEdit(QWidget* parent, const char* name, const char* hint) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(QString::fromLatin1(hint));
    return edit;
}

static QToolButton* makeBrowseButton(QWidget* parent, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(kBrowseHint));
    button->setIcon(parent->style()->standardIcon(QStyle::SP_DirOpenIcon));
    return button;
}

static QLabel* makeWrappedLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

TOptionFrm::TOptionFrm(Prompter& prompter, QString programDir, QWidget* parent)
    : QDialog(parent), prompter_(prompter), programDir_(std::move(programDir)) {
    setObjectName(QStringLiteral("TOptionFrm"));
    prepareDialog(*this, QString::fromLatin1(kCaption));
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    setFont(arial);

    Label4 = makeWrappedLabel(this, "Label4", QString::fromLatin1(kLabel4));
    Label6 = makeWrappedLabel(this, "Label6", QString::fromLatin1(kLabel6));
    Your_Email_Address = makeEdit(this, "Your_Email_Address", kEmailHint);
    Browser_Address = makeEdit(this, "Browser_Address", kBrowserHint);
    Browser_Address_2 = makeEdit(this, "Browser_Address_2", kBrowserHint);
    SpeedButton2 = makeBrowseButton(this, "SpeedButton2");
    Browse_Btn = makeBrowseButton(this, "Browse_Btn");

    auto* fields = new QGridLayout;
    const auto addRow = [&](int row, const char* text, QLineEdit* edit, QToolButton* button) {
        auto* label = new QLabel(QString::fromLatin1(text), this);
        label->setBuddy(edit);
        fields->addWidget(label, row, 0);
        fields->addWidget(edit, row, 1, 1, button ? 1 : 2);
        if (button)
            fields->addWidget(button, row, 2);
    };
    addRow(0, kEmailLabel, Your_Email_Address, nullptr);
    addRow(1, kBrowser1Label, Browser_Address, SpeedButton2);
    addRow(2, kBrowser2Label, Browser_Address_2, Browse_Btn);
    fields->setColumnStretch(1, 1);

    auto* group = new QGroupBox(QString::fromLatin1(kFlyByGroup), this);
    FlyByCheckBox = new QCheckBox(QString::fromLatin1(kFlyByCheck), group);
    FlyByCheckBox->setObjectName(QStringLiteral("FlyByCheckBox"));
    Shape1 = new QFrame(group);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setToolTip(QString::fromLatin1(kColourHint));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setAutoFillBackground(true);
    Shape1->setFixedSize(fontMetrics().height() * 3, fontMetrics().height() + 8);
    SpeedButton1 = new QPushButton(QString::fromLatin1(kSelectColour), group);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    auto* colourLabel = new QLabel(QString::fromLatin1(kColourLabel), group);
    colourLabel->setBuddy(SpeedButton1);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(FlyByCheckBox);
    groupLayout->addStretch(1);
    groupLayout->addWidget(colourLabel);
    groupLayout->addWidget(Shape1);
    groupLayout->addWidget(SpeedButton1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label4);
    layout->addWidget(Label6);
    layout->addSpacing(6);
    layout->addLayout(fields);
    layout->addWidget(group);
    const OkCancelRow buttons = makeOkCancelRow(this, [this] { OK_BtnClick(); });
    layout->addLayout(buttons.layout);
    setMinimumWidth(fontMetrics().averageCharWidth() * 80);

    connect(FlyByCheckBox, &QCheckBox::toggled, this, [this] { FlyByCheckBoxClick(); });
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(Browse_Btn, &QToolButton::clicked, this, [this] { Browse_BtnClick(); });
    showColor(colorFromNumber(65535));
    FlyByCheckBoxClick();
}

void TOptionFrm::FormShow(const IniProfile& ini) {
    ini_ = &ini;
    setFields(readOptionsFields(ini));
}

void TOptionFrm::setFields(const OptionsFields& f) {
    Browser_Address->setText(f.browser1);
    Browser_Address_2->setText(f.browser2);
    Your_Email_Address->setText(f.emailAddress);
    FlyByCheckBox->setChecked(f.showHints);
    showColor(f.hintColor);
    FlyByCheckBoxClick();
}

OptionsFields TOptionFrm::fields() const {
    return {Your_Email_Address->text(), Browser_Address->text(), Browser_Address_2->text(), FlyByCheckBox->isChecked(),
            hintColor_};
}

void TOptionFrm::FlyByCheckBoxClick() {
    const bool on = FlyByCheckBox->isChecked();
    SpeedButton1->setEnabled(on);
    Shape1->setEnabled(on);
}

void TOptionFrm::showColor(const QColor& color) {
    hintColor_ = color;
    QPalette palette = Shape1->palette();
    palette.setColor(QPalette::Window, color);
    Shape1->setPalette(palette);
}

void TOptionFrm::SpeedButton1Click() {
    if (const auto chosen = prompter_.color(hintColor_))
        showColor(*chosen);
}

void TOptionFrm::browseInto(QLineEdit& edit) {
    FileDialogOptions chooser;
    chooser.directory = programDir_;
    chooser.filter = browserFileFilter();
    if (const auto chosen = prompter_.openFileName(chooser))
        edit.setText(storedPathForm(*chosen));
}

void TOptionFrm::SpeedButton2Click() {
    browseInto(*Browser_Address);
}
void TOptionFrm::Browse_BtnClick() {
    browseInto(*Browser_Address_2);
}

void TOptionFrm::OK_BtnClick() {
    if (!ini_)
        return;
    if (guarded(prompter_, [&] { stored_ = storeOptions(fields(), *ini_, programDir_); }))
        accept();
}

std::optional<OptionsResult> runOptionsDialog(Prompter& prompter, const IniProfile& ini, const QString& programDir,
                                              QWidget* parent) {
    TOptionFrm dialog(prompter, programDir, parent);
    dialog.FormShow(ini);
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.stored();
}

} // namespace zorvel
