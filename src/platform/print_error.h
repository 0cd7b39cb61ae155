#pragma once
// A print job that could not start, go on or finish: what went wrong, and
// why in words the user can act on ("Cannot write /x/out.pdf: Permission
// denied"), shown together in the failure box.
#include "errors.h"

namespace zorvel {

class PrintError : public Error {
public:
    using Error::Error;
};

// The user stopped the job with Cancel. The job is dropped, not finished, and
// no message is due: whoever started it leaves its output unwritten.
class PrintCancelled : public PrintError {
public:
    PrintCancelled() : PrintError(QStringLiteral("Printing cancelled.")) {}
};

} // namespace zorvel
