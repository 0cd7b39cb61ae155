// The document model: text rules, font runs, spacing, defaults, images and queries.
#include "parse/parse_helper.h"

using namespace zorvel;
using zorvel::testing::Parsed;

namespace {

TMyFont baseFont(const TSectionList& list) {
    TMyFont f;
    f.name = list.FontName;
    f.SetNominalSize(list, 12);
    return f;
}

struct Doc {
    FixedMetricsCanvas canvas;
    TSectionList list{canvas};
    TSection& section() {
        if (!owned)
            owned = makeModel<TSection>(list.Pool, list, 0, Justification::Left, QString(), baseFont(list), 0);
        return *owned;
    }
    std::unique_ptr<TSection> owned;
};

} // namespace

TEST(Model, MulDivRoundsHalfAwayFromZero) {
    const std::tuple<int, int, int, int> cases[] = {{14, 12, 12, 14}, {6, 9, 12, 5}, {14, 10, 12, 12}, {20, 10, 12, 17},
                                                    {-6, 9, 12, -5},  {1, 1, 0, -1}, {16, 10, 12, 13}};
    for (const auto& [a, b, c, r] : cases)
        EXPECT_EQ(mulDiv(a, b, c), r) << a << '*' << b << '/' << c;
}

TEST(Model, AddTextSpacesAndLimit) {
    Doc d;
    TSection& s = d.section();
    s.AddText(u" lead");
    s.AddText(u" ");
    s.AddText(u" next ");
    s.AddText(u" again");
    s.AddText(u"");
    EXPECT_EQ(s.TextBuffer().toString(), "lead next again");
    EXPECT_EQ(s.Len, 15);
    const QString chunk(150, u'x');
    for (int i = 0; i < 200; ++i)
        s.AddText(chunk);
    // However long, a section keeps all its text.
    EXPECT_EQ(s.Len, 15 + 200 * 150);
    EXPECT_EQ(s.TextBuffer().toString(), "lead next again" + chunk.repeated(200));
    EXPECT_GE(s.TextBufferSize(), s.Len);

    TPreFormated pre(d.list, 0, Justification::Left, QString(), baseFont(d.list), 0);
    pre.AddText(u"");
    pre.AddText(u"  a ");
    EXPECT_EQ(pre.TextBuffer().toString(), "   a ");
}

// Sections keep their text in the document's store: text added to two
// sections in turn, or past a block's end, must stay each section's own, and
// a print copy's text must outlive the original's.
TEST(Model, SectionTextStaysItsOwn) {
    Doc d;
    TSection a(d.list, 0, Justification::Left, QString(), baseFont(d.list), 0),
        b(d.list, 0, Justification::Left, QString(), baseFont(d.list), 0);
    QString expectA, expectB;
    for (int i = 0; i < 3000; ++i) {
        const QString word = QString::number(i) + u'.';
        (i % 7 ? a : b).AddText(word);
        (i % 7 ? expectA : expectB) += word;
    }
    EXPECT_EQ(a.TextBuffer().toString(), expectA);
    EXPECT_EQ(b.TextBuffer().toString(), expectB);
    EXPECT_EQ(a.Len, expectA.size());

    auto list = std::make_unique<TSectionList>(d.canvas);
    auto owned = makeModel<TSection>(list->Pool, *list, 0, Justification::Left, QString(), baseFont(*list), 0);
    TSection* s = owned.get();
    s->AddText(u"kept in the copy");
    s->SetLink(true, *list, baseFont(*list), QStringLiteral("kept.htm"), 0, ScriptShift::Normal);
    s->AddText(u" with its link");
    list->Add(std::move(owned));
    const std::unique_ptr<TSectionList> copy = list->Clone();
    list.reset();
    const auto* kept = static_cast<const TSection*>(copy->Item(0));
    EXPECT_EQ(kept->TextBuffer().toString(), "kept in the copy with its link");
    EXPECT_EQ(kept->Fonts.back()->LinkURL.toString(), "kept.htm");
}

