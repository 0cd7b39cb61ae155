// Templates, the options dialog, the editor font and the external browsers.
#include "mainu1.h"
#include "settings_keys.h"

#include "external_browser.h"
#include "hint_switch.h"
#include "optionu.h"
#include "tempmku.h"

#include <QCoreApplication>
#include <QTabBar>
#include <QToolButton>

namespace zorvel {

void TMainFrm::storeOption(const QString& key, bool on) {
    guarded([&] { settings().writeBool(kOptions, key, on); }, {.withReason = false});
}

void TMainFrm::setHints(bool shown, const QColor& colour) {
    hints_->setEnabled(shown);
    hints_->setColour(colour);
}

void TMainFrm::SaveAsTemplate1Click() {
    TEditForm* form = ActiveDocument();
    if (!form)
        return;
    guarded([&] {
        const auto saved = saveAsTemplate(prompter(), settings(), programDir(), this);
        if (!saved)
            return;
        // The document now belongs to the template file; its tab keeps its text.
        session_->write(*form, saved->path);
        form->FileName = saved->path;
        form->setCaption(templateCaption(saved->number));
        form->MemoPad->setModified(false);
        if (form == ActiveDocument())
            Save_Btn->setEnabled(false);
        if (!FileHistory().isEmpty())
            FileHistory().moveToTop(saved->path);
    });
}

void TMainFrm::Defineoptions1Click() {
    const bool done = guarded([&] {
        const auto result = runOptionsDialog(prompter(), settings(), programDir(), this);
        if (result) {
            emailAddress_ = result->emailAddress;
            showBrowserButton(1, result->browser1, false);
            showBrowserButton(2, result->browser2, false);
            setHints(result->showHints, result->hintColor);
        }
    });
    if (!done)
        return;
    QCoreApplication::processEvents();
    FormResize();
    QCoreApplication::processEvents();
}

void TMainFrm::Font1Click() {
    if (DocumentCount() == 0)
        return;
    const auto chosen = prompter().font(editorFont_.value_or(ActiveDocument()->MemoPad->font()));
    if (chosen) {
        editorFont_ = *chosen;
        for (TEditForm* form : windowOrder())
            form->MemoPad->setFont(*chosen);
    }
    TSRichEdit* memo = ActiveDocument()->MemoPad;
    memo->viewport()->update();
    memo->SetFocus();
}

void TMainFrm::previewInBrowser(int slot, const QString& label) {
    TEditForm* form = ActiveDocument();
    BrowserPreviewInput in;
    in.slot = slot;
    in.labelText = label;
    // Blanks around the stored path are no part of the program's name.
    in.browserExists = !trimBlanks(label).isEmpty() && env_.exists(trimBlanks(label));
    in.documentOpen = form != nullptr;
    in.documentFileName = form ? form->FileName : QString();
    in.modified = form && form->MemoPad->Modified();
    in.programDir = programDir();
    const BrowserPreviewPlan plan = planBrowserPreview(in);
    if (plan.action == BrowserPreviewAction::Nothing)
        return;
    BrowserPreviewDocument document;
    document.save = [this, form] {
        Save1Click();
        // A failed or cancelled save keeps the page changed: the browser would show
        // an old file as if it were the text in the editor. The save has said why.
        return !form->MemoPad->Modified();
    };
    document.text = [form] { return form->MemoPad->Text(); };
    document.encoding = form->MemoPad->fileFormat().encoding;
    guarded([&] { carryOutBrowserPreview(plan, document); }); // a failed start stays silent
}

void TMainFrm::Browser_Btn1Click() {
    previewInBrowser(1, Browser_Address1);
}
void TMainFrm::Browser_Btn2Click() {
    previewInBrowser(2, Browser_Address2);
}

} // namespace zorvel
