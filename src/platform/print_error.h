#pragma once
// A print job that could not start, go on or finish: what went wrong, and
// why in words the user can act on ("Cannot write /x/out.pdf: Permission
// denied"), shown together in the failure box.
#include <QString>
#include <stdexcept>

namespace zorvel {

class PrintError : public std::runtime_error {
public:
    explicit PrintError(const QString& text, QString reason = {})
        : std::runtime_error(text.toStdString()), reason_(std::move(reason)) {}
    const QString& reason() const { return reason_; }
    // The message for the user: the text, and the reason on a line of its own.
    QString userText() const {
        const QString text = QString::fromStdString(what());
        return reason_.isEmpty() ? text : text + QStringLiteral("\r\n") + reason_;
    }

private:
    QString reason_;
};

// The user stopped the job with Cancel. The job is dropped, not finished, and
// no message is due: whoever started it leaves its output unwritten.
class PrintCancelled : public PrintError {
public:
    PrintCancelled() : PrintError(QStringLiteral("Printing cancelled.")) {}
};

} // namespace zorvel
