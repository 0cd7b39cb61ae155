#include "page_generator.h"

namespace zorvel::bench {

static QString block(int n) {
    const QString i = QString::number(n);
    return QStringLiteral(
               "<H2><A NAME=\"s%1\">Section %1</A></H2>\r\n"
               "<P ALIGN=justify>Paragraph %1 has <B>bold</B>, <I>italic</I>, <U>underlined</U>, <EM>em</EM>, "
               "<STRONG>strong</STRONG> and <TT>typewriter</TT> words; H<SUB>2</SUB>O and x<SUP>2</SUP>.\r\n"
               "It links to <A HREF=\"page%1.htm#top\">page %1</A> and shows &amp; &lt;entities&gt; &eacute;&#233;.\r\n"
               "<!-- a comment in block %1 -->\r\n"
               "<FONT SIZE=+1 COLOR=\"#336699\" FACE=Arial>Bigger coloured text</FONT><BR>\r\n"
               "<IMG SRC=\"img/pic%1.gif\" ALT=\"Picture %1\" ALIGN=middle BORDER=0>\r\n"
               "<UL><LI>First item<LI>Second item <CODE>code</CODE>\r\n"
               "<OL START=3><LI>Nested one<LI>Nested two</OL></UL>\r\n"
               "<DL><DT>Term %1<DD>Definition of the term.</DL>\r\n"
               "<BLOCKQUOTE>Quoted text for block %1.</BLOCKQUOTE>\r\n"
               "<PRE>\r\n  column  %1\r\n  <B>bold</B> in pre\r\n</PRE>\r\n"
               "<CENTER>Centred line</CENTER><HR>\r\n"
               "<TABLE BORDER=1 CELLPADDING=2 WIDTH=80%><CAPTION>Table %1</CAPTION>\r\n"
               "<TR><TH>Name</TH><TH COLSPAN=2>Values</TH></TR>\r\n"
               "<TR ALIGN=center><TD>alpha</TD><TD WIDTH=\"30%\">1</TD><TD VALIGN=top>2</TD></TR>\r\n"
               "</TABLE>\r\n"
               "<FORM ACTION=\"/cgi/%1\" METHOD=POST><INPUT NAME=q%1 SIZE=20> <INPUT TYPE=checkbox NAME=c CHECKED>\r\n"
               "<SELECT NAME=s><OPTION VALUE=1>One<OPTION SELECTED>Two</SELECT>\r\n"
               "<TEXTAREA NAME=t ROWS=2>line one\r\nline two</TEXTAREA><INPUT TYPE=submit></FORM>\r\n"
               "<ADDRESS>Block %1 author</ADDRESS>\r\n")
        .arg(i);
}

static QString paragraph(int i) {
    return QStringLiteral("<P>Paragraph %1: the <B>committee</B> met on a wet Tuesday to agree the order of the "
                          "spring show, and after some talk of <I>dahlias</I> and the hall's leaking roof it was "
                          "settled that the vegetables would go first and the cakes last.\n")
        .arg(i);
}

// The same paragraphs, either as plain text or spread over tables nested
// `depth` deep: each level a bordered two-column table with a short menu on
// the left and, on the right, its share of the paragraphs and the next level.
QString nestedPage(int depth, int paragraphs) {
    QString page = QStringLiteral("<HTML><BODY>");
    int next = 0;
    const int perLevel = paragraphs / (depth + 1);
    for (int level = 0; level < depth; ++level) {
        page += QStringLiteral("<TABLE BORDER CELLPADDING=4><TR><TD VALIGN=top><A HREF=\"a.htm\">Home</A><BR>"
                               "<A HREF=\"b.htm\">News</A><BR><A HREF=\"c.htm\">Contact</A><TD>");
        for (int i = 0; i < perLevel; ++i)
            page += paragraph(next++);
    }
    while (next < paragraphs)
        page += paragraph(next++);
    page += QStringLiteral("</TABLE>").repeated(depth);
    return page + QStringLiteral("</BODY></HTML>");
}

QString rowsPage(int rows) {
    QString page = QStringLiteral("<HTML><BODY><TABLE BORDER><TR><TH>Name<TH>Kind<TH>Description");
    for (int r = 0; r < rows; ++r)
        page += QStringLiteral("<TR><TD>item_%1<TD ALIGN=center>%2<TD>What the item %1 does, in a few words "
                               "that wrap when the column is narrow.\n")
                    .arg(r)
                    .arg(r % 7 ? QStringLiteral("function") : QStringLiteral("macro"));
    return page + QStringLiteral("</TABLE></BODY></HTML>");
}

QString generatePage(qsizetype bytes) {
    QString page = QStringLiteral("<HTML><HEAD><TITLE>Benchmark page</TITLE></HEAD>\r\n"
                                  "<BODY BGCOLOR=white TEXT=black LINK=blue><BASEFONT SIZE=3>\r\n");
    page.reserve(bytes + 4096);
    for (int n = 1; page.size() < bytes; ++n)
        page += block(n);
    page += QStringLiteral("</BODY></HTML>\r\n");
    return page;
}

} // namespace zorvel::bench
