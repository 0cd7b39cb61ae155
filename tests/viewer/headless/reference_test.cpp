// Reference pages: each x.htm in reference/ must render, through the same code
// as `zorvel --render`, to exactly the picture of its simpler x.ref.htm.
#include "headless/render.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zorvel;

namespace {

// The first pixel where two pictures differ, or a note on their sizes; empty when alike.
QString difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return QStringLiteral("sizes %1x%2 and %3x%4").arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("pixel %1,%2").arg(x).arg(y);
    return {};
}

bool hasInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return true;
    return false;
}

} // namespace

TEST(ReferencePages, EachPageLooksLikeItsReference) {
    const QDir pages(QStringLiteral(ZORVEL_REFERENCE_DIR));
    const QStringList refs = pages.entryList({QStringLiteral("*.ref.htm")}, QDir::Files, QDir::Name);
    EXPECT_GE(refs.size(), 10);
    QTemporaryDir out;
    for (const QString& ref : refs) {
        const QString page = QString(ref).replace(QLatin1String(".ref.htm"), QLatin1String(".htm"));
        ASSERT_TRUE(pages.exists(page)) << page.toStdString();
        for (const int width : {420, 800}) {
            const RenderOptions options{width, 16};
            QImage images[2];
            for (int i = 0; i < 2; ++i) {
                const QString png = out.filePath(QStringLiteral("%1-%2-%3.png").arg(page).arg(width).arg(i));
                QString errors;
                QTextStream err(&errors);
                ASSERT_EQ(runRender(pages.filePath(i ? ref : page), png, options, err), 0) << errors.toStdString();
                images[i].load(png);
                ASSERT_FALSE(images[i].isNull()) << png.toStdString();
            }
            EXPECT_TRUE(hasInk(images[0])) << page.toStdString();
            const QString diff = difference(images[0], images[1]);
            if (!diff.isEmpty())
                out.setAutoRemove(false); // keep both pictures to look at
            EXPECT_TRUE(diff.isEmpty()) << page.toStdString() << " at " << width << ": " << diff.toStdString()
                                        << " (pictures in " << out.path().toStdString() << ")";
        }
    }
}
