#pragma once
// Settings keys that more than one of the main window's commands read or write.
#include <QLatin1String>

namespace zorvel {

// The settings file, in the program's directory.
inline constexpr QLatin1String kSettingsFileName("zor-vel.ini");

// Where the open and save dialogs start, in section "Files".
inline constexpr QLatin1String kFilesSection("Files");
inline constexpr QLatin1String kOpenDirKey("Open_Dir");
inline constexpr QLatin1String kSaveDirKey("Save_Dir");
// The folder a picture was last picked from in the image or background dialog.
inline constexpr QLatin1String kPictureDirKey("Picture_Dir");

// The program's options: the Options dialog's and the menus' check marks.
inline constexpr QLatin1String kOptions("Options");

} // namespace zorvel
