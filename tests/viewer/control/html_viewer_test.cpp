// The viewer control: its properties, loading, links, history, scrolling and painting.
#include "control/html_viewer.h"
#include "headless/render.h"
#include "scripted_prompter.h"
#include "temp_dir.h"
#include "text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zorvel;
using zorvel::testing::ScriptedPrompter;
using zorvel::testing::TempDir;

namespace {

// Rules have a fixed height, so a page of them is tall whatever the fonts.
QByteArray rules(int n) {
    return QByteArray("<HR>").repeated(n);
}

class ViewerTest : public ::testing::Test {
protected:
    TempDir tmp;
    ScriptedPrompter prompter;
    THTMLViewer viewer;
    int layouts = 0;
    int historyChanges = 0;

    void SetUp() override {
        viewer.resize(400, 300);
        viewer.setPrompter(&prompter);
        viewer.OnProcessing = [this](bool on) { layouts += on ? 1 : 0; };
        viewer.OnHistoryChange = [this] { ++historyChanges; };
        viewer.show();
    }
    QString page(const QString& name, const QByteArray& html) {
        QDir().mkpath(QFileInfo(tmp.file(name)).path());
        return tmp.write(name, html);
    }
    QScrollBar& vertical() { return *viewer.verticalScrollBar(); }
    // Where the view starts when the anchor's section is at its top.
    int anchorTop(const char* name) {
        const TSectionBase* section = viewer.NameList().Find(QString::fromLatin1(name));
        for (int i = 0; i < viewer.Document().Count(); ++i)
            if (viewer.Document().Item(i) == section)
                return viewer.Document().GetSectionTop(i);
        ADD_FAILURE() << "no anchor " << name;
        return -1;
    }
};

TEST_F(ViewerTest, PropertiesAreKeptWithinTheirLimits) {
    EXPECT_FALSE(viewer.ViewImages()) << "a new viewer shows no pictures until told to";
    EXPECT_FALSE(viewer.Document().ShowImages);
    const std::pair<int, int> sizes[] = {{4, 6}, {6, 6}, {14, 14}};
    for (auto [given, kept] : sizes) {
        viewer.setDefFontSize(given);
        EXPECT_EQ(viewer.DefFontSize(), kept) << given;
        EXPECT_EQ(viewer.Document().FontSize, kept);
    }
    const std::pair<int, int> counts[] = {{50, 20}, {-3, 0}, {7, 7}};
    for (auto [given, kept] : counts) {
        viewer.setImageCacheCount(given);
        EXPECT_EQ(viewer.ImageCacheCount(), kept) << given;
        EXPECT_EQ(viewer.Document().BitmapList.MaxAge(), kept);
    }
}

TEST_F(ViewerTest, ALinkToAPageInTheSameFolderLoadsItAndScrollsToTheAnchor) {
    const QString index = page(QStringLiteral("docs/index.htm"), "<A HREF=\"other.htm#part2\">on</A>");
    const QString other = page(QStringLiteral("docs/other.htm"),
                               "<TITLE>Other</TITLE>" + rules(60) + "<A NAME=\"Part2\">here</A>" + rules(60));
    viewer.LoadFromFile(index);
    viewer.FollowLink(QStringLiteral("other.htm#part2"));
    EXPECT_EQ(viewer.CurrentFile(), other);
    EXPECT_EQ(viewer.Title(), QStringLiteral("Other"));
    EXPECT_GT(anchorTop("PART2"), 0);
    EXPECT_EQ(vertical().value(), anchorTop("PART2"));

    viewer.LoadFromFile(index);
    viewer.LoadFromFile(other + QStringLiteral("#PART2"));
    EXPECT_EQ(vertical().value(), anchorTop("PART2"));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ViewerTest, LinksToPicturesTextsAndTheNetworkDoNothing) {
    const QString index = page(QStringLiteral("index.htm"), rules(40) + "<A NAME=here>x</A>" + rules(40));
    page(QStringLiteral("picture.gif"), "GIF89a");
    page(QStringLiteral("notes.txt"), "text");
    viewer.setHistoryMaxCount(10);
    viewer.LoadFromFile(index);
    viewer.GoToAnchor(QStringLiteral("here"));
    const int at = vertical().value();
    for (const char* link : {"picture.gif", "notes.txt", "mailto:someone", "http://example.com/page.htm",
                             "news:comp.lang", "ftp://host/x.html", "#top"}) {
        viewer.FollowLink(QString::fromLatin1(link));
        EXPECT_EQ(viewer.CurrentFile(), index) << link;
        EXPECT_EQ(vertical().value(), at) << link;
    }
    EXPECT_EQ(viewer.History().Count(), 0);
    EXPECT_EQ(historyChanges, 0);
    EXPECT_TRUE(prompter.messages.empty());

    // Under a network base every relative link is a network address.
    const QString based = page(QStringLiteral("based.htm"), "<BASE HREF=\"http://example.com/\">x");
    page(QStringLiteral("other.htm"), "y");
    viewer.LoadFromFile(based);
    viewer.FollowLink(QStringLiteral("other.htm"));
    EXPECT_EQ(viewer.CurrentFile(), based);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ViewerTest, HistoryGrowsOnlyWhenTheViewMovesAndOnlyWhenKept) {
    const QByteArray body = "<A NAME=start>a</A>" + rules(50) + "<A NAME=there>b</A>" + rules(50);
    const QString first = page(QStringLiteral("first.htm"), body);
    page(QStringLiteral("second.htm"), body);
    for (int maxCount : {0, 10}) {
        SCOPED_TRACE(maxCount);
        viewer.setHistoryMaxCount(maxCount);
        viewer.LoadFromBuffer(u"");
        viewer.LoadFromFile(first);
        historyChanges = 0;
        viewer.FollowLink(QStringLiteral("#start")); // already there
        viewer.FollowLink(QStringLiteral("#there"));
        viewer.FollowLink(QStringLiteral("second.htm"));
        const int expected = maxCount > 0 ? 3 : 0;
        EXPECT_EQ(viewer.History().Count(), expected);
        EXPECT_EQ(historyChanges, maxCount > 0 ? 2 : 0);
    }
    EXPECT_EQ(viewer.History().Items().front().FileName, tmp.file(QStringLiteral("second.htm")));
    viewer.setHistoryMaxCount(1);
    EXPECT_EQ(viewer.History().Count(), 1);
    viewer.LoadFromBuffer(u"<P>text");
    EXPECT_EQ(viewer.History().Count(), 0);
    EXPECT_TRUE(viewer.CurrentFile().isEmpty());
}

TEST_F(ViewerTest, AFileThatCannotBeReadLeavesThePageShown) {
    const QString good = page(QStringLiteral("good.htm"), "<TITLE>Good</TITLE>" + rules(3));
    viewer.LoadFromFile(good);
    const int sections = viewer.Document().Count();
    const QString missing = tmp.file(QStringLiteral("missing.htm"));
    try {
        viewer.LoadFromFile(missing);
        ADD_FAILURE() << "no error";
    } catch (const EHtmlFileError& e) {
        EXPECT_EQ(QString::fromStdString(e.what()), QStringLiteral("Can't locate file: ") + missing);
    }
    const QString fifo = tmp.file(QStringLiteral("fifo.htm"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir().mkpath(tmp.file(QStringLiteral("folder.htm")));
    for (const QString& bad : {fifo, tmp.file(QStringLiteral("folder.htm"))})
        EXPECT_THROW(viewer.LoadFromFile(bad), EHtmlFileError) << bad.toStdString();
    EXPECT_EQ(viewer.CurrentFile(), good);
    EXPECT_EQ(viewer.Title(), QStringLiteral("Good"));
    EXPECT_EQ(viewer.Document().Count(), sections);

    // Followed from the page, the failure is reported, not thrown.
    viewer.FollowLink(QStringLiteral("missing.htm"));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Can't locate file: ") + missing);
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(viewer.CurrentFile(), good);
}

TEST_F(ViewerTest, AParseErrorComesAfterThePartParsedIsShownAndNamesMayHoldAHash) {
    const QString broken = page(QStringLiteral("broken.htm"), "<TITLE>Half</TITLE>" + rules(30) + "<!-- never closed");
    EXPECT_THROW(viewer.LoadFromFile(broken), EParseError);
    EXPECT_EQ(viewer.CurrentFile(), broken);
    EXPECT_EQ(viewer.Title(), QStringLiteral("Half"));
    EXPECT_GT(viewer.DocumentHeight(), 0);

    const QString hashed = page(QStringLiteral("notes#1.htm"), "<TITLE>Hash</TITLE>");
    viewer.LoadFromFile(hashed);
    EXPECT_EQ(viewer.CurrentFile(), hashed);
    EXPECT_EQ(viewer.Title(), QStringLiteral("Hash"));
}

TEST_F(ViewerTest, OnlyAChangeOfWidthLaysThePageOutAgainKeepingTheTopSection) {
    QByteArray body;
    for (int i = 0; i < 40; ++i)
        body += "<P>Paragraph " + QByteArray::number(i) + " with enough words to wrap when the window narrows.<HR>";
    viewer.LoadFromFile(page(QStringLiteral("long.htm"), body));
    viewer.setScrollPosition({30, 4});
    const TScrollPosition before = viewer.ScrollPosition();
    ASSERT_EQ(before.Section, 30);
    const int count = layouts;
    viewer.resize(400, 200);
    EXPECT_EQ(layouts, count);
    viewer.resize(250, 200);
    EXPECT_EQ(layouts, count + 1);
    EXPECT_EQ(viewer.ScrollPosition(), before);
}

TEST_F(ViewerTest, KeysScrollWithinTheRange) {
    viewer.LoadFromFile(page(QStringLiteral("tall.htm"), rules(100)));
    const int client = viewer.viewport()->height();
    struct Case {
        Qt::Key key;
        int from;
        int expected;
    } const cases[] = {
        {Qt::Key_Down, 0, 18},
        {Qt::Key_Up, 10, 0},
        {Qt::Key_PageDown, 0, client},
        {Qt::Key_PageUp, 5, 0},
        {Qt::Key_Home, 500, 0},
        {Qt::Key_End, 0, vertical().maximum()},
        {Qt::Key_PageDown, vertical().maximum(), vertical().maximum()},
    };
    for (const Case& c : cases) {
        vertical().setValue(c.from);
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier);
        QCoreApplication::sendEvent(&viewer, &press);
        EXPECT_EQ(vertical().value(), c.expected) << c.key;
    }
    EXPECT_EQ(vertical().maximum(), viewer.DocumentHeight() - client);
}

TEST_F(ViewerTest, ATableWithTooManyColumnsIsReportedOnceAndTheRestOfThePageShows) {
    const QByteArray wide = "<TABLE><TR>" + QByteArray("<TD>cell").repeated(31) + "</TABLE>";
    viewer.LoadFromFile(page(QStringLiteral("wide.htm"), "<TITLE>Wide</TITLE>" + rules(5) + wide + rules(5)));
    ASSERT_EQ(prompter.messageTexts(), QStringList{QStringLiteral("Table has too many Columns")});
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(viewer.DocumentHeight(), 10 * 20);
    // Laying out again, painting and printing's copy do not repeat it.
    viewer.resize(250, 300);
    viewer.setDefFontSize(14);
    viewer.viewport()->grab();
    EXPECT_EQ(prompter.messages.size(), 1u);
    const auto copy = viewer.Document().Clone();
    int scrollWidth = 0, chars = 0;
    copy->DoLogic(*copy->ScreenCanvas, 0, 300, scrollWidth, chars);
    EXPECT_FALSE(copy->LayoutError);
    // Each page that has one says so, from a buffer too.
    viewer.LoadFromBuffer(QString::fromLatin1(wide));
    EXPECT_EQ(prompter.messages.size(), 2u);
}

// The warning is about the scroll range; a viewer with a short range shows it.
class ShortViewer : public THTMLViewer {
public:
    ShortViewer() { maxDocumentHeight_ = 200; }
};

TEST_F(ViewerTest, APageTallerThanTheScrollRangeIsCutWithOneWarningPerLayout) {
    ShortViewer shortViewer;
    shortViewer.setPrompter(&prompter);
    shortViewer.resize(300, 100);
    shortViewer.show();
    shortViewer.LoadFromFile(page(QStringLiteral("tall.htm"), rules(100)));
    ASSERT_EQ(prompter.messageTexts(), QStringList{QStringLiteral("HTML file too large, display truncated")});
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(shortViewer.DocumentHeight(), 200);
    EXPECT_EQ(shortViewer.verticalScrollBar()->maximum(), 200 - shortViewer.viewport()->height());
}

TEST_F(ViewerTest, TheBackgroundIsTheColourOrTheImageTiledFromThePageOrigin) {
    QImage tile(10, 10, QImage::Format_RGB32);
    tile.fill(Qt::white);
    tile.setPixelColor(0, 0, Qt::red);
    ASSERT_TRUE(tile.save(tmp.file(QStringLiteral("tile.png"))));
    viewer.setViewImages(true);
    viewer.LoadFromFile(page(QStringLiteral("tiled.htm"), "<BODY BACKGROUND=\"tile.png\">" + rules(100)));
    vertical().setValue(25);
    QImage shot = viewer.viewport()->grab().toImage();
    // Page row 30 is a tile's first row: 5 rows into the window.
    EXPECT_EQ(shot.pixelColor(0, 5), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(0, 6), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(10, 15), QColor(Qt::red));

    viewer.LoadFromFile(page(QStringLiteral("green.htm"), "<BODY BGCOLOR=\"#00FF00\">x"));
    shot = viewer.viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 1, shot.height() - 1), QColor(0, 255, 0));
}

