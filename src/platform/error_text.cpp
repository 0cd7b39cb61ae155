#include "error_text.h"

#include "atomic_write.h"
#include "ini_profile.h"
#include "text_file.h"

namespace zorvel {

QString failureReason(const std::exception& e) {
    if (const auto* ini = dynamic_cast<const IniWriteError*>(&e))
        return ini->reason().isEmpty() ? ini->message() : ini->message() + QStringLiteral(": ") + ini->reason();
    if (dynamic_cast<const TextFileError*>(&e) || dynamic_cast<const FileWriteError*>(&e))
        return QString::fromLocal8Bit(e.what());
    return QString();
}

QString errorText(const std::exception& e) {
    const QString text = QString::fromLocal8Bit(e.what());
    if (const auto* ini = dynamic_cast<const IniWriteError*>(&e); ini && !ini->reason().isEmpty())
        return text + QStringLiteral("\r\n") + ini->reason();
    return text;
}

} // namespace zorvel
