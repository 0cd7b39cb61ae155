#pragma once
// Where the page is that a picture is named in, so the image and background
// dialogs write a name the page finds its picture by, and browse where the
// page's pictures are.
#include <QString>
#include <functional>

namespace zorvel {

// Offered first by the dialogs' file choosers.
inline constexpr const char* kAllPicturesFilter = "All pictures (*.png *.gif *.jpg *.jpeg *.bmp)";

struct PicturePlace {
    QString documentPath;   // the page's file; empty for a page not yet saved
    QString lastFolder;     // the folder a picture was picked from last; empty: none
    QString fallbackFolder; // where browsing starts when neither tells
    // Told the folder of every picture picked, to start there next time.
    std::function<void(const QString& folder)> picked;
};

// The picture as the page names it: relative to the page's folder when it lies
// inside that folder, otherwise (and for a page not yet saved) its absolute path.
QString pictureName(const QString& picture, const QString& documentPath);

// Where browsing for a picture starts: the last picture folder while it lies in
// the page's folder, else the page's folder; for an unsaved page the last
// picture folder; else the fallback.
QString pictureBrowseFolder(const PicturePlace& place);

// The file chooser's filter: all pictures first, then the given ones.
QString pictureFilter(const char* others);

} // namespace zorvel
