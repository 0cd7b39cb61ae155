// The commands that open the authoring dialogs, templates and the about box.
#include "mainu1.h"

#include "app_messages.h"
#include "links.h"
#include "messages.h"
#include "tempu.h"

#include <QApplication>
#include <QMessageBox>

namespace zorvel {

void TMainFrm::Find_All_BookMarks(TEditForm& form) {
    if (DocumentCount() == 0)
        return;
    try {
        findAllBookMarks(form.MemoPad->Text(), form.BookMarks);
    } catch (...) {
        reportFailure(failureText(kFindAllBookMarksFailure), Timer::SwitchOff);
    }
}

TEditForm* TMainFrm::newFromTemplate() {
    const TemplateChoice choice = chooseTemplate(prompter(), settings(), this);
    switch (choice.kind) {
    case TemplateChoiceKind::NoTemplates:
    case TemplateChoiceKind::NoUsable:
        CreateBlankHTMLFile();
        EnableDocumentCommands();
        return ActiveDocument();
    case TemplateChoiceKind::Cancelled: return nullptr;
    case TemplateChoiceKind::Chosen: break;
    }
    TEditForm* form = OpenDocument(choice.path, false);
    form->FileName.clear();
    form->MemoPad->setModified(false);
    form->setCaption(QLatin1String(kUntitledTemplate));
    addTab(form, form->caption());
    EnableDocumentCommands();
    return form;
}

void TMainFrm::Link_Btn_Click(QObject*) {}
void TMainFrm::Image_BtnClick(QObject*) {}
void TMainFrm::Table_BtnClick(QObject*) {}
void TMainFrm::Background1Click(QObject*) {}

void TMainFrm::About1Click() {
    QMessageBox::about(this, QStringLiteral("About Zorvel"),
                       QStringLiteral("<b>Zorvel</b> %1<br>An editor for HTML pages.")
                           .arg(QCoreApplication::applicationVersion()));
}

} // namespace zorvel
