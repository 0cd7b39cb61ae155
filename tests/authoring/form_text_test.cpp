#include "form_text.h"

#include <gtest/gtest.h>

using namespace zorvel;
using P = FormPage;

TEST(MakeFormText, EachPageBuildsItsMarkup) {
    struct Case {
        FormFields fields;
        const char* text;
    } cases[] = {
        {{.page = P::Skeleton, .scriptName = "cgi-bin/mail"},
         "<FORM\r\nMETHOD=\"POST\" ACTION=\"cgi-bin/mail\">\r\n\r\n\r\n</FORM>"},
        {{.page = P::SingleText, .singleName = "Email", .singleSize = "30"},
         "<INPUT TYPE=\"text\" NAME=\"Email\" SIZE=\"30\">"},
        // Numbers are written as typed; the label stands in front of the field.
        {{.page = P::SingleText,
          .singleName = "n",
          .singleSize = " 3 ",
          .maxLength = "x",
          .singleMemo = "Your\r\nname"},
         "Your\r\nname <INPUT TYPE=\"text\" NAME=\"n\" SIZE=\" 3 \" MAXLENGTH=\"x\">"},
        // Blank numbers are left out; a blank name and label are kept.
        {{.page = P::SingleText, .singleName = " ", .singleSize = "  ", .maxLength = "\t", .singleMemo = " "},
         "  <INPUT TYPE=\"text\" NAME=\" \">"},
        {{.page = P::MultilineText, .multiLineName = "Msg", .multiLineCols = "40"},
         "<TEXTAREA NAME =\"Msg\" COLS=\"40\"></TEXTAREA>"},
        {{.page = P::MultilineText,
          .multiLineName = "Msg",
          .multiLineRows = "4",
          .multiLineCols = "40",
          .multilineMemo = "Say:"},
         "Say: <TEXTAREA NAME =\"Msg\" ROWS=\"4\" COLS=\"40\"></TEXTAREA>"},
        {{.page = P::RadioButtons, .radioName = "size", .radioValue = "L", .radioMemo = "Large"},
         "<INPUT TYPE=\"radio\" NAME=\"size\" VALUE=\"L\">Large"},
        {{.page = P::RadioButtons, .radioName = "size", .radioValue = "   "}, "<INPUT TYPE=\"radio\" NAME=\"size\">"},
        // Only spaces and control characters are blank: a no-break space is a value typed on purpose.
        {{.page = P::RadioButtons, .radioName = "size", .radioValue = " \t\r\n"},
         "<INPUT TYPE=\"radio\" NAME=\"size\">"},
        {{.page = P::RadioButtons, .radioName = "size", .radioValue = QString(QChar(0xA0))},
         "<INPUT TYPE=\"radio\" NAME=\"size\" VALUE=\"\u00A0\">"},
        {{.page = P::CheckBoxes, .checkBoxName = "news", .valueIsChecked = true, .checkBoxMemo = "Send news"},
         "<INPUT TYPE=\"checkbox\" NAME=\"news\" VALUE=\"checked\">Send news"},
        // Only the fields of the page showing count.
        {{.page = P::CheckBoxes, .singleName = "b", .radioMemo = "label", .checkBoxName = "a"},
         "<INPUT TYPE=\"checkbox\" NAME=\"a\">"},
        {{.page = P::Selections, .selectionName = "c", .selectionList = {"Red", " Blue ", "Red"}},
         "<SELECT NAME =\"c\">\r\n<OPTION>Red\r\n<OPTION> Blue \r\n<OPTION>Red\r\n</SELECT>"},
        {{.page = P::Selections, .selectionName = "c"},
         "<SELECT NAME =\"c\">\r\n<OPTION>List Item 0\r\n<OPTION>List Item 1\r\n<OPTION>List Item 2\r\n</SELECT>"},
        {{.page = P::Buttons, .submit = true, .buttonMemo = "Send it"}, "<INPUT TYPE=\"submit\" VALUE=\"Send it\">"},
        {{.page = P::Buttons, .reset = true}, "<INPUT TYPE=\"reset\" VALUE=\"\">"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(missingFormFields(c.fields), nullptr) << c.text;
        const Insertion made = makeFormText(c.fields);
        EXPECT_EQ(made.text, QString::fromUtf8(c.text));
        // The caret goes after the markup, into a text area where its text is typed,
        // or onto the first blank line inside a form.
        const char* after = c.fields.page == P::MultilineText ? "</TEXTAREA>"
                            : c.fields.page == P::Skeleton    ? "\r\n\r\n</FORM>"
                                                              : "";
        EXPECT_EQ(made.text.mid(made.caret), after) << c.text;
    }
}

// Values in quotes lose none of "&", '"', "<" and ">"; an item of a list keeps
// its "&", "<" and ">" as text; labels beside a control are the user's own markup.
TEST(MakeFormText, TypedValuesAreEscapedAndLabelsLeftAsMarkup) {
    struct Case {
        FormFields fields;
        const char* text;
    } cases[] = {
        {{.page = P::Skeleton, .scriptName = "go?a=1&b=\"2\""},
         "<FORM\r\nMETHOD=\"POST\" ACTION=\"go?a=1&amp;b=&quot;2&quot;\">\r\n\r\n\r\n</FORM>"},
        {{.page = P::SingleText,
          .singleName = "na\"me<x>",
          .singleSize = "3\"",
          .maxLength = "<9",
          .singleMemo = "<B>Name</B> &"},
         "<B>Name</B> & <INPUT TYPE=\"text\" NAME=\"na&quot;me&lt;x&gt;\" SIZE=\"3&quot;\" MAXLENGTH=\"&lt;9\">"},
        {{.page = P::MultilineText, .multiLineName = "a&b", .multiLineRows = "5\"", .multilineMemo = "Say \"hi\":"},
         "Say \"hi\": <TEXTAREA NAME =\"a&amp;b\" ROWS=\"5&quot;\"></TEXTAREA>"},
        {{.page = P::RadioButtons, .radioName = "r\"", .radioValue = "x<y", .radioMemo = "<I>it</I> & \""},
         "<INPUT TYPE=\"radio\" NAME=\"r&quot;\" VALUE=\"x&lt;y\"><I>it</I> & \""},
        {{.page = P::CheckBoxes, .checkBoxName = "&amp;", .valueIsChecked = true},
         "<INPUT TYPE=\"checkbox\" NAME=\"&amp;amp;\" VALUE=\"checked\">"},
        {{.page = P::Selections, .selectionName = "s\">", .selectionList = {"Fish & \"chips\"", "a<b>c"}},
         "<SELECT NAME =\"s&quot;&gt;\">\r\n<OPTION>Fish &amp; \"chips\"\r\n<OPTION>a&lt;b&gt;c\r\n</SELECT>"},
        {{.page = P::Buttons, .reset = true, .buttonMemo = "Say \"OK\" & go"},
         "<INPUT TYPE=\"reset\" VALUE=\"Say &quot;OK&quot; &amp; go\">"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(makeFormText(c.fields).text, QString::fromUtf8(c.text));
}

TEST(MakeFormText, LongTextsAreBuiltWhole) {
    const QString label(100000, QLatin1Char('x'));
    const QString text = makeFormText({.page = P::Buttons, .submit = true, .buttonMemo = label}).text;
    EXPECT_EQ(text, "<INPUT TYPE=\"submit\" VALUE=\"" + label + "\">");
}

TEST(MissingFormFields, EachPageNamesWhatItLacks) {
    struct Case {
        FormFields fields;
        const char* message;
    } cases[] = {
        {{.page = P::Skeleton}, "Insufficient information to create form .."},
        {{.page = P::SingleText, .singleSize = "3"},
         "Not enough info provided to construct a single-line text control"},
        {{.page = P::MultilineText, .singleName = "elsewhere"},
         "Not enough info provided to construct a multiline text control"},
        {{.page = P::RadioButtons, .radioName = "r"}, "Not enough info provided to construct a radio button"},
        {{.page = P::RadioButtons, .radioValue = "v"}, "Not enough info provided to construct a radio button"},
        {{.page = P::CheckBoxes, .valueIsChecked = true}, "Not enough info provided to construct a CheckBox"},
        {{.page = P::Selections, .selectionList = {"a"}}, "Not enough info provided to construct a Selection List"},
        {{.page = P::Buttons, .buttonMemo = "Go"}, "Not enough info provided to construct a Button"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(missingFormFields(c.fields), c.message);
}