void mouse(QWidget* target, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

TEST_F(ViewerTest, TheMouseOverALinkShowsTheHandAndAClickFollowsIt) {
    viewer.LoadFromFile(page(QStringLiteral("links.htm"),
                             "<A HREF=\"#end\">Go to the end</A>" + rules(80) + "<A NAME=end>End</A>" + rules(80)));
    QStringList covered;
    viewer.OnHotSpotCovered = [&](const QString& url) { covered << url; };
    QWidget* surface = viewer.viewport();
    const QPoint onLink(THTMLViewer::kLeftMargin + 5, 5);
    const QPoint beside(surface->width() - 5, 5);
    mouse(surface, QEvent::MouseMove, onLink);
    EXPECT_EQ(surface->cursor().shape(), Qt::PointingHandCursor);
    mouse(surface, QEvent::MouseMove, onLink + QPoint(2, 0));
    mouse(surface, QEvent::MouseMove, beside);
    EXPECT_EQ(surface->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(covered, (QStringList{QStringLiteral("#end"), QString()}));

    // A handler that takes the click leaves the view where it is.
    QStringList clicked;
    viewer.OnHotSpotClick = [&](const QString& url) {
        clicked << url;
        return true;
    };
    mouse(surface, QEvent::MouseButtonPress, onLink);
    mouse(surface, QEvent::MouseButtonRelease, onLink);
    EXPECT_EQ(clicked, QStringList{QStringLiteral("#end")});
    EXPECT_EQ(vertical().value(), 0);
    EXPECT_GE(viewer.Caret(), 0);

    viewer.OnHotSpotClick = nullptr;
    mouse(surface, QEvent::MouseButtonRelease, onLink);
    EXPECT_EQ(vertical().value(), anchorTop("END"));
    EXPECT_GT(vertical().value(), 0);
}

TEST_F(ViewerTest, TheWindowShowsWhatARenderOfThePageShows) {
    const QString path = page(QStringLiteral("look.htm"),
                              "<H2>Heading</H2><P>Some <B>bold</B> and <A HREF=\"x.htm\">linked</A> words that "
                              "wrap once the line is full of them, and more of them.<UL><LI>one<LI>two</UL><HR>"
                              "<PRE>pre  formatted</PRE>");
    viewer.setFrameShape(QFrame::NoFrame);
    viewer.resize(300, 400);
    viewer.LoadFromFile(path);
    const QImage shown = viewer.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    RenderOptions options;
    options.controlWidth = 300;
    options.scrollBarWidth = viewer.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &viewer);
    const RenderResult rendered = renderPage(path, options);
    ASSERT_TRUE(rendered.error.isEmpty()) << rendered.error.toStdString();
    const QRect common = QRect(QPoint(0, 0), shown.size()).intersected(rendered.image.rect());
    ASSERT_GT(common.height(), 100);
    EXPECT_EQ(shown.copy(common), rendered.image.copy(common));
}

TEST_F(ViewerTest, FormSubmissionsArriveOnceTheEventLoopTurns) {
    QStringList got;
    viewer.OnFormSubmit = [&](const QString& action, const QString& method, const QStringList& results) {
        got << action << method << results;
    };
    viewer.Document().Host->OnFormSubmit(QStringLiteral("/cgi/order"), QStringLiteral("Post"),
                                         {QStringLiteral("qty=2")});
    EXPECT_TRUE(got.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(got, (QStringList{QStringLiteral("/cgi/order"), QStringLiteral("Post"), QStringLiteral("qty=2")}));
}

TEST_F(ViewerTest, PicturesAreAskedOfTheHandlerWithTheViewerAsSender) {
    QStringList asked;
    viewer.setOnBitmapRequest([&](QObject* sender, const QString& name, std::optional<QImage>& bitmap) {
        EXPECT_EQ(sender, &viewer);
        asked << name;
        bitmap = QImage(30, 40, QImage::Format_RGB32);
    });
    viewer.setViewImages(true);
    viewer.LoadFromBuffer(u"<IMG SRC=\"pics/a.gif\">");
    EXPECT_EQ(asked, QStringList{QStringLiteral("pics/a.gif")});
}

} // namespace
