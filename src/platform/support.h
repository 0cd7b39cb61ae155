#pragma once
#include <QString>

namespace zorvel {

// Where failure messages ask users to report a fault.
inline constexpr const char* kSupportEmail = "support@zorvel.org";

// A command's failure text. Where withAddress is set the support address
// follows the text, and then afterAddress.
struct FailureMessage {
    const char* text;
    bool withAddress;
    const char* afterAddress;
};

// The whole text of a failure message with the given support address.
inline QString failureText(const FailureMessage& m, const QString& supportAddress = QLatin1String(kSupportEmail)) {
    QString text = QString::fromLatin1(m.text);
    if (m.withAddress)
        text += supportAddress + QLatin1String(m.afterAddress);
    return text;
}

} // namespace zorvel
