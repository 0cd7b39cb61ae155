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

namespace {

// Carrying out a preview stops here when the Save command did not save: it has said why.
struct SaveDidNotSave {};

} // namespace

void TMainFrm::storeOption(const QString& key, bool on) {
    try {
        settings().writeBool(kOptions, key, on);
    } catch (const std::exception& e) {
        prompter().notice(QString::fromStdString(e.what()), MessageIcon::Error);
    }
}

void TMainFrm::setHints(bool shown, const QColor& colour) {
    hints_->setEnabled(shown);
    hints_->setColour(colour);
}

void TMainFrm::SaveAsTemplate1Click() {
    TEditForm* form = ActiveDocument();
    if (!form)
        return;
    try {
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
    } catch (const std::exception& e) {
        showError(e);
    }
}

void TMainFrm::Defineoptions1Click() {
    try {
        const auto result = runOptionsDialog(prompter(), settings(), programDir(), this);
        if (result) {
            emailAddress_ = result->emailAddress;
            showBrowserButton(1, result->browser1, false);
            showBrowserButton(2, result->browser2, false);
            setHints(result->showHints, result->hintColor);
        }
    } catch (const std::exception& e) {
        showError(e);
        return;
    }
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

static void previewInBrowser(TMainFrm& frm, int slot, const QString& label, const FileExists& exists) {
    TEditForm* form = frm.ActiveDocument();
    BrowserPreviewInput in;
    in.slot = slot;
    in.labelText = label;
    // Blanks around the stored path are no part of the program's name.
    in.browserExists = !trimBlanks(label).isEmpty() && exists(trimBlanks(label));
    in.documentOpen = form != nullptr;
    in.documentFileName = form ? form->FileName : QString();
    in.modified = form && form->MemoPad->Modified();
    in.programDir = frm.programDir();
    const BrowserPreviewPlan plan = planBrowserPreview(in);
    if (plan.action == BrowserPreviewAction::Nothing)
        return;
    BrowserPreviewDocument document;
    document.save = [&frm, form] {
        frm.Save1Click();
        // A failed or cancelled save keeps the page changed: the browser would show
        // an old file as if it were the text in the editor.
        if (form->MemoPad->Modified())
            throw SaveDidNotSave{};
    };
    document.text = [form] { return form->MemoPad->Text(); };
    document.encoding = form->MemoPad->fileFormat().encoding;
    try {
        carryOutBrowserPreview(plan, document); // a failed start stays silent
    } catch (const SaveDidNotSave&) {
    } catch (const std::exception& e) {
        frm.showError(e);
    }
}

void TMainFrm::Browser_Btn1Click() {
    previewInBrowser(*this, 1, Browser_Address1, env_.exists);
}
void TMainFrm::Browser_Btn2Click() {
    previewInBrowser(*this, 2, Browser_Address2, env_.exists);
}

} // namespace zorvel
