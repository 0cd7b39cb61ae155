#pragma once
// Texts of the application frame's questions and failures.
#include "support.h"

namespace zorvel {

inline constexpr FailureMessage kCreateBlankFailure = {"Error in CreateBlankHTMLFile..,\r\nPlease report to ", true,
                                                       ""};
inline constexpr FailureMessage kNewFailure = {"Exception error in New1Click ..", false, ""};
inline constexpr FailureMessage kOpenFailure = {"Exception error in Open1Click\r\nPlease report this error to ", true,
                                                ""};
inline constexpr FailureMessage kSaveFailure = {"Exception error in Save1Click ..", false, ""};
inline constexpr FailureMessage kSaveAsFailure = {"Exception error in SaveAs1Click ..", false, ""};
inline constexpr FailureMessage kCloseFailure = {
    "An exception error occurred in Close1Click ..\r\nPlease report error to ", true, ""};
inline constexpr FailureMessage kCloseAllFailure = {"Exception error in CloseAll1Click ..", false, ""};
inline constexpr FailureMessage kSaverTimerFailure = {"Exception error in SaverTimerTimer", false, ""};
inline constexpr FailureMessage kIdleFailure = {"Exception error in App_OnIdle", false, ""};
inline constexpr FailureMessage kExitFailure = {"Exception error in Exit1Click ..", false, ""};

// Shown in the status bar when a failure switched the automatic save off.
inline constexpr const char* kAutoSaveSwitchedOff =
    "Automatic saving is switched off until the preview or Remove Tags switches it on again, or Zorvel restarts.";

// Crash recovery and files changed by other programs. %1: the names or the path.
inline constexpr const char* kRecoveryQuestion =
    "Zorvel did not end normally, and the unsaved text of these documents was kept:\r\n%1\r\n\r\n"
    "Recover it, or discard it?";
inline constexpr const char* kRecoverButton = "&Recover";
inline constexpr const char* kDiscardButton = "&Discard";
inline constexpr const char* kChangedOutsideUnsaved =
    "%1 has been changed outside Zorvel and you have unsaved changes here.\r\n\r\n"
    "Reload the file and lose your changes, or keep your version and write it over the file at the next save?";
inline constexpr const char* kReloadButton = "&Reload";
inline constexpr const char* kKeepButton = "&Keep my version";
inline constexpr const char* kCancelButton = "Cancel";
inline constexpr const char* kReloadedOutside = "%1 was changed outside Zorvel and has been reloaded.";
// %1: the file or folder, %2: the system's reason.
inline constexpr const char* kJournalNotKept = "Unsaved changes are not being kept for recovery: cannot write %1: %2";
inline constexpr const char* kDeletedOutside =
    "%1 has been deleted outside Zorvel. Your text is kept: save it to write the file again.";

inline constexpr const char* kExitPreviewerFirst = "Please exit the Previewer first before exiting this application ..";
inline constexpr const char* kUnsavedTextQuestion = "There is unsaved text, Save it or not ..?";
// Followed by the file name without its directory and kQuestionEnd.
inline constexpr const char* kSaveFileQuestion = "Save file :";
// The automatic save's question, followed by the caption and kQuestionEnd.
inline constexpr const char* kAutoSaveQuestion = "Save File :";
inline constexpr const char* kQuestionEnd = " ?";

inline constexpr const char* kApplicationTitle = "Zorvel for Windows 95";
inline constexpr const char* kMainCaption = "Zor-Vel";
inline constexpr const char* kUntitledBlank = "<Untitled>";
inline constexpr const char* kUntitledTemplate = "Untitled";
inline constexpr const char* kDocumentFilter = "HTML Files|*.htm;*.html|Text Files|*.txt|All Files|*.*";
inline constexpr const char* kDefaultExtension = "html";
inline constexpr const char* kOpenDialogTitle = "Open a HTML File";
inline constexpr const char* kSaveDialogTitle = "Save a HTML file";
inline constexpr const char* kAutoSaveProposedName = "untitled.htm";

// The blank page, one line each.
inline constexpr const char* kBlankPage[] = {
    "<HTML>",  "<HEAD>",  "<TITLE>Put Your Pages's Title here </TITLE>", "</HEAD>", "<BODY>", "  ", "  ", "  ",
    "</BODY>", "</HTML>",
};
// The caret of a blank page: the start of its sixth line.
inline constexpr int kBlankPageCaret = 78;

} // namespace zorvel
