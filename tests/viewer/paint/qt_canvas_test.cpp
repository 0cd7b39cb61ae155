// The Qt canvas measures with the real fonts and draws on a QPainter.
#include "paint/qt_canvas.h"
#include "paint/screen.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <tuple>

using namespace zorvel;

TEST(QtCanvas, MetricsGrowWithSizeAndTextWithLength) {
    QtCanvas canvas;
    FontDescription small{"Times New Roman", 10};
    FontDescription large{"Times New Roman", 24};
    const FontMetricsInfo s = canvas.fontMetrics(small);
    const FontMetricsInfo l = canvas.fontMetrics(large);
    EXPECT_GT(s.height, 0);
    EXPECT_EQ(s.height, s.ascent + s.descent);
    EXPECT_GT(l.height, s.height);
    EXPECT_GT(canvas.textExtent(small, u"wider text").width(), canvas.textExtent(small, u"w").width());
    EXPECT_EQ(canvas.textExtent(small, u"").width(), 0);
    FontDescription bold = small;
    bold.bold = true;
    EXPECT_GE(canvas.textExtent(bold, u"mmmm").width(), canvas.textExtent(small, u"mmmm").width());
}

// The words and lines of our example pages (a few hundred words of real prose,
// prices and names, accented letters included), their markup stripped.
static QStringList exampleTexts() {
    QStringList texts;
    const QDir dir(QStringLiteral(ZORVEL_EXAMPLES_DIR));
    for (const QString& name : dir.entryList({QStringLiteral("*.htm")})) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QString text = QString::fromUtf8(file.readAll());
        text.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
        for (QString line : text.split(u'\n')) {
            line = line.simplified();
            if (line.isEmpty())
                continue;
            texts << line;
            texts << line.split(u' ');
        }
    }
    return texts;
}

TEST(QtCanvas, CachedExtentsEqualQtsOwnOnRealText) {
    const QStringList texts = exampleTexts();
    ASSERT_GT(texts.size(), 300);
    QtCanvas canvas;
    int checked = 0;
    for (const char* face : {"Times New Roman", "Arial", "Courier New"})
        for (const int size : {10, 12, 13, 16})
            for (const int style : {0, 1, 2}) {
                FontDescription d{QString::fromLatin1(face), size, style == 1, style == 2};
                const FontId id = FontTable::intern(d);
                const QFontMetrics qt(canvas.qFont(id));
                for (const QString& t : texts) {
                    ASSERT_EQ(canvas.textWidth(id, t), qt.horizontalAdvance(t))
                        << face << ' ' << size << ' ' << style << ": " << t.toStdString();
                    ++checked;
                }
            }
    EXPECT_GT(checked, 10000);
}

// Line breaking and narrowest widths take the canvas's one-pass answers; they
// must be what measuring piece by piece gives (the base class's way), or
// layout would change.
TEST(QtCanvas, OnePassFitAndWordWidthsEqualMeasuringEachPiece) {
    QStringList texts = exampleTexts();
    texts << QString() << QStringLiteral(" ") << QStringLiteral("   ") << QStringLiteral("  two  spaces  ")
          << QStringLiteral("word") << QStringLiteral(" lead") << QStringLiteral("trail ") << QStringLiteral("a b c")
          << QString::fromUtf8("emoji \U0001F600 in\U0001F600side") << QString::fromUtf8("\U0001F600 \U0001F600")
          << (QStringLiteral("lone ") + QChar(0xD83D) + QStringLiteral(" high ") + QChar(0xDE00) +
              QStringLiteral(" low"))
          << QString::fromUtf8("accents \u00e9\u00e8 and \u4e2d\u6587 text");
    QtCanvas canvas;
    for (const bool bold : {false, true}) {
        const FontId id = FontTable::intern(FontDescription{QStringLiteral("Times New Roman"), 12, bold, !bold});
        for (const QString& t : texts) {
            const Canvas::Words fast = canvas.measureWords(id, t);
            const Canvas::Words slow = canvas.Canvas::measureWords(id, t);
            ASSERT_EQ(std::tie(fast.width, fast.head, fast.tail, fast.widest, fast.spaced),
                      std::tie(slow.width, slow.head, slow.tail, slow.widest, slow.spaced))
                << t.toStdString();
            std::vector<int> rooms{-1, 0, 1, fast.width / 3, fast.width / 2, fast.width - 1, fast.width, 10000};
            // Where a character beyond U+FFFF could be cut in two, every room.
            if (std::any_of(t.begin(), t.end(), [](QChar c) { return c.isSurrogate(); }))
                for (int room = 2; room < fast.width; ++room)
                    rooms.push_back(room);
            for (const int room : rooms) {
                int fastWidth = -5, slowWidth = -5;
                const int k = canvas.fitCount(id, t, room, fastWidth);
                ASSERT_EQ(k, canvas.Canvas::fitCount(id, t, room, slowWidth)) << room << ": " << t.toStdString();
                ASSERT_EQ(fastWidth, slowWidth) << room << ": " << t.toStdString();
                ASSERT_FALSE(k > 0 && k < t.size() && t[k - 1].isHighSurrogate() && t[k].isLowSurrogate()) << room;
            }
        }
    }
}

TEST(QtCanvas, FontsAreInternedWithoutTheirColour) {
    FontDescription red{"Arial", 11};
    red.color = Qt::red;
    FontDescription blue = red;
    blue.color = Qt::blue;
    FontDescription bold = red;
    bold.bold = true;
    EXPECT_EQ(FontTable::intern(red), FontTable::intern(blue));
    EXPECT_NE(FontTable::intern(red), FontTable::intern(bold));
    EXPECT_EQ(FontTable::describe(FontTable::intern(bold)).bold, true);
}

TEST(QtCanvas, DrawsOnAnImage) {
    QImage image(60, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QtCanvas canvas(&painter);
        canvas.fillRect(QRect(0, 0, 10, 10), Qt::red);
        canvas.drawLine(0, 20, 59, 20, Qt::blue);
        canvas.drawText(20, 0, FontDescription{"Times New Roman", 12, true}, u"X", nullptr);
    }
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(30, 20), QColor(Qt::blue));
    bool inked = false;
    for (int y = 0; y < 18; ++y)
        for (int x = 20; x < 40; ++x)
            inked = inked || image.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_TRUE(inked);
}

TEST(ViewerScreen, DepthOfTheScreenAndLinkCursor) {
    const int bits = screenDisplayCapabilities().ColorBits;
    EXPECT_TRUE(bits == 4 || bits == 8 || bits == 24) << bits;
    EXPECT_EQ(linkCursor().shape(), Qt::PointingHandCursor);
}
