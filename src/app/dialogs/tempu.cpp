#include "tempu.h"

#include "dialog_frame.h"
#include "dialog_kit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorvel {

static constexpr const char* kHeading = "Select a Template.";
static constexpr const char* kListHint = "List of avialble templates";
static constexpr const char* kDescrHint = "Description of selected template";
static constexpr const char* kBlankCaption = "&Blank page";

TGetTemp::TGetTemp(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TGetTemp"));
    prepareDialog(*this, QString::fromLatin1(kHeading));

    Template_List = new QListWidget(this);
    Template_List->setObjectName(QStringLiteral("Template_List"));
    Template_List->setToolTip(QString::fromLatin1(kListHint));

    Template_Descr = new QLabel(this);
    Template_Descr->setObjectName(QStringLiteral("Template_Descr"));
    Template_Descr->setToolTip(QString::fromLatin1(kDescrHint));
    Template_Descr->setWordWrap(true);
    Template_Descr->setFrameShape(QFrame::StyledPanel);
    Template_Descr->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Template_Descr->setMinimumHeight(Template_Descr->fontMetrics().height() * 3);

    auto* body = dialogBodyWithHeading(*this, QString::fromLatin1(kHeading));
    body->addWidget(Template_List, 1);
    body->addWidget(Template_Descr);
    // Once templates exist New always comes here; the blank page stays one click away.
    const OkCancelRow row = makeOkCancelRow(this);
    auto* blank = new QPushButton(QString::fromLatin1(kBlankCaption), this);
    blank->setObjectName(QStringLiteral("Blank_Btn"));
    blank->setAutoDefault(false);
    row.layout->insertWidget(row.layout->indexOf(row.ok), blank);
    body->addLayout(row.layout);
    connect(blank, &QPushButton::clicked, this, [this] { done(kBlankPage); });
    setMinimumWidth(fontMetrics().averageCharWidth() * 55);

    connect(Template_List, &QListWidget::itemClicked, this, [this] { Template_ListClick(); });
    connect(Template_List, &QListWidget::currentRowChanged, this, [this](int row) {
        // Moving with the keys chooses the entry as a click does.
        if (QListWidgetItem* item = Template_List->item(row))
            item->setSelected(true);
        Template_ListClick();
    });
}

void TGetTemp::appendTemplate(const TemplateEntry& entry) {
    Template_List->addItem(entry.name);
    files_.push_back(entry.file);
    descriptions_.push_back(entry.description);
}

QString TGetTemp::selectedFile() const {
    const int row = Template_List->currentRow();
    if (row < 0 || row >= count() || !Template_List->item(row)->isSelected())
        return {};
    return files_[static_cast<size_t>(row)];
}

void TGetTemp::Template_ListClick() {
    const int row = Template_List->currentRow();
    if (row >= 0 && row < count())
        Template_Descr->setText(descriptions_[static_cast<size_t>(row)]);
}

TemplateChoice chooseTemplate(Prompter& prompter, const IniProfile& ini, const QString& programDir, QWidget* parent) {
    const TemplateIndex index(ini, programDir);
    if (!index.hasTemplates())
        return {TemplateChoiceKind::NoTemplates, {}};
    TGetTemp dialog(parent);
    for (const TemplateEntry& entry : index.usableTemplates())
        dialog.appendTemplate(entry);
    if (dialog.count() == 0)
        return {TemplateChoiceKind::NoUsable, {}};
    const int result = prompter.exec(dialog);
    if (result == TGetTemp::kBlankPage)
        return {TemplateChoiceKind::BlankPage, {}};
    if (result != QDialog::Accepted)
        return {TemplateChoiceKind::Cancelled, {}};
    const QString file = dialog.selectedFile();
    if (file.isEmpty())
        return {TemplateChoiceKind::Cancelled, {}};
    return {TemplateChoiceKind::Chosen, file};
}

} // namespace zorvel
