#pragma once
// The template chooser that New shows: usable templates in number order, the
// selected one's description below the list, and a way to the blank page.
#include "ini_profile.h"
#include "prompter.h"
#include "template_index.h"

#include <QDialog>
#include <vector>

class QLabel;
class QListWidget;

namespace zorvel {

class TGetTemp : public QDialog {
    Q_OBJECT
public:
    explicit TGetTemp(QWidget* parent = nullptr);
    // What the dialog ends with when the user asks for the blank page instead.
    static constexpr int kBlankPage = 2;

    void appendTemplate(const TemplateEntry& entry);
    int count() const { return static_cast<int>(files_.size()); }
    // The file of the selected entry; empty when nothing is selected.
    QString selectedFile() const;

    void Template_ListClick();

private:
    QListWidget* Template_List;
    QLabel* Template_Descr;
    // Beside the list, position for position.
    std::vector<QString> files_;
    std::vector<QString> descriptions_;
};

enum class TemplateChoiceKind { NoTemplates, NoUsable, Cancelled, Chosen, BlankPage };

struct TemplateChoice {
    TemplateChoiceKind kind = TemplateChoiceKind::Cancelled;
    QString path;
};

// Reads the index and, when there is something to choose, asks. OK with nothing
// selected counts as Cancel.
TemplateChoice chooseTemplate(Prompter& prompter, const IniProfile& ini, const QString& programDir, QWidget* parent);

} // namespace zorvel
