#pragma once
// How a page looks where it says nothing itself: its fonts, its colours and
// whether its pictures are shown. A document starts with these defaults; the
// viewer control, the live pane and the modes without a window give it their
// own through one of these.
#include <QColor>
#include <QString>

namespace zorvel {

struct PageLook {
    QString fontName = QStringLiteral("Times New Roman");
    QString preFontName = QStringLiteral("Courier New");
    int fontSize = 12;
    QColor background = QColor(0xC0, 0xC0, 0xC0);
    QColor text = Qt::black;
    QColor link = QColor(0, 0, 255);
    bool showImages = true;

    bool operator==(const PageLook&) const = default;
};

} // namespace zorvel
