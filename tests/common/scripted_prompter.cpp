#include "scripted_prompter.h"

#include <gtest/gtest.h>

namespace zorvel::testing {

template <typename T> static T take(std::deque<T>& queue, const char* what, T answer) {
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what << ": nothing queued";
    } else {
        answer = std::move(queue.front());
        queue.pop_front();
    }
    return answer;
}

QStringList ScriptedPrompter::messageTexts() const {
    QStringList texts;
    for (const auto& m : messages)
        texts << m.text;
    return texts;
}

MessageAnswer ScriptedPrompter::message(const QString& text, MessageIcon icon, MessageButtons buttons) {
    messages.push_back({text, icon, buttons, {}});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    const std::string what = "question \"" + text.toStdString() + "\"";
    return take(answers_, what.c_str(), MessageAnswer::No);
}

int ScriptedPrompter::choose(const QString& text, MessageIcon icon, const QStringList& buttons, int escape) {
    return chooseWithDefault(text, icon, buttons, 0, escape);
}

int ScriptedPrompter::chooseWithDefault(const QString& text, MessageIcon icon, const QStringList& buttons,
                                        int defaultButton, int escape) {
    messages.push_back({text, icon, MessageButtons::Choice, buttons, defaultButton, escape});
    const std::string what = "choice \"" + text.toStdString() + "\"";
    const int chosen = take(choices_, what.c_str(), escape);
    return chosen == kEscapePressed ? escape : chosen;
}

std::optional<QString> ScriptedPrompter::openFileName(const FileDialogOptions& chooser) {
    fileDialogs.push_back(chooser);
    return take(files_, "open dialog", std::optional<QString>{});
}

std::optional<QString> ScriptedPrompter::saveFileName(const FileDialogOptions& chooser) {
    fileDialogs.push_back(chooser);
    return take(files_, "save dialog", std::optional<QString>{});
}

std::optional<QColor> ScriptedPrompter::color(const QColor&) {
    return take(colors_, "colour dialog", std::optional<QColor>{});
}

std::optional<QFont> ScriptedPrompter::font(const QFont&) {
    return take(fonts_, "font dialog", std::optional<QFont>{});
}

int ScriptedPrompter::exec(QDialog& dialog) {
    dialogsShown.push_back(QString::fromLatin1(dialog.metaObject()->className()));
    DialogScript script = take(dialogs_, "dialog", DialogScript{});
    if (!script)
        return QDialog::Rejected;
    const int result = script(dialog);
    dialog.setResult(result);
    return result;
}

bool ScriptedPrompter::printDialog(QPrinter& printer) {
    const PrinterScript script = take(prints_, "print dialog", PrinterScript{});
    return script && script(printer);
}

bool ScriptedPrompter::pageSetupDialog(QPrinter& printer) {
    const PrinterScript script = take(prints_, "page set-up dialog", PrinterScript{});
    return script && script(printer);
}

namespace {

class RecordedProgress final : public Progress {
public:
    explicit RecordedProgress(ScriptedPrompter& prompter) : prompter_(prompter) {}
    bool step(const QString& text, int, int) override {
        prompter_.progressTexts << text;
        ++steps_;
        return !prompter_.onProgress || prompter_.onProgress(steps_);
    }

private:
    ScriptedPrompter& prompter_;
    int steps_ = 0;
};

} // namespace

std::unique_ptr<Progress> ScriptedPrompter::progress(const QString&) {
    return std::make_unique<RecordedProgress>(*this);
}

} // namespace zorvel::testing