// The model's record lists keep their records through growth and squeezing,
// in storage from the document's pool (the sanitizer run checks that nothing
// leaks or is freed twice).
TEST(Model, RecordListsAndLinksKeepTheirContents) {
    TModelPool pool;
    const TLinkText shared(pool, QStringLiteral("shared.htm"));
    TValueList<TLinkText> list;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 100; ++i)
            list.Add(pool, i % 2 ? shared : TLinkText(pool, QString::number(i)));
        list.Squeeze(pool);
        ASSERT_EQ(list.Count(), 100);
        for (int i = 0; i < 100; ++i)
            EXPECT_EQ(list.Item(i)->toString(), i % 2 ? QStringLiteral("shared.htm") : QString::number(i)) << i;
        list.Clear();
        EXPECT_TRUE(list.empty());
        // One record left goes back into the list itself.
        list.Add(pool, shared);
        list.Squeeze(pool);
        EXPECT_EQ(list.Item(0)->toString(), "shared.htm");
        list.Clear();
    }
    EXPECT_EQ(shared.toString(), "shared.htm");
    EXPECT_TRUE(TLinkText(pool, QString()).isEmpty()); // an empty address is no link
}

// A document's pool hands everything back at once: records left in it are
// not visited, Owners are deleted once (not again when deleted before), and
// the pool serves the next page after (the sanitizer run checks the blocks).
TEST(Model, PoolReleasesWholeAndServesAgain) {
    struct Counted : TModelPool::Owner {
        Counted(TModelPool& pool, int& deleted) : Owner(pool), deleted_(deleted) {}
        ~Counted() override { ++deleted_; }
        int& deleted_;
    };
    TModelPool pool;
    for (int page = 0; page < 2; ++page) {
        int deleted = 0;
        std::vector<std::tuple<char*, std::size_t, char>> kept;
        char fill = 0;
        for (std::size_t size : {1, 8, 24, 144, 1024, 1025, 5000, 100000}) {
            for (int i = 0; i < 50; ++i, ++fill) {
                auto* b = static_cast<char*>(pool.Allocate(size));
                std::fill_n(b, size, fill);
                if (i % 2)
                    TModelPool::Free(b, size);
                else
                    kept.emplace_back(b, size, fill);
            }
        }
        auto* early = new Counted(pool, deleted);
        new Counted(pool, deleted);
        new Counted(pool, deleted);
        delete early;
        EXPECT_EQ(deleted, 1);
        for (const auto& [b, size, value] : kept) // no kept block was handed out again
            EXPECT_EQ(std::count(b, b + size, value), std::ptrdiff_t(size));
        pool.Release();
        EXPECT_EQ(deleted, 3) << page;
    }
}

TEST(Model, SpacingScalesWithFontSize) {
    struct Case {
        int fontSize;
        int paragraph, rule, h1, h2, h3, h4, h5, h6, h0;
    };
    const Case cases[] = {{12, 14, 20, 16, 12, 10, 8, 6, 4, 8},
                          {24, 28, 40, 32, 24, 20, 16, 12, 8, 16},
                          {10, 12, 17, 13, 10, 8, 7, 5, 3, 7}};
    for (const Case& c : cases) {
        Doc d;
        d.list.FontSize = c.fontSize;
        d.list.Add(makeModel<TParagraphSpace>(d.list.Pool, &d.list));
        d.list.Add(makeModel<THorzLine>(d.list.Pool, &d.list));
        for (int level : {1, 2, 3, 4, 5, 6, 0})
            d.list.Add(makeModel<THeadingSpace>(d.list.Pool, &d.list, level));
        std::vector<int> heights;
        for (const auto& s : d.list)
            heights.push_back(s->SectionHeight);
        EXPECT_EQ(heights, (std::vector<int>{c.paragraph, c.rule, c.h1, c.h2, c.h3, c.h4, c.h5, c.h6, c.h0}))
            << c.fontSize;
    }
}

TEST(Model, FontRunsAreMeasuredOnTheCanvas) {
    Doc d;
    TMyFont italic = baseFont(d.list);
    italic.italic = true;
    TSection& s = d.section();
    s.AddText(u"ab");
    s.ChangeFont(d.list, italic, kStyleBold, ScriptShift::Normal);
    const TFontObj& run = *s.Fonts.Item(1);
    EXPECT_EQ(run.Pos, 2);
    EXPECT_TRUE(run.RunFont().bold);
    const TRunMetrics m = run.Metrics(d.canvas);
    EXPECT_EQ(m.TextHeight, 15); // ascent 12 + descent 3
    EXPECT_EQ(m.FontHeight, 17); // plus external leading 2
    EXPECT_EQ(m.Descent, 3);
    EXPECT_EQ(m.Overhang, 2);
    // A change at the same position replaces the run instead of adding one.
    s.ChangeFont(d.list, baseFont(d.list), 0, ScriptShift::Super);
    EXPECT_EQ(s.Fonts.Count(), 2);
    EXPECT_EQ(s.Fonts.Item(1)->ScriptPosition, ScriptShift::Super);
    EXPECT_EQ(s.Fonts.Item(1)->RunFont().NormalSize, 9);
    EXPECT_EQ(s.Fonts.Item(1)->Metrics(d.canvas).TextHeight, 9 + 2);
}

