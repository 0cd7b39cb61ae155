#include "tempmku.h"

#include "dialog_frame.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace zorvel {

static constexpr const char* kHeading = "Save as a Template";
static constexpr const char* kListHint = "List of avialable templates";
static constexpr const char* kNameLabel = "&Template Identifier";
static constexpr const char* kNameHint = "Name for template.";
static constexpr const char* kDescrLabel = "&Description of the Template";
static constexpr const char* kDescrHint = "Description of selected template";

TMakeTemp::TMakeTemp(const TemplateIndex& index, QWidget* parent) : QDialog(parent), index_(index) {
    setObjectName(QStringLiteral("TMakeTemp"));
    prepareDialog(*this, QString::fromLatin1(kHeading));

    Template_List = new QListWidget(this);
    Template_List->setObjectName(QStringLiteral("Template_List"));
    Template_List->setToolTip(QString::fromLatin1(kListHint));

    Template_Name = new QLineEdit(this);
    Template_Name->setObjectName(QStringLiteral("Template_Name"));
    Template_Name->setToolTip(QString::fromLatin1(kNameHint));

    Template_Descr = new QPlainTextEdit(this);
    Template_Descr->setObjectName(QStringLiteral("Template_Descr"));
    Template_Descr->setToolTip(QString::fromLatin1(kDescrHint));
    Template_Descr->setTabChangesFocus(true);
    Template_Descr->setFixedHeight(Template_Descr->fontMetrics().height() * 5);

    auto* body = dialogBodyWithHeading(*this, QString::fromLatin1(kHeading));
    body->addWidget(Template_List, 1);
    auto* nameLabel = new QLabel(QString::fromLatin1(kNameLabel), this);
    nameLabel->setBuddy(Template_Name);
    body->addWidget(nameLabel);
    body->addWidget(Template_Name);
    auto* descrLabel = new QLabel(QString::fromLatin1(kDescrLabel), this);
    descrLabel->setBuddy(Template_Descr);
    body->addWidget(descrLabel);
    body->addWidget(Template_Descr);
    addOkCancelButtons(*this, *body);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);

    connect(Template_List, &QListWidget::itemClicked, this, [this] { Template_ListClick(); });
}

void TMakeTemp::fillList() {
    std::vector<TemplateEntry> entries = index_.usableTemplates();
    std::stable_sort(entries.begin(), entries.end(), [](const TemplateEntry& a, const TemplateEntry& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    for (const TemplateEntry& entry : entries) {
        Template_List->addItem(entry.name);
        numbers_.push_back(entry.number);
    }
    if (index_.hasTemplates() && Template_List->count() > 0)
        Template_List->setCurrentRow(0);
    // Selecting the first entry fills nothing in; after that, moving with the keys
    // works like a click.
    connect(Template_List, &QListWidget::currentRowChanged, this, [this] { Template_ListClick(); });
}

QString TMakeTemp::templateName() const {
    return Template_Name->text();
}
QString TMakeTemp::templateDescription() const {
    return Template_Descr->toPlainText();
}

void TMakeTemp::Template_ListClick() {
    const int row = Template_List->currentRow();
    if (row < 0 || row >= static_cast<int>(numbers_.size()))
        return;
    const TemplateEntry entry = index_.entry(numbers_[static_cast<size_t>(row)]);
    Template_Name->setText(Template_List->item(row)->text());
    if (!entry.description.isEmpty())
        Template_Descr->setPlainText(entry.description);
}

std::optional<SavedTemplate> saveAsTemplate(Prompter& prompter, const IniProfile& ini, const QString& programDir,
                                            QWidget* parent) {
    const TemplateIndex index(ini, programDir);
    TMakeTemp dialog(index, parent);
    dialog.fillList();
    if (prompter.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    const QString name = dialog.templateName();
    if (name.trimmed().isEmpty())
        return std::nullopt;
    const int number = index.store(name, dialog.templateDescription());
    return SavedTemplate{number, TemplateIndex::filePath(programDir, number)};
}

QString templateCaption(int number) {
    return QLatin1String("temp") + QString::number(number) + QLatin1String(".tpl");
}

} // namespace zorvel
