// `zorvel --render` paints and compresses a band of rows at a time: the file
// must hold the very picture painted whole, and a page too wide for a picture
// is cut to its left part with a word on why.
#include "headless/render.h"
#include "temp_dir.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace zorvel;
using namespace zorvel::testing;

TEST(Render, APictureMadeBandByBandIsThePicturePaintedWhole) {
    TempDir tmp;
    // Controls, rules, a table and text fall across the bands' edges.
    const QString page = tmp.write("page.htm", "<H1>Title</H1>" + QByteArray("<P>A line of text.\n").repeated(30) +
                                                   "<FORM><INPUT NAME=a VALUE=typed><SELECT SIZE=3><OPTION>one"
                                                   "<OPTION>two</SELECT><TEXTAREA ROWS=4>t</TEXTAREA></FORM><HR>"
                                                   "<TABLE BORDER><TR><TD>cell<TD>another</TABLE>" +
                                                   QByteArray("<P>More text.\n").repeated(30));
    RenderOptions options;
    options.controlWidth = 400;
    options.bandHeight = 37;
    QString errors;
    QTextStream err(&errors);
    ASSERT_EQ(runRender(page, tmp.file("page.png"), options, err), 0) << errors.toStdString();
    const QImage banded(tmp.file("page.png"));
    const RenderResult whole = renderPage(page, options);
    ASSERT_GT(whole.image.height(), 10 * options.bandHeight);
    EXPECT_EQ(banded.convertToFormat(QImage::Format_RGB32), whole.image);
}

TEST(Render, APageWiderThanAPictureShowsItsLeftPartAndSaysSo) {
    TempDir tmp;
    const QString page = tmp.write("wide.htm", QByteArray(6000, 'W'));
    QString errors;
    QTextStream err(&errors);
    ASSERT_EQ(runRender(page, tmp.file("wide.png"), RenderOptions{}, err), 0) << errors.toStdString();
    EXPECT_EQ(QImage(tmp.file("wide.png")).width(), kMaxRenderWidth);
    EXPECT_TRUE(errors.contains(QStringLiteral("the picture shows its left 32768."))) << errors.toStdString();
}