TEST(Model, FontListQueries) {
    Doc d;
    TSection& s = d.section();
    s.AddText(u"aaa");
    s.SetLink(true, d.list, baseFont(d.list), "u.htm", 0, ScriptShift::Normal);
    s.AddText(u"bb");
    s.SetLink(false, d.list, baseFont(d.list), QString(), 0, ScriptShift::Normal);
    s.AddText(u"c");
    int index = -1;
    EXPECT_EQ(s.Fonts.GetFontObjAt(0, &index)->Pos, 0);
    EXPECT_EQ(s.Fonts.GetFontObjAt(4, &index)->LinkURL.toString(), "u.htm");
    EXPECT_EQ(index, 1);
    EXPECT_EQ(s.Fonts.GetFontObjAt(5, &index)->LinkURL.toString(), "");
    EXPECT_EQ(index, 2);
    EXPECT_EQ(s.Fonts.GetFontCountAt(1, s.Len), 2);
    EXPECT_EQ(s.Fonts.GetFontCountAt(5, s.Len), 1);
    s.AddImage(TAttributeList{});
    s.AddText(u"d");
    s.AddImage(TAttributeList{});
    EXPECT_EQ(s.Images().GetImageCountAt(0), 6);
    EXPECT_EQ(s.Images().GetImageCountAt(7), 1);
    EXPECT_EQ(s.Images().GetImageCountAt(9), 9999);
    EXPECT_EQ(s.Images().GetImageAt(8)->Pos, 8);
    EXPECT_EQ(s.Images().GetImageAt(7), nullptr);
}

TEST(Model, SetDefaultsRecoloursAndRescalesEverything) {
    Parsed p(QStringLiteral("<BODY TEXT=green><FONT COLOR=red FACE=Arial SIZE=5>big</FONT><A HREF=a.htm>link</A>"
                            "<TT>code</TT><H1>h</H1>"));
    p.list.SetDefaults({.fontName = "Georgia",
                        .preFontName = "Mono",
                        .fontSize = 24,
                        .background = Qt::white,
                        .text = QColor(4, 5, 6),
                        .link = QColor(1, 2, 3)});
    int runs = 0;
    for (const TSection* s : p.texts()) {
        for (const auto& f : s->Fonts) {
            ++runs;
            const TMyFont& font = f->RunFont();
            EXPECT_EQ(font.color, f->LinkURL.isEmpty() ? QColor(4, 5, 6) : QColor(1, 2, 3));
            EXPECT_EQ(font.name, font.Fixed ? "Mono" : "Georgia");
            EXPECT_EQ(font.size, font.NormalSize * 2);
            EXPECT_EQ(f->Metrics(p.canvas).TextHeight, font.size + font.size / 4);
        }
        EXPECT_EQ(s->BaseFont->color, QColor(4, 5, 6));
    }
    EXPECT_GE(runs, 5);
    const QString dump = p.dump();
    EXPECT_TRUE(dump.contains("size=18 style=- color=#040506")) << dump.toStdString(); // the FONT SIZE=5 run
    EXPECT_TRUE(dump.contains("HeadingSpace level=1 height=32")) << dump.toStdString();
    EXPECT_EQ(p.list.Background, QColor(Qt::white));
    EXPECT_EQ(p.list.FontName, "Georgia");
    p.list.SetDefaults({.fontName = QString(40, u'n')});
    EXPECT_EQ(p.list.FontName.size(), 32);
}

