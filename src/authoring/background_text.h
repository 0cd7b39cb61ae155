#pragma once
// The attributes of a page's body tag: colours and background image.
#include "path_rules.h"

#include <QString>

namespace zorvel {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

struct BackgroundFields {
    bool textOn = false;
    Rgb text{0, 0, 0};
    bool backgroundOn = false;
    Rgb background{255, 255, 255};
    bool linkOn = false;
    Rgb link{0, 0, 255};
    QString imageName; // as shown in the dialog; empty for none
};

// Six lower-case hex digits, red first, no "#".
QString colourText(const Rgb& rgb);

// The attribute text to insert at the caret, or empty when nothing is set.
// The image name is lower-cased (A to Z only) where file names ignore case,
// that is on Windows; elsewhere it is kept, or the file would not be found.
QString makeBackgroundText(const BackgroundFields& fields, Platform platform = kHostPlatform);

} // namespace zorvel
