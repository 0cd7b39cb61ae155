#pragma once
// Messages of the text tools that the main window's handlers show.
#include <QString>

namespace zorvel {

inline constexpr const char* kCannotUndoText = "Cannot undo last operation ..";
inline constexpr const char* kUndoFailureText = "An exception error in Undo1Click\r\nPlease report error to ";
inline constexpr const char* kRemoveTagsFailureText =
    "An exception error occurred in RemoveTags1Click\r\nPlease report error to ";
inline constexpr const char* kInvalidHtmlText = "Process Terminated\r\nInvalid HTML Code on line :";
inline constexpr const char* kSaveSeparateQuestion = "Do you wish to save the altered text in a sepearte file ?";

// «"text" not found»
inline QString notFoundMessage(const QString& findText) {
    return QLatin1Char('"') + findText + QLatin1Char('"') + QLatin1String(" not found");
}

// The invalid-HTML notice naming the 1-based line of the offending text.
inline QString invalidHtmlMessage(int line) {
    return QLatin1String(kInvalidHtmlText) + QString::number(line);
}

} // namespace zorvel
