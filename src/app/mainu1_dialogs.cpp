// The commands that open the authoring dialogs, templates and the about box.
#include "mainu1.h"

#include "app_messages.h"
#include "bkgrndu.h"
#include "formsu.h"
#include "imageu.h"
#include "linkfrmu.h"
#include "links.h"
#include "markup.h"
#include "messages.h"
#include "table_viewer.h"
#include "tableu.h"
#include "tempu.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QToolButton>

namespace zorvel {

void TMainFrm::Find_All_BookMarks(TEditForm& form) {
    if (DocumentCount() == 0)
        return;
    guarded(kFindAllBookMarksFailure, Timer::SwitchOff,
            [&] { findAllBookMarks(form.MemoPad->Text(), form.BookMarks); });
}

TEditForm* TMainFrm::newFromTemplate() {
    const TemplateChoice choice = chooseTemplate(prompter(), settings(), programDir(), this);
    switch (choice.kind) {
    case TemplateChoiceKind::NoTemplates:
    case TemplateChoiceKind::NoUsable:
    case TemplateChoiceKind::BlankPage:
        CreateBlankHTMLFile();
        EnableDocumentCommands();
        return ActiveDocument();
    case TemplateChoiceKind::Cancelled:
        return nullptr;
    case TemplateChoiceKind::Chosen:
        break;
    }
    TEditForm* form = OpenDocument(choice.path, false);
    form->FileName.clear();
    form->MemoPad->setModified(false);
    form->setCaption(QLatin1String(kUntitledTemplate));
    addTab(form, form->caption());
    EnableDocumentCommands();
    return form;
}

PicturePlace TMainFrm::picturePlace(const TEditForm& form) {
    PicturePlace place;
    place.documentPath = form.FileName;
    place.lastFolder = settings().readString(kFilesSection, kPictureDirKey, QString());
    place.fallbackFolder = programDir();
    place.picked = [this](const QString& folder) {
        try {
            settings().writeString(kFilesSection, kPictureDirKey, folder);
        } catch (const std::exception&) {
            // Only the start folder of the next browse is lost.
        }
    };
    return place;
}

void TMainFrm::markChanged(TSRichEdit& memo) {
    memo.setModified(true);
    Save_Btn->setEnabled(true);
}

void TMainFrm::Link_Btn_Click(QObject*) {
    TEditForm* form = ActiveDocument();
    if (!form)
        return;
    TSRichEdit* memo = form->MemoPad;
    const bool ok = guarded(kLinkFailure, Timer::SwitchOff, [&] {
        const auto link = runLinkDialog(prompter(), settings(), form->BookMarks, memo->SelText(), this);
        if (!link)
            return;
        Save_Btn->setEnabled(true);
        memo->setSelText(*link);
        memo->SetFocus();
    });
    if (!ok) {
        memo->SetFocus();
        markChanged(*form->MemoPad);
    }
}

void TMainFrm::Image_BtnClick(QObject*) {
    TEditForm* form = ActiveDocument();
    if (!form)
        return;
    TSRichEdit* memo = form->MemoPad;
    guarded(kImageFailure, Timer::SwitchOff, [&] {
        const auto tag = runImageDialog(prompter(), picturePlace(*form), memo->SelText(), this);
        if (!tag)
            return;
        Save_Btn->setEnabled(true);
        memo->setSelText(*tag);
        markChanged(*form->MemoPad);
    });
}

void TMainFrm::Table_BtnClick(QObject*) {
    TEditForm* form = ActiveDocument();
    if (!form)
        return;
    TSRichEdit* memo = form->MemoPad;
    // No failure text of its own: a failure is told in the error box, in its own words.
    guarded([&] {
        const auto viewer = [this](QWidget* parent) {
            return makeHtmlTableView(parent, &prompter(), previewFontName(), previewFontSize());
        };
        const auto table = runTableDialog(prompter(), viewer, this);
        if (!table)
            return;
        memo->setSelText(*table);
        markChanged(*memo);
    });
}

void TMainFrm::Background1Click(QObject*) {
    TEditForm* form = ActiveDocument();
    if (!form)
        return;
    TSRichEdit* memo = form->MemoPad;
    guarded(kBackgroundFailure, Timer::SwitchOff, [&] {
        const auto attributes = runBackgroundDialog(prompter(), picturePlace(*form), this);
        if (attributes && !attributes->isEmpty())
            memo->setSelText(*attributes);
    });
    // OK, Cancel or a failure: the page counts as changed.
    memo->SetFocus();
    markChanged(*form->MemoPad);
}

void TMainFrm::Form_BtnClick(QObject* sender) {
    TEditForm* form = ActiveDocument();
    if (!form)
        return;
    TSRichEdit* memo = form->MemoPad;
    // A menu item opens the page of its tag; the tool boxes' buttons open the form itself.
    const int tag = qobject_cast<QAction*>(sender) ? commandNumber(sender) : 0;
    const FormPage page = tag > 0 && tag < kFormPageCount ? static_cast<FormPage>(tag) : FormPage::Skeleton;
    guarded(kFormFailure, Timer::SwitchOff, [&] {
        const auto fields = runFormDialog(prompter(), page, memo->SelText(), this);
        if (!fields)
            return;
        Save_Btn->setEnabled(true);
        if (const char* missing = missingFormFields(*fields)) {
            prompter().notice(QLatin1String(missing), MessageIcon::None);
            return;
        }
        const int start = memo->SelStart();
        const Insertion insertion = makeFormText(*fields);
        memo->setSelText(insertion.text);
        memo->setSelStart(start + insertion.caret);
        memo->SetFocus();
        markChanged(*memo);
    });
}

void TMainFrm::About1Click() {
    QMessageBox::about(
        this, QStringLiteral("About Zorvel"),
        QStringLiteral("<b>Zorvel</b> %1<br>An editor for HTML pages.").arg(QCoreApplication::applicationVersion()));
}

} // namespace zorvel
