#pragma once
// What a failure box tells the user about a caught exception.
#include <QString>
#include <exception>

namespace zorvel {

// One line saying why, when the failure knows it (a file that could not be read or
// written and the system's reason); empty for failures that carry no such reason.
QString failureReason(const std::exception& e);

// The text of the generic error box: the failure's own text, then its reason on a
// line of its own when the text does not already say it.
QString errorText(const std::exception& e);

} // namespace zorvel
