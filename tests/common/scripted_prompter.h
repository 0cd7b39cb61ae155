#pragma once
// A Prompter for tests: records every message and returns queued answers.
// A question with no queued answer fails the test instead of blocking.
#include "prompter.h"
#include "qt_printers.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <vector>

namespace zorvel::testing {

struct RecordedMessage {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    QStringList choices;   // the buttons of a choice
    int defaultChoice = 0; // the button Enter presses
    int escapeChoice = -1; // the button Escape and the box's close press
};

class ScriptedPrompter : public Prompter {
public:
    // Fills the dialog's controls and returns QDialog::Accepted or Rejected.
    using DialogScript = std::function<int(QDialog&)>;

    std::vector<RecordedMessage> messages;
    std::vector<FileDialogOptions> fileDialogs;
    std::vector<QString> dialogsShown; // class names of the program's own dialogs

    void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    void queueChoice(int index) { choices_.push_back(index); }
    // The next choice is left with Escape (or the box's close).
    void queueEscape() { choices_.push_back(kEscapePressed); }
    void queueFile(std::optional<QString> path) { files_.push_back(std::move(path)); }
    void queueColor(std::optional<QColor> color) { colors_.push_back(std::move(color)); }
    void queueFont(std::optional<QFont> font) { fonts_.push_back(std::move(font)); }
    void queueDialog(DialogScript script) { dialogs_.push_back(std::move(script)); }
    // The print and page set-up dialogs: an answer, or a script that sets the
    // printer up as a user would in the dialog and returns whether they confirmed.
    using PrinterScript = std::function<bool(QPrinter&)>;
    void queuePrint(bool accept) {
        prints_.push_back([accept](QPrinter&) { return accept; });
    }
    void queuePrinterScript(PrinterScript script) { prints_.push_back(std::move(script)); }

    // Progress dialogs: every text shown, in order. onProgress, when set, runs
    // at each step (counted from 1 in each dialog), as events the dialog lets
    // through would; it returns false where the user presses Cancel.
    QStringList progressTexts;
    std::function<bool(int step)> onProgress;

    // Everything queued was used.
    bool drained() const {
        return answers_.empty() && choices_.empty() && files_.empty() && colors_.empty() && fonts_.empty() &&
               dialogs_.empty() && prints_.empty();
    }
    QStringList messageTexts() const;

    MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons) override;
    int choose(const QString& text, MessageIcon icon, const QStringList& buttons, int escape) override;
    int chooseWithDefault(const QString& text, MessageIcon icon, const QStringList& buttons, int defaultButton,
                          int escape) override;
    std::optional<QString> openFileName(const FileDialogOptions& chooser) override;
    std::optional<QString> saveFileName(const FileDialogOptions& chooser) override;
    std::optional<QColor> color(const QColor& initial) override;
    std::optional<QFont> font(const QFont& initial) override;
    int exec(QDialog& dialog) override;
    bool printDialog(QPrinter& printer) override;
    bool pageSetupDialog(QPrinter& printer) override;
    std::unique_ptr<Progress> progress(const QString& title) override;

private:
    static constexpr int kEscapePressed = -1;
    std::deque<MessageAnswer> answers_;
    std::deque<int> choices_;
    std::deque<std::optional<QString>> files_;
    std::deque<std::optional<QColor>> colors_;
    std::deque<std::optional<QFont>> fonts_;
    std::deque<DialogScript> dialogs_;
    std::deque<PrinterScript> prints_;
};

} // namespace zorvel::testing
