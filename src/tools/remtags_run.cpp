#include "remtags_run.h"

#include "busy_cursor.h"
#include "remtags_engine.h"
#include "remtagsu.h"
#include "text_file.h"
#include "tools_texts.h"
#include "waitu.h"

#include <QCoreApplication>

#include <memory>

namespace zorvel {

namespace {

// Steps under the hourglass with the progress window up; both go however
// this is left.
RemoveTagsResult runPasses(QWidget* parent, const QString& workingText, const RemoveTagOptions& options) {
    const BusyCursor busy;
    checkRemoveTagsLength(workingText);
    const auto wait = std::make_unique<TWaitFrm>(parent);
    wait->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return removeTags(workingText, options, [&](RemoveTagPass pass) { wait->showPass(pass); });
}

std::optional<QString> askFileAndSave(Prompter& prompter, const RemoveTagsRequest& request, const QString& text) {
    FileDialogOptions chooser = request.saveDialog;
    chooser.directory = request.programDir;
    const std::optional<QString> path = prompter.saveFileName(chooser);
    if (path)
        savePlainText(*path, text);
    return path;
}

} // namespace

void savePlainText(const QString& path, const QString& text) {
    QString lines = normalizeLineBreaks(text);
    if (!lines.isEmpty() && !lines.endsWith(QLatin1Char('\n')))
        lines += QLatin1Char('\n');
    saveTextFile(path, lines, TextFormat{TextEncoding::Utf8, LineEnding::CrLf});
}

RemoveTagsOutcome runRemoveTags(Prompter& prompter, QWidget* parent, const RemoveTagsRequest& request) {
    RemoveTagsOutcome outcome;
    TRemoveTagFrm dialog(parent);
    if (prompter.exec(dialog) != QDialog::Accepted) {
        outcome.cancelled = true;
        return outcome;
    }
    const RemoveTagsResult result = runPasses(parent, request.workingText, dialog.options());

    if (result.invalidHtml) {
        const QString document = request.documentText ? request.documentText() : request.workingText;
        const std::optional<qsizetype> at = findSnippet(document, result.text);
        if (!at)
            return outcome; // the earlier passes changed the text around the ">"
        const int line = request.rowOfOffset ? request.rowOfOffset(int(*at)) + 1 : textLineOfOffset(document, *at);
        outcome.action = RemoveTagsOutcome::Action::ShowMessage;
        outcome.text = invalidHtmlMessage(line);
        return outcome;
    }

    if (request.selection && !prompter.askYesNo(QString::fromLatin1(kSaveSeparateQuestion))) {
        outcome.action = RemoveTagsOutcome::Action::ReplaceSelection;
        outcome.text = result.text;
        return outcome;
    }
    askFileAndSave(prompter, request, result.text);
    return outcome;
}

} // namespace zorvel
