#pragma once
// One run of the Remove Tags command, everything but the access to the
// document: the options dialog, the progress window and hourglass, the
// passes, and the delivery of the result to a file. The caller gives the
// working text and applies what comes back.
#include "prompter.h"

#include <QString>

#include <functional>

class QWidget;

namespace zorvel {

struct RemoveTagsRequest {
    QString workingText;          // the selected text when selection is set, else the whole document (CR LF)
    bool selection = false;       // the editor's selection length is 1 or more
    QString programDir;           // where the save dialog starts
    FileDialogOptions saveDialog; // the main window's save dialog; its directory is replaced
    // The document's whole current text (CR LF), read only to place invalid HTML.
    std::function<QString()> documentText;
    // The editor's row (from 0) that holds a text offset; without it text lines are counted.
    std::function<int(int offset)> rowOfOffset;
};

struct RemoveTagsOutcome {
    enum class Action {
        Nothing,          // cancelled, written to a file, dropped, or invalid HTML not located
        ReplaceSelection, // put text in place of the editor's selection
        ShowMessage,      // show text in an error box with OK
    };
    Action action = Action::Nothing;
    QString text;
    bool cancelled = false; // the options dialog ended with Cancel
};

// Throws TextTooLongError for a text longer than the command handles, and
// TextFileError when the result cannot be written; the progress window is
// closed and the cursor restored before anything leaves.
RemoveTagsOutcome runRemoveTags(Prompter& prompter, QWidget* parent, const RemoveTagsRequest& request);

// Writes text as plain text: every line ended by CR LF (a last line without a
// break gets one), UTF-8. Throws TextFileError.
void savePlainText(const QString& path, const QString& text);

} // namespace zorvel
