#pragma once
// The error box: a failure told in its own words, for the commands and dialogs
// that have no failure text of their own.
#include "prompter.h"

#include <functional>

namespace zorvel {

// How the error box words a failure.
struct ErrorWords {
    bool withReason = true; // the reason on a line of its own under the text
    // What is said of a failure that has no words (not a std::exception).
    const char* unknown = "The command failed.";
};

// Runs body; a failure it throws is shown in the error box. False when it failed.
bool guarded(Prompter& prompter, const std::function<void()>& body, const ErrorWords& words = {});

} // namespace zorvel
