#pragma once
// The image tag and the conversion of a file path into a "file:" address.
#include "path_rules.h"

#include <QString>

namespace zorvel {

struct ImageFields {
    QString fileName; // written into SRC, escaped for its quotes
    QString horizontalSpace;
    QString verticalSpace;
    QString width;
    QString height;
    QString border;
    // Horizontal alignment.
    bool left = false;
    bool right = false;
    // Vertical alignment.
    bool top = false;
    bool middle = false;
    bool bottom = false;
    bool textTop = false;
    bool absMiddle = false;
    bool absBottom = false;
    QString memo; // text after the tag, CR LF line breaks
};

// Number fields are copied as typed and left out when blank.
QString makeImageTag(const ImageFields& fields);

// A local path as a "file:///" address: a drive letter becomes "D|", backslashes
// become "/". Addresses with a protocol stay as they are; on POSIX an absolute
// "/" path becomes "file://" followed by the path.
QString makeHTMLPath(const QString& path, Platform platform = kHostPlatform);

} // namespace zorvel
