#pragma once
// File-name rules written once with the platform as a parameter: the program
// follows the Windows rules on Windows and their POSIX counterparts elsewhere.
#include <QString>
#include <functional>

namespace zorvel {

enum class Platform { Windows, Posix };

#ifdef Q_OS_WIN
inline constexpr Platform kHostPlatform = Platform::Windows;
#else
inline constexpr Platform kHostPlatform = Platform::Posix;
#endif

// The directory of a path including its final separator ("C:\PROG\" or "/opt/zorvel/").
QString directoryOf(const QString& path, Platform platform = kHostPlatform);
// The file name without its directory: the text after the last separator.
QString fileNameOnly(const QString& path, Platform platform = kHostPlatform);
// Adds the separator when the text does not already end in one.
QString withTrailingSeparator(const QString& dir, Platform platform = kHostPlatform);
// Paths compare without case on Windows, exactly elsewhere.
bool samePath(const QString& a, const QString& b, Platform platform = kHostPlatform);
// The form in which a path is stored in the settings file (lower case on Windows).
QString storedPathForm(const QString& path, Platform platform = kHostPlatform);

using FileExists = std::function<bool(const QString&)>;
bool fileExists(const QString& path);

// Whether a stored recent-file entry is kept at start-up: on Windows it needs a drive
// other than the floppies A and B; elsewhere it must be an absolute path. It must exist.
bool isUsableRecentFile(const QString& path, const FileExists& exists, Platform platform = kHostPlatform);

// The program's own directory, or the per-user configuration directory when the
// program's directory cannot be written (an installed program lives in /usr/bin).
QString programDirFor(const QString& executableDir, const QString& fallbackDir, bool executableDirWritable,
                      Platform platform = kHostPlatform);

} // namespace zorvel
