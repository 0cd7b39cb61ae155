#pragma once
// Failure texts of the authoring commands.
#include "support.h"

namespace zorvel {

inline constexpr FailureMessage kTextFormatFailure = {
    "Exception error in Text_Format_Click ..\r\nPlease report error to ", true, ""};
inline constexpr FailureMessage kHeadingFailure = {"Exception error in Heading_Click ..\r\nPlease report error to ",
                                                   true, ""};
inline constexpr FailureMessage kListsFailure = {"Exception error occurred in Lists_Click..\r\nPlease report error to ",
                                                 true, ""};
inline constexpr FailureMessage kMailToFailure = {"Exception error in MailTo1Click..\r\nPlease report error to ", true,
                                                  ""};
inline constexpr FailureMessage kLinkFailure = {"An exception error in Link_Click\r\nContact ", true, ""};
inline constexpr FailureMessage kFindAllBookMarksFailure = {"Exception error in Find_All_BookMarks ..", false, ""};
inline constexpr FailureMessage kImageFailure = {"Exception error in Image_BtnClick ..\r\nPlease report this error to ",
                                                 true, ""};
inline constexpr FailureMessage kBackgroundFailure = {"An Error occurred in Background1Click\r\n Please inform ", true,
                                                      " .."};
inline constexpr FailureMessage kFormFailure = {"Exception error in Form1Click ..", false, ""};

} // namespace zorvel
