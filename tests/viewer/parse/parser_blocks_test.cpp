// Lists, preformatted text, tables and forms as the parser builds them.
#include "parse/parse_helper.h"

using namespace zorvel;
using zorvel::testing::cellText;
using zorvel::testing::Parsed;

namespace {

// "kind level number text" of every non-empty text section, in order.
QStringList items(const Parsed& p) {
    QStringList out;
    for (const TSection* t : p.texts()) {
        if (t->TextBuffer().isEmpty())
            continue;
        QString line = QStringLiteral("%1 %2").arg(QLatin1String(t->KindName())).arg(t->Level);
        if (t->ListType == ListKind::Ordered)
            line += QStringLiteral(" #%1").arg(t->ListNumber);
        out << line + u' ' + t->TextBuffer().toString();
    }
    return out;
}

} // namespace

TEST(ParserLists, KindsLevelsAndNumbers) {
    const Parsed p(QStringLiteral("<UL><LI>a<LI>b<OL START=5><LI>c<LI>d</OL><LI>e</UL>"
                                  "<OL><LI>f<LI>g</OL><DL><DT>term<DD>def</DL><MENU><LI>m</MENU>after"));
    EXPECT_EQ(items(p), (QStringList{"UListItem 1 a", "UListItem 1 b", "OListItem 2 #5 c", "OListItem 2 #6 d",
                                     "UListItem 1 e", "OListItem 1 #1 f", "OListItem 1 #2 g", "DListItem 0 term",
                                     "DListItem 1 def", "UListItem 1 m", "Section 0 after"}));
    for (const TSection* t : p.texts()) {
        if (t->ListType != ListKind::Plain) {
            EXPECT_EQ(t->Justify, Justification::Left);
        }
    }
}

TEST(ParserLists, AnyListEndClosesAnyList) {
    const Parsed p(QStringLiteral("<OL><LI>one<LI>two</UL>out<OL START=-1><LI>x</DL>"));
    EXPECT_EQ(items(p), (QStringList{"OListItem 1 #1 one", "OListItem 1 #2 two", "Section 0 out", "OListItem 1 #1 x"}));
    // A list with nothing in it does not break the line.
    EXPECT_EQ(items(Parsed(QStringLiteral("A<UL></UL>B"))), (QStringList{"Section 0 AB"}));
}

TEST(ParserLists, NumberingStopsAtTheLargestNumber) {
    const Parsed p(QStringLiteral("<OL START=2147483647><LI>a<LI>b</OL>"));
    EXPECT_EQ(items(p), (QStringList{"OListItem 1 #2147483647 a", "OListItem 1 #2147483647 b"}));
}

TEST(ParserLists, BlockquoteIndentsAndTextInListsIsIndented) {
    const Parsed p(
        QStringLiteral("<BLOCKQUOTE>quoted<BLOCKQUOTE>deeper</BLOCKQUOTE></BLOCKQUOTE><UL>lead<LI>i<BR>cont</UL>"));
    EXPECT_EQ(items(p), (QStringList{"Section 1 quoted", "Section 2 deeper", "Section 1 lead", "UListItem 1 i",
                                     "Section 1 cont"}));
    const TSection* quoted = p.texts().at(1);
    EXPECT_EQ(quoted->Indent, 35);
}

TEST(ParserLists, TableInsideListIsIgnored) {
    const Parsed p(QStringLiteral("<UL><LI>x<TABLE><TR><TD>cell one<TD>cell two</TABLE></UL>"));
    EXPECT_EQ(p.table(), nullptr);
    EXPECT_EQ(items(p), (QStringList{"UListItem 1 xcell onecell two"}));
}

TEST(ParserLists, HorizontalRuleAndTitleInsideListAreIgnored) {
    const Parsed p(QStringLiteral("<UL><LI>a<HR><TITLE>t</TITLE>b</UL>"));
    EXPECT_EQ(p.kinds(), (QStringList{"UListItem"}));
    EXPECT_EQ(p.strings.Title, "");
}

TEST(ParserPre, OneSectionPerLineKeepingSpaces) {
    const Parsed p(QStringLiteral("<PRE>\r\n  a  b\r\n\r\nx<B>y</B>&amp;<BR>z<P>\r\nw</PRE>after"));
    QStringList lines;
    for (const TSection* t : p.texts())
        if (dynamic_cast<const TPreFormated*>(t))
            lines << t->TextBuffer().toString();
    // The line break right after PRE gives an empty first line (one blank).
    EXPECT_EQ(lines, (QStringList{" ", "  a  b", " ", "xy&", "z", "w"}));
    const TSection* styled = p.texts().at(4);
    ASSERT_EQ(styled->Fonts.Count(), 3);
    EXPECT_TRUE(styled->Fonts.Item(1)->RunFont().bold);
    EXPECT_TRUE(styled->Fonts.Item(1)->RunFont().Fixed);
    EXPECT_EQ(styled->Fonts.Item(0)->RunFont().name, "Courier New");
    EXPECT_EQ(p.nonEmptyTexts().back(), "after");
    EXPECT_EQ(p.texts().back()->Fonts.Item(0)->RunFont().name, "Times New Roman");
}

