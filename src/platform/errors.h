#pragma once
// The program's failures and the words they give the user. Header-only, so
// that the viewer's engine, which links no widgets, derives its own from it.
#include <QString>
#include <QStringView>
#include <stdexcept>

namespace zorvel {

// What went wrong (the text), and apart from it why, when the system or a
// device said so (the reason). what() holds the text in UTF-8, so a handler
// that knows only std::exception shows the same words.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& text, QString reason = {})
        : std::runtime_error(text.toStdString()), reason_(std::move(reason)) {}
    QString text() const { return QString::fromUtf8(what()); }
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};

// A file or folder that could not be read, written or made. Its words name the
// file and what the system said, so a command's own failure box shows them too.
class FileError : public Error {
public:
    using Error::Error;
};

// The text of any failure: an Error's, or what() of another exception.
inline QString errorText(const std::exception& e) {
    return QString::fromUtf8(e.what());
}

// The text and then, when the failure has one, its reason after `between`: on
// a line of its own in a box, after ": " on a line shared with other words.
inline QString errorMessage(const std::exception& e, QStringView between = u"\r\n") {
    QString message = errorText(e);
    if (const auto* error = dynamic_cast<const Error*>(&e); error && !error->reason().isEmpty()) {
        message += between;
        message += error->reason();
    }
    return message;
}

// The line a command's own failure box adds below its text: a file failure's
// message, on one line; nothing for other failures.
inline QString failureReason(const std::exception& e) {
    return dynamic_cast<const FileError*>(&e) ? errorMessage(e, u": ") : QString();
}

} // namespace zorvel
