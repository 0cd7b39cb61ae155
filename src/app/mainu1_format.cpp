// The one-click markup commands: formats, headings, lists and the e-mail link.
#include "mainu1.h"

#include "markup.h"
#include "messages.h"
#include "toolbox.h"

#include <QComboBox>
#include <QToolButton>

namespace zorvel {

void TMainFrm::insertMarkup(const FailureMessage& failure, QObject* sender,
                            const std::function<std::optional<Insertion>(int, const QString&)>& make, int kind) {
    TEditForm* form = ActiveDocument();
    if (!form) {
        if (kind == kHeadingCommand)
            ToolBox->headingBox()->setCurrentIndex(0);
        else if (kind == kListCommand)
            ToolBox->listBox()->setCurrentIndex(0);
        return;
    }
    TSRichEdit* memo = form->MemoPad;
    guarded(failure, Timer::SwitchOff, [&] {
        Save_Btn->setEnabled(true);
        const int start = memo->SelStart();
        const int number = commandNumber(sender);
        if (kind != kFormatCommand && number == 0) {
            memo->SetFocus();
            return;
        }
        const auto insertion = make(number, memo->SelText());
        if (!insertion)
            return;
        if (!insertion->text.isEmpty())
            memo->setSelText(insertion->text);
        memo->setSelStart(start + insertion->caret);
        if (kind == kHeadingCommand)
            ToolBox->headingBox()->setCurrentIndex(-1);
        if (kind == kListCommand) {
            ToolBox->listBox()->setCurrentIndex(-1);
            memo->SetFocus();
        }
        if (kind == kFormatCommand) {
            Save_Btn->setEnabled(true);
            memo->setModified(true);
        }
    });
    memo->SetFocus();
}

void TMainFrm::Text_Format_Click(QObject* sender) {
    insertMarkup(kTextFormatFailure, sender, textFormatInsertion, kFormatCommand);
}

void TMainFrm::Heading_Click(QObject* sender) {
    insertMarkup(kHeadingFailure, sender, headingInsertion, kHeadingCommand);
}

void TMainFrm::Lists_Click(QObject* sender) {
    insertMarkup(kListsFailure, sender, listInsertion, kListCommand);
}

void TMainFrm::MailTo1Click(QObject*) {
    TEditForm* form = ActiveDocument();
    if (!form)
        return;
    guarded(kMailToFailure, Timer::SwitchOff, [&] {
        if (emailAddress_.isEmpty())
            emailAddress_ = QLatin1String(kSubstituteEmailAddress);
        form->MemoPad->setSelText(mailToText(emailAddress_, form->MemoPad->SelText()));
    });
    form->MemoPad->SetFocus();
}

} // namespace zorvel