TEST(ParserPre, HeadingsAndListsAreIgnoredButLinksWork) {
    const Parsed p(QStringLiteral("<PRE><H1>h</H1><UL><LI>l <A HREF=a.htm NAME=n>k</A><SUB>s</SUB><SUP>p</PRE>"));
    const TSection* line = p.texts().at(1);
    EXPECT_EQ(line->TextBuffer().toString(), "hl ksp");
    for (const auto& f : line->Fonts) // SUB and SUP change nothing here
        EXPECT_EQ(f->ScriptPosition, ScriptShift::Normal);
    EXPECT_EQ(line->Fonts.GetFontObjAt(5)->RunFont().NormalSize, 10);
    EXPECT_EQ(line->Fonts.GetFontObjAt(3)->LinkURL.toString(), "a.htm");
    EXPECT_EQ(p.names.Find("N"), line);
}

TEST(ParserTables, CellsRowsAndAlignment) {
    const Parsed p(QStringLiteral("<TABLE BORDER=2 CELLPADDING=0 CELLSPACING=100 WIDTH=80 ALIGN=center>"
                                  "<TR ALIGN=right VALIGN=top><TH>h1<TH ALIGN=left>h2"
                                  "<TR><TD COLSPAN=2 ROWSPAN=3 WIDTH=\"50%\" VALIGN=bottom>a</TD><TD WIDTH=100>b"
                                  "</TABLE>"));
    const ThtmlTable* t = p.table();
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->Border);
    EXPECT_EQ(t->CellPadding, 1);
    EXPECT_EQ(t->CellSpacing, 40);
    EXPECT_EQ(t->WidthPercent, 80);
    EXPECT_EQ(t->Justify, Justification::Center);
    ASSERT_EQ(t->Rows.Count(), 2);
    const TCellList& r1 = *t->Rows.Item(0);
    const TCellList& r2 = *t->Rows.Item(1);
    ASSERT_EQ(r1.Count(), 2);
    ASSERT_EQ(r2.Count(), 2);
    auto first = [](const TCellObj& c) { return dynamic_cast<const TSection*>(c.Cell->Item(0)); };
    EXPECT_EQ(first(*r1.Item(0))->Justify, Justification::Right); // the row's ALIGN
    EXPECT_EQ(first(*r1.Item(1))->Justify, Justification::Left);  // the cell's own
    EXPECT_TRUE(first(*r1.Item(0))->Fonts.Item(0)->RunFont().bold);
    EXPECT_EQ(r1.Item(0)->VAlign, VerticalAlign::Top);
    EXPECT_EQ(r2.Item(0)->ColSpan, 2);
    EXPECT_EQ(r2.Item(0)->RowSpan, 3);
    EXPECT_EQ(r2.Item(0)->WidthPercent, 50);
    EXPECT_EQ(r2.Item(0)->VAlign, VerticalAlign::Bottom);
    EXPECT_EQ(r2.Item(1)->WidthPercent, 0);
    EXPECT_EQ(r2.Item(1)->VAlign, VerticalAlign::Middle);
    EXPECT_FALSE(first(*r2.Item(1))->Fonts.Item(0)->RunFont().bold);
    // The caption cell always holds its small heading space.
    ASSERT_EQ(t->Caption->Cell->Count(), 1);
    EXPECT_STREQ(t->Caption->Cell->Item(0)->KindName(), "HeadingSpace");
}

TEST(ParserTables, TextBetweenCellsComesBeforeTheTable) {
    const Parsed p(QStringLiteral("<TABLE><TR><TD>a</TD> stray <TD>b</TD></TABLE>after"));
    EXPECT_EQ(p.kinds(), (QStringList{"Section", "Table", "Section"}));
    EXPECT_EQ(p.nonEmptyTexts(), (QStringList{"stray ", "after"}));
    const TCellList& row = *p.table()->Rows.Item(0);
    ASSERT_EQ(row.Count(), 2);
    EXPECT_EQ(cellText(*row.Item(0)->Cell), "a");
    EXPECT_EQ(cellText(*row.Item(1)->Cell), "b");
}