TEST(Model, MissingImageShowsTheErrorPictureWithItsAltText) {
    Parsed p(QStringLiteral(
        "<IMG SRC=\"no-such-file.gif\" ALT=\"Logo\"><IMG SRC=\"none.png\"><IMG SRC=x.gif ALIGN=top BORDER=0>"));
    const TSection* s = p.texts().at(0);
    ASSERT_EQ(s->Images().Count(), 3);
    TImageObj& withAlt = *s->Images().Item(0);
    const TMyFont& font = s->Fonts.Item(0)->RunFont();
    withAlt.Measure(p.list, p.canvas, font);
    EXPECT_EQ(withAlt.Kind(), TImageObj::BitmapSource::Error);
    EXPECT_EQ(withAlt.Bitmap().size(), QSize(27, 30));
    const int altWidth = 4 * FixedMetricsCanvas::charWidth(font);
    EXPECT_EQ(withAlt.ImageWidth, 27 + altWidth + 4);
    EXPECT_EQ(withAlt.ImageHeight, 32);
    TImageObj& plain = *s->Images().Item(1);
    plain.Measure(p.list, p.canvas, font);
    EXPECT_EQ(plain.ImageWidth, 27);
    EXPECT_EQ(plain.ImageAlign, VerticalAlign::Bottom);
    EXPECT_EQ(s->Images().Item(2)->ImageAlign, VerticalAlign::Top);
    EXPECT_TRUE(s->Images().Item(2)->NoBorder);
    // With images off the 32 by 32 placeholder stands in and nothing is looked up.
    Parsed off(QStringLiteral("<IMG SRC=a.gif ALT=A>"));
    off.list.ShowImages = false;
    TImageObj& image = *off.texts().at(0)->Images().Item(0);
    image.Measure(off.list, off.canvas, font);
    EXPECT_EQ(image.Kind(), TImageObj::BitmapSource::None);
    EXPECT_EQ(image.ImageWidth, 32 + FixedMetricsCanvas::charWidth(font) + 4);
    EXPECT_EQ(image.ImageHeight, 34);
}

TEST(Model, SectionQueriesByHeight) {
    Parsed p(QStringLiteral("<HR><P>x<HR>"));
    // Sections: empty text, rule 20, paragraph space 14, text "x", rule 20.
    ASSERT_EQ(p.list.Count(), 5);
    int top = -1, index = -1;
    EXPECT_EQ(p.list.FindSectionAtPosition(0, top, index), p.list.Item(1));
    EXPECT_EQ(top, 0);
    EXPECT_EQ(p.list.FindSectionAtPosition(20, top, index), p.list.Item(2));
    EXPECT_EQ(top, 20);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(p.list.FindSectionAtPosition(34, top, index), p.list.Item(4));
    EXPECT_EQ(p.list.FindSectionAtPosition(54, top, index), nullptr);
    EXPECT_EQ(p.list.GetSectionTop(0), 0);
    EXPECT_EQ(p.list.GetSectionTop(3), 34);
    EXPECT_EQ(p.list.GetSectionTop(99), 34); // at most Count - 1 sections
}

TEST(Model, CloneCopiesSectionsButNotFormsOrBackground) {
    Parsed p(QStringLiteral("<BODY BGCOLOR=red BACKGROUND=bg.gif>a<B>b</B><IMG SRC=i.gif><UL><LI>x</UL><PRE>p</PRE>"
                            "<TABLE><CAPTION>c</CAPTION><TR><TD>t</TABLE><HR><H2>h</H2><INPUT NAME=q>"));
    const auto copy = p.list.Clone();
    TParseStrings none;
    TNameList names;
    QString original = dumpModelText(p.list, names, none);
    QString cloned = dumpModelText(*copy, names, none);
    // The clone keeps every section and a frame of each control; it has no forms and no
    // background picture.
    original.remove(original.indexOf("Form "), original.indexOf("Title ") - original.indexOf("Form "));
    original.replace(" image=\"bg.gif\"", "");
    EXPECT_EQ(cloned, original);
    EXPECT_EQ(copy->FormList.Count(), 0);
    EXPECT_EQ(copy->Background, QColor(Qt::red));
    for (const auto& s : *copy)
        EXPECT_EQ(s->ParentSectionList, copy.get());
    const int sections = p.list.Count();
    p.list.Clear();
    EXPECT_EQ(p.list.Count(), 0);
    EXPECT_EQ(p.list.FormList.Count(), 0);
    EXPECT_TRUE(p.list.BackgroundBitmapName.isEmpty());
    EXPECT_EQ(copy->Count(), sections); // the clone does not share the original's sections
}
