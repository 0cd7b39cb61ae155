#include "error_box.h"

#include "errors.h"

namespace zorvel {

bool guarded(Prompter& prompter, const std::function<void()>& body, const ErrorWords& words) {
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        prompter.notice(words.withReason ? errorMessage(e) : errorText(e), MessageIcon::Error);
    } catch (...) {
        prompter.notice(QLatin1String(words.unknown), MessageIcon::Error);
    }
    return false;
}

} // namespace zorvel