TEST(ParserTables, CaptionNestedTablesAndRestoredState) {
    const Parsed p(QStringLiteral("<CENTER><TABLE><CAPTION ALIGN=Bottom>cap</CAPTION><TR><TH>h"
                                  "<TABLE><TR><TD>inner</TABLE>tail</TABLE>next</CENTER>"));
    const ThtmlTable* t = p.table();
    ASSERT_NE(t, nullptr);
    EXPECT_FALSE(t->TopCaption);
    EXPECT_EQ(t->Justify, Justification::Center);
    EXPECT_EQ(cellText(*t->Caption->Cell), "cap");
    const TCell& cell = *t->Rows.Item(0)->Item(0)->Cell;
    const ThtmlTable* inner = nullptr;
    for (const auto& s : cell)
        if (auto* found = dynamic_cast<const ThtmlTable*>(s.get()))
            inner = found;
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(cellText(*inner->Rows.Item(0)->Item(0)->Cell), "inner");
    EXPECT_EQ(cellText(cell), "htail");
    // After the table the page's alignment and styles are back.
    const auto texts = p.texts();
    const TSection* next = texts.at(texts.size() - 2); // </CENTER> opens one more, empty section
    EXPECT_EQ(next->TextBuffer().toString(), "next");
    EXPECT_EQ(next->Justify, Justification::Center);
    EXPECT_FALSE(next->Fonts.Item(0)->RunFont().bold);
}

TEST(ParserTables, AnEmptyRowIsKeptUnlessItIsTheFirstMarker) {
    // Cells per row.
    for (const auto& [html, cells] : {std::pair{"<TABLE><TR><TR><TD>a</TABLE>", "0 1"},
                                      {"<TABLE><TR><TD>a</TABLE>", "1"},
                                      {"<TABLE><TD>a<TR><TR><TD>b</TABLE>", "1 0 1"}}) {
        Parsed p(QString::fromLatin1(html));
        QStringList counts;
        for (const auto& row : p.table()->Rows)
            counts << QString::number(row->Count());
        EXPECT_EQ(counts.join(' '), QLatin1String(cells)) << html;
        int scroll = 0, chars = 0;
        p.list.DoLogic(p.canvas, 0, 400, scroll, chars);
        for (const auto& row : p.table()->Rows) {
            if (row->empty()) {
                EXPECT_EQ(row->RowHeight, 0) << html;
            }
        }
    }
}

TEST(ParserTables, UnclosedListInCellDoesNotSwallowTheNextCell) {
    const Parsed p(QStringLiteral("<TABLE><TR><TD><UL><LI>a<TD>b</TABLE>"));
    const TCellList& row = *p.table()->Rows.Item(0);
    ASSERT_EQ(row.Count(), 2);
    EXPECT_EQ(cellText(*row.Item(0)->Cell), "a");
    EXPECT_EQ(cellText(*row.Item(1)->Cell), "b");
}

TEST(ParserForms, ControlsJoinFormsAndSections) {
    const Parsed p(QStringLiteral(
        "<INPUT NAME=outside><FORM ACTION=\"/cgi-bin/q\" METHOD=POST>"
        "<INPUT TYPE=TEXT NAME=a SIZE=30 MAXLENGTH=8 VALUE=\"v w\"><INPUT TYPE=Password NAME=p>"
        "<INPUT TYPE=checkbox NAME=c CHECKED><INPUT TYPE=radio NAME=r VALUE=1><INPUT TYPE=hidden NAME=h VALUE=x>"
        "<INPUT TYPE=submit><INPUT TYPE=reset VALUE=Clear><INPUT TYPE=image>"
        "<SELECT NAME=s><OPTION>x</SELECT><SELECT NAME=m SIZE=2></SELECT><SELECT NAME=k MULTIPLE></SELECT></FORM>"));
    ASSERT_EQ(p.list.FormList.Count(), 2);
    const ThtmlForm& implicit = *p.list.FormList.Item(0);
    EXPECT_EQ(implicit.Method, "Get");
    EXPECT_EQ(implicit.Action, "");
    EXPECT_EQ(implicit.ControlList.Count(), 1);
    const ThtmlForm& form = *p.list.FormList.Item(1);
    EXPECT_EQ(form.Method, "Post");
    EXPECT_EQ(form.Action, "/cgi-bin/q");
    QStringList kinds;
    for (const auto& c : form.ControlList)
        kinds << QString::fromLatin1(c->KindName()) + u':' + c->Name;
    EXPECT_EQ(kinds, (QStringList{"Edit:a", "Edit:p", "CheckBox:c", "RadioButton:r", "Hidden:h",
                                  "Button:", "Button:", "Edit:", "ComboBox:s", "ListBox:m", "ListBox:k"}));
    EXPECT_EQ(form.VisibleCount, 10);
    const auto* edit = dynamic_cast<const TEditFormControlObj*>(form.ControlList.Item(0));
    EXPECT_EQ(edit->EditSize, 30);
    EXPECT_EQ(edit->MaxLength, 8);
    EXPECT_EQ(edit->Value, "v w");
    EXPECT_TRUE(dynamic_cast<const TEditFormControlObj*>(form.ControlList.Item(1))->Password);
    EXPECT_TRUE(dynamic_cast<const TCheckBoxFormControlObj*>(form.ControlList.Item(2))->IsChecked);
    EXPECT_TRUE(form.ControlList.Item(2)->BaseLine);
    EXPECT_EQ(dynamic_cast<const TButtonFormControlObj*>(form.ControlList.Item(5))->Caption(), "Submit");
    EXPECT_EQ(dynamic_cast<const TButtonFormControlObj*>(form.ControlList.Item(6))->Caption(), "Clear");
    QString submission;
    EXPECT_TRUE(form.ControlList.Item(4)->GetSubmission(0, submission));
    EXPECT_EQ(submission, "h=x");
    // One placeholder per visible control; the hidden field has none.
    const TSection* s = p.texts().at(0);
    EXPECT_EQ(s->TextBuffer().toString(), QString(11, QChar(kControlChar)));
    EXPECT_EQ(int(s->FormControls().size()), 11);
    EXPECT_EQ(s->FormControls()[5]->Pos, 5);
}

