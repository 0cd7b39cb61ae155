// Forms at work with window controls of fixed sizes: what a form submits, the
// Enter key, radio groups, reset, sizes in the line, and print copies.
#include "forms/form_helper.h"

using namespace zorvel;
using zorvel::testing::FormPage;

namespace {

struct SubmitCase {
    const char* what;
    const char* html;
    int click; // the control of the first form to click, or -1: the form is submitted as such
    const char* submitted;
};

const SubmitCase kSubmitCases[] = {
    {"a checked box with no value gives an empty value", "<INPUT TYPE=CHECKBOX NAME=a CHECKED>", -1, "Get : a="},
    {"an unchecked box gives nothing", "<INPUT TYPE=CHECKBOX NAME=a VALUE=1>", -1, "Get : "},
    {"a nameless submit button adds nothing", "<FORM ACTION=/x METHOD=post><INPUT NAME=q VALUE=v><INPUT TYPE=SUBMIT>",
     1, "Post /x: q=v"},
    {"a named one adds itself last", "<INPUT TYPE=SUBMIT NAME=go VALUE=Find><INPUT NAME=q VALUE=cats>", 0,
     "Get : q=cats; go=Find"},
    {"METHOD other than post is Get", "<FORM METHOD=PUT ACTION=a.cgi><INPUT TYPE=HIDDEN NAME=h VALUE=1></FORM>", -1,
     "Get a.cgi: h=1"},
    {"each line of a text area is an entry", "<TEXTAREA NAME=t>one\ntwo\nthree</TEXTAREA>", -1,
     "Get : t=one; t=two; t=three"},
    {"an empty text area gives nothing", "<TEXTAREA NAME=t></TEXTAREA>", -1, "Get : "},
    {"a multiple list gives each selected option, its value or its text",
     "<SELECT NAME=s MULTIPLE><OPTION SELECTED VALUE=1>one<OPTION>two<OPTION SELECTED>three</SELECT>", -1,
     "Get : s=1; s=three"},
    {"a list taking one choice keeps the last marked",
     "<SELECT NAME=s SIZE=3><OPTION SELECTED>a<OPTION SELECTED>b"
     "<OPTION>c</SELECT>",
     -1, "Get : s=b"},
    {"a list with none marked has its first selected", "<SELECT NAME=s SIZE=3><OPTION>a<OPTION>b</SELECT>", -1,
     "Get : s=a"},
    {"a drop-down list keeps the last marked", "<SELECT NAME=c><OPTION SELECTED>x<OPTION SELECTED VALUE=Y>y</SELECT>",
     -1, "Get : c=Y"},
    {"a drop-down list with none marked gives its first", "<SELECT NAME=c><OPTION>x<OPTION>y</SELECT>", -1,
     "Get : c=x"},
    {"only the checked radio button", "<INPUT TYPE=RADIO NAME=r VALUE=1><INPUT TYPE=RADIO NAME=r VALUE=2 CHECKED>", -1,
     "Get : r=2"},
    {"an image input is a text field", "<INPUT TYPE=image NAME=i VALUE=v>", -1, "Get : i=v"},
    {"a password field gives its text", "<INPUT TYPE=PASSWORD NAME=p VALUE=secret>", -1, "Get : p=secret"},
    {"nothing is encoded", "<INPUT NAME=\"a b\" VALUE=\"x=y&z %\">", -1, "Get : a b=x=y&z %"},
    {"a reset button submits nothing", "<INPUT NAME=q><INPUT TYPE=RESET>", 1, ""},
};

TEST(Forms, WhatAFormSubmits) {
    for (const SubmitCase& c : kSubmitCases) {
        FormPage page(QString::fromUtf8(c.html));
        ASSERT_GE(page.list.FormList.Count(), 1) << c.what;
        if (c.click >= 0)
            page.window(c.click).click();
        else
            page.form().SubmitForm();
        const QStringList expected = *c.submitted ? QStringList{QString::fromUtf8(c.submitted)} : QStringList{};
        EXPECT_EQ(page.submitted, expected) << c.what;
    }
}

TEST(Forms, WhatTheUserChangedIsSubmittedAndNothingWithoutAHandler) {
    FormPage page("<FORM ACTION=/m METHOD=POST><INPUT NAME=name><INPUT TYPE=CHECKBOX NAME=c VALUE=y>"
                  "<TEXTAREA NAME=t>x</TEXTAREA><SELECT NAME=s MULTIPLE><OPTION>a<OPTION>b<OPTION>c</SELECT>"
                  "<INPUT TYPE=SUBMIT NAME=go VALUE=Send></FORM>");
    page.window(0).setText("Ann");
    page.window(1).click();
    page.window(2).setText("l1\nl2\n");
    page.window(3).setSelected(0, false);
    page.window(3).setSelected(1, true);
    page.window(3).setSelected(2, true);
    page.window(4).click();
    EXPECT_EQ(page.submitted, QStringList{"Post /m: name=Ann; c=y; t=l1; t=l2; s=b; s=c; go=Send"});

    page.list.Host = nullptr;
    page.window(4).click();
    EXPECT_EQ(page.submitted.size(), 1);
}

TEST(Forms, EnterSubmitsAFormOfOneFieldOnly) {
    const std::pair<const char*, int> cases[] = {
        {"<INPUT NAME=q VALUE=x>", 1},
        {"<INPUT TYPE=HIDDEN NAME=h VALUE=1><INPUT NAME=q VALUE=x>", 1}, // hidden fields do not count
        {"<INPUT NAME=q><INPUT TYPE=SUBMIT>", 0},
        {"<INPUT NAME=q><INPUT NAME=r>", 0},
    };
    for (const auto& [html, submissions] : cases) {
        FormPage page(QString::fromLatin1(html));
        for (const auto& control : page.form().ControlList)
            if (auto* w = dynamic_cast<HeadlessWindowControl*>(control->WindowControl.get()))
                w->pressEnter();
        EXPECT_EQ(page.submitted.size(), submissions) << html;
    }
}

TEST(Forms, ControlsOutsideAFormJoinAnImplicitOneUntilTheNextForm) {
    FormPage page("<INPUT NAME=a><FORM ACTION=/f METHOD=post><INPUT NAME=b></FORM><INPUT NAME=c>");
    ASSERT_EQ(page.list.FormList.Count(), 3);
    EXPECT_EQ(page.form(0).Method, "Get");
    EXPECT_TRUE(page.form(0).Action.isEmpty());
    EXPECT_EQ(page.form(1).Action, "/f");
    EXPECT_EQ(page.form(2).Method, "Get");
    EXPECT_EQ(page.control(0, 2).Name, "c");
}

TEST(Forms, RadioButtonsAreGroupedByNameWithoutCaseWithinTheirForm) {
    FormPage page("<FORM><INPUT TYPE=RADIO NAME=Colour CHECKED><INPUT TYPE=RADIO NAME=colour>"
                  "<INPUT TYPE=RADIO NAME=COLOUR><INPUT TYPE=RADIO NAME=size CHECKED>"
                  "<INPUT TYPE=RADIO CHECKED><INPUT TYPE=RADIO></FORM>"
                  "<FORM><INPUT TYPE=RADIO NAME=colour CHECKED></FORM>");
    auto marks = [&] {
        QString s;
        for (int i = 0; i < 6; ++i)
            s += page.window(i).isChecked() ? u'x' : u'.';
        return s + u'|' + (page.window(0, 1).isChecked() ? u'x' : u'.');
    };
    EXPECT_EQ(marks(), "x..xx.|x");
    page.window(2).click();
    EXPECT_EQ(marks(), "..xxx.|x");
    page.window(2).click(); // a click never takes a radio button's mark away
    EXPECT_EQ(marks(), "..xxx.|x");
    page.window(5).click(); // nameless buttons are not grouped
    EXPECT_EQ(marks(), "..xxxx|x");
}

TEST(Forms, ResetPutsEveryKindBack) {
    FormPage page("<FORM><INPUT NAME=e VALUE=start><INPUT TYPE=PASSWORD NAME=p VALUE=pw>"
                  "<INPUT TYPE=CHECKBOX NAME=c CHECKED><INPUT TYPE=RADIO NAME=r><INPUT TYPE=RADIO NAME=r CHECKED>"
                  "<SELECT NAME=l MULTIPLE><OPTION>a<OPTION SELECTED>b<OPTION SELECTED>c</SELECT>"
                  "<SELECT NAME=d><OPTION>x<OPTION SELECTED>y</SELECT><TEXTAREA NAME=t>one\ntwo</TEXTAREA>"
                  "<INPUT TYPE=HIDDEN NAME=h VALUE=1><INPUT TYPE=RESET VALUE=Again></FORM>");
    page.form().SubmitForm();
    ASSERT_EQ(page.submitted.size(), 1);
    const QString initial = page.submitted.takeFirst();

    page.window(0).setText("changed");
    page.window(1).setText("other");
    page.window(2).click();
    page.window(3).click();
    page.window(5).setSelected(0, true);
    page.window(5).setSelected(1, false);
    page.window(6).setSelected(0, true);
    page.window(7).setText("new");
    page.form().SubmitForm();
    EXPECT_NE(page.submitted.takeFirst(), initial);

    page.window(9).click(); // the reset button
    EXPECT_TRUE(page.submitted.isEmpty());
    page.form().SubmitForm();
    EXPECT_EQ(page.submitted.takeFirst(), initial);
    EXPECT_EQ(initial, "Get : e=start; p=pw; c=; r=; l=b; l=c; d=y; t=one; t=two; h=1");
}

TEST(Forms, ControlsAreSizedFromTheirFontsAndSelectKindsBySize) {
    struct SizeCase {
        QByteArray html;
        const char* kind;
        QSize size;
    };
    const SizeCase cases[] = {
        {"<INPUT>", "Edit", {8 * 20 + 5, 16 + 3}},
        {"<INPUT TYPE=TEXT SIZE=10>", "Edit", {8 * 10 + 5, 19}},
        {"<INPUT TYPE=image>", "Edit", {165, 19}},
        {"<INPUT TYPE=SUBMIT>", "Button", {8 * 6 + 20, 16 + 8}},
        {"<INPUT TYPE=RESET>", "Button", {20, 24}},
        {"<INPUT TYPE=CHECKBOX>", "CheckBox", {13, 13}},
        {"<INPUT TYPE=RADIO>", "RadioButton", {13, 14}},
        {"<SELECT SIZE=1><OPTION>abcdef</SELECT>", "ComboBox", {7 * 6 + 30, 22}},
        {"<SELECT><OPTION>a</SELECT>", "ComboBox", {7 * 3 + 30, 22}},
        {"<SELECT SIZE=2><OPTION>a<OPTION>b<OPTION>c</SELECT>", "ListBox", {8 * 3 + 15, 2 * 16}},
        {"<SELECT MULTIPLE><OPTION>a<OPTION>b<OPTION>c</SELECT>", "ListBox", {39, 3 * 16}},
        {"<SELECT MULTIPLE>" + QByteArray("<OPTION>abcd").repeated(12) + "</SELECT>", "ListBox", {8 * 4 + 15, 8 * 16}},
        {"<SELECT MULTIPLE></SELECT>", "ListBox", {39, 16}},
        {"<TEXTAREA></TEXTAREA>", "TextArea", {8 * 30 + 5, 16 * 5 + 5}},
        {"<TEXTAREA ROWS=3 COLS=10></TEXTAREA>", "TextArea", {85, 53}},
        {"<TEXTAREA ROWS=3 COLS=2000000000></TEXTAREA>", "TextArea", {4000, 53}}, // a few screens at most
    };
    for (const SizeCase& c : cases) {
        FormPage page(QString::fromLatin1(c.html));
        page.layOut();
        const TFormControlObj& control = page.control(0);
        EXPECT_STREQ(control.KindName(), c.kind) << c.html.constData();
        EXPECT_EQ(QSize(control.ControlWidth(), control.ControlHeight()), c.size) << c.html.constData();
    }
}

TEST(Forms, LayoutHidesTheControlsAndDrawingShowsThemOnTheirLine) {
    // A check box stands on the baseline, a text area on the bottom of the text
    // band, and the line grows above the band to hold the text area.
    FormPage page("ab<INPUT TYPE=CHECKBOX>c<TEXTAREA ROWS=2 COLS=2></TEXTAREA>");
    EXPECT_EQ(page.layOut(), 37);
    EXPECT_FALSE(page.window(0).isVisible());
    EXPECT_FALSE(page.window(1).isVisible());
    page.list.Draw(page.canvas, QRect(0, 0, 600, 100), 600, 10, 0);
    EXPECT_TRUE(page.window(0).isVisible());
    EXPECT_TRUE(page.window(1).isVisible());
    EXPECT_EQ(page.window(0).geometry(), QRect(10 + 14, 37 - 3 - 13, 13, 13));
    EXPECT_EQ(page.window(1).geometry(), QRect(10 + 14 + 13 + 7, 0, 21, 37));
    page.layOut();
    EXPECT_FALSE(page.window(0).isVisible());
}

TEST(Forms, APrintCopyDrawsEmptyFramesAndNeverReachesTheWindows) {
    FormPage page("<P>a<INPUT NAME=q SIZE=4><TABLE><TR><TD><INPUT TYPE=CHECKBOX></TABLE>");
    page.layOut();
    auto copy = page.list.Clone();
    copy->Printing = true;
    const int windows = page.factory.alive;
    page.list.Clear(); // the original's controls and their windows are gone
    EXPECT_EQ(page.factory.alive, 0);
    EXPECT_EQ(windows, 2);

    int scrollWidth = 0, chars = 0;
    copy->DoLogic(page.canvas, 0, 600, scrollWidth, chars);
    page.canvas.calls.clear();
    copy->Draw(page.canvas, QRect(0, 0, 600, 400), 600, 0, 0);
    // The edit box, and the check box in the table's cell.
    EXPECT_EQ(page.canvas.calls.filter("rect"), QStringList({"rect 7,14 37x19 #000000", "rect 5,46 13x13 #000000"}));
    EXPECT_EQ(copy->FormList.Count(), 0);
    EXPECT_EQ(copy->ControlCopies.Count(), 2); // the table cell's too
}

} // namespace
