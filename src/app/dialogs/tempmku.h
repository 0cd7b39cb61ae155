#pragma once
// "Save As Template": the dialog that names the template, and the command's
// storage step (keys, directory, file path) that runs after OK.
#include "ini_profile.h"
#include "prompter.h"
#include "template_index.h"

#include <QDialog>
#include <optional>
#include <vector>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace zorvel {

class TMakeTemp : public QDialog {
    Q_OBJECT
public:
    TMakeTemp(const TemplateIndex& index, QWidget* parent = nullptr);

    // Usable templates' names in alphabetical order; the first is selected.
    void fillList();
    QString templateName() const;
    QString templateDescription() const;

    void Template_ListClick();

private:
    const TemplateIndex& index_;
    QListWidget* Template_List;
    QLineEdit* Template_Name;
    QPlainTextEdit* Template_Descr;
    std::vector<int> numbers_; // template number of each list entry
};

struct SavedTemplate {
    int number = 0;
    QString path; // where the document's text goes
};

// Shows TMakeTemp; on OK with a name that is not only blanks, stores the keys and
// creates the template directory. Nothing when cancelled or without a name.
// Throws IniWriteError or TemplateDirectoryError.
std::optional<SavedTemplate> saveAsTemplate(Prompter& prompter, const IniProfile& ini, const QString& programDir,
                                            QWidget* parent);

// The caption of a document that has become template number k ("temp3.tpl").
QString templateCaption(int number);

} // namespace zorvel