TEST(ParserForms, SelectOptions) {
    const Parsed p(QStringLiteral("<SELECT NAME=s><OPTION VALUE=\"1\">  One  <OPTION SELECTED>Two &amp; more</OPTION>"
                                  "ignored<OPTION VALUE=e>   <OPTION>&#9;Last &#10;</SELECT>after"));
    const auto* box = dynamic_cast<const TListBoxFormControlObj*>(p.list.FormList.Item(0)->ControlList.Item(0));
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->OptionList.size(), 3u);
    EXPECT_EQ(box->OptionList[0].first, "One");
    EXPECT_EQ(box->OptionList[0].second.Value, "1");
    EXPECT_FALSE(box->OptionList[0].second.Selected);
    EXPECT_EQ(box->OptionList[1].first, "Two & more");
    EXPECT_TRUE(box->OptionList[1].second.Selected);
    EXPECT_EQ(box->OptionList[2].first, "Last");
    EXPECT_EQ(box->MaxChars, 10);
    EXPECT_EQ(p.nonEmptyTexts().back(), QString(QChar(kControlChar)) + "after");
}

TEST(ParserForms, TextAreaKeepsTagsAsTextAndReadsCharacterReferences) {
    const Parsed p(QStringLiteral("<TEXTAREA NAME=t ROWS=3 COLS=40>first &amp; <b>x</b>\r\n\r\nthird&#10;fourth "
                                  "&lt;/textarea></TextArea >after"));
    const auto* area = dynamic_cast<const TTextAreaFormControlObj*>(p.list.FormList.Item(0)->ControlList.Item(0));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->InitialText, (QStringList{"first & <b>x</b>", "", "third", "fourth </textarea>"}));
    EXPECT_EQ(area->Rows, 3);
    EXPECT_EQ(area->Cols, 40);
    EXPECT_EQ(p.nonEmptyTexts().back(), QString(QChar(kControlChar)) + "after");
}

TEST(ParserForms, TextAreaEndOutsideIsIgnoredAndUnclosedAreaRunsToTheEnd) {
    const Parsed outside(QStringLiteral("a</TEXTAREA>b"));
    EXPECT_EQ(outside.nonEmptyTexts(), QStringList{"ab"});
    const Parsed open(QStringLiteral("<TEXTAREA>one\r\ntwo"));
    const auto* area = dynamic_cast<const TTextAreaFormControlObj*>(open.list.FormList.Item(0)->ControlList.Item(0));
    EXPECT_EQ(area->InitialText, (QStringList{"one", "two"}));
}

TEST(ParserPre, LineEndsAndTabsAreNormalised) {
    const std::pair<const char*, QStringList> cases[] = {
        {"<PRE>a\r\nb\n\rc\rd\ne</PRE>", {"a", "b", "c", "d", "e"}},
        {"<PRE>a\r\rb</PRE>", {"a", " ", "b"}},
        {"<PRE>a\n\nb</PRE>", {"a", " ", "b"}},
        {"<PRE>a\tb</PRE>", {"a b"}},
        {"<PRE>a<BR>\r\nb<P>c</PRE>", {"a", "b", "c"}},
        {"<PRE>a&#10;b&#9;c&#13;d</PRE>", {"a", "b c", "d"}},
    };
    for (const auto& [html, lines] : cases) {
        const Parsed p(QString::fromLatin1(html));
        QStringList got;
        for (const TSection* t : p.texts())
            if (dynamic_cast<const TPreFormated*>(t) && !t->TextBuffer().isEmpty())
                got << t->TextBuffer().toString();
        EXPECT_EQ(got, lines) << html;
    }
}
