#include "form_text.h"

#include <functional>
#include <gtest/gtest.h>

using namespace zorvel;

namespace {

FormFields on(FormPage page, const std::function<void(FormFields&)>& fill) {
    FormFields f;
    f.page = page;
    fill(f);
    return f;
}

} // namespace

TEST(MakeFormText, EachPageBuildsItsMarkup) {
    struct Case {
        const char* what;
        FormFields fields;
        const char* text;
    } cases[] = {
        {"skeleton", on(FormPage::Skeleton, [](FormFields& f) { f.scriptName = "cgi-bin/mail"; }),
         "<FORM\r\nMETHOD=\"POST\" ACTION=\"cgi-bin/mail\">\r\n\r\n\r\n</FORM>"},
        {"single, size only",
         on(FormPage::SingleText,
            [](FormFields& f) {
                f.singleName = "Email";
                f.singleSize = "30";
            }),
         "<INPUT TYPE=\"text\" NAME=\"Email\" SIZE=\"30\">"},
        {"single, label, size and maximum as typed",
         on(FormPage::SingleText,
            [](FormFields& f) {
                f.singleName = "n";
                f.singleSize = " 3 ";
                f.maxLength = "x";
                f.singleMemo = "Your\r\nname";
            }),
         "Your\r\nname <INPUT TYPE=\"text\" NAME=\"n\" SIZE=\" 3 \" MAXLENGTH=\"x\">"},
        {"single, blank numbers left out",
         on(FormPage::SingleText,
            [](FormFields& f) {
                f.singleName = " ";
                f.singleSize = "  ";
                f.maxLength = "\t";
                f.singleMemo = " ";
            }),
         "  <INPUT TYPE=\"text\" NAME=\" \">"},
        {"multiline, maximum only",
         on(FormPage::MultilineText,
            [](FormFields& f) {
                f.multiLineName = "Msg";
                f.multiLineCols = "40";
            }),
         "<TEXTAREA NAME =\"Msg\" COLS=\"40\">"},
        {"multiline, label, rows and columns",
         on(FormPage::MultilineText,
            [](FormFields& f) {
                f.multiLineName = "Msg";
                f.multiLineRows = "4";
                f.multiLineCols = "40";
                f.multilineMemo = "Say:";
            }),
         "Say: <TEXTAREA NAME =\"Msg\" ROWS=\"4\" COLS=\"40\">"},
        {"radio with a label behind it",
         on(FormPage::RadioButtons,
            [](FormFields& f) {
                f.radioName = "size";
                f.radioValue = "L";
                f.radioMemo = "Large";
            }),
         "<INPUT TYPE=\"radio\" NAME=\"size\" VALUE=\"L\">Large"},
        {"radio whose value is blanks",
         on(FormPage::RadioButtons,
            [](FormFields& f) {
                f.radioName = "size";
                f.radioValue = "   ";
            }),
         "<INPUT TYPE=\"radio\" NAME=\"size\">"},
        {"check box, checked, with label",
         on(FormPage::CheckBoxes,
            [](FormFields& f) {
                f.checkBoxName = "news";
                f.valueIsChecked = true;
                f.checkBoxMemo = "Send news";
            }),
         "<INPUT TYPE=\"checkbox\" NAME=\"news\" VALUE=\"checked\">Send news"},
        {"check box, unchecked", on(FormPage::CheckBoxes, [](FormFields& f) { f.checkBoxName = "a"; }),
         "<INPUT TYPE=\"checkbox\" NAME=\"a\">"},
        {"selection with entries in order, duplicates kept",
         on(FormPage::Selections,
            [](FormFields& f) {
                f.selectionName = "c";
                f.selectionList = {"Red", " Blue ", "Red"};
            }),
         "<SELECT NAME =\"c\">\r\n<OPTION>Red\r\n<OPTION> Blue \r\n<OPTION>Red\r\n</SELECT>"},
        {"selection without entries", on(FormPage::Selections, [](FormFields& f) { f.selectionName = "c"; }),
         "<SELECT NAME =\"c\">\r\n<OPTION>List Item 0\r\n<OPTION>List Item 1\r\n<OPTION>List Item 2\r\n</SELECT>"},
        {"submit button",
         on(FormPage::Buttons,
            [](FormFields& f) {
                f.submit = true;
                f.buttonMemo = "Send it";
            }),
         "<INPUT TYPE=\"submit\" VALUE=\"Send it\">"},
        {"reset button with no text", on(FormPage::Buttons, [](FormFields& f) { f.reset = true; }),
         "<INPUT TYPE=\"reset\" VALUE=\"\">"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(missingFormFields(c.fields), nullptr) << c.what;
        EXPECT_EQ(makeFormText(c.fields), QString::fromUtf8(c.text)) << c.what;
    }
}

TEST(MakeFormText, OtherPagesFieldsAreIgnored) {
    FormFields f = on(FormPage::CheckBoxes, [](FormFields& g) {
        g.checkBoxName = "a";
        g.singleName = "b";
        g.singleMemo = "label";
        g.radioMemo = "label";
    });
    EXPECT_EQ(makeFormText(f), "<INPUT TYPE=\"checkbox\" NAME=\"a\">");
}

TEST(MakeFormText, LongTextsAreBuiltWhole) {
    const QString label(100000, QLatin1Char('x'));
    FormFields f = on(FormPage::Buttons, [&](FormFields& g) {
        g.submit = true;
        g.buttonMemo = label;
    });
    const QString text = makeFormText(f);
    EXPECT_EQ(text.size(), label.size() + 30);
    EXPECT_TRUE(text.endsWith(label + "\">"));
}

TEST(MissingFormFields, EachPageNamesWhatItLacks) {
    struct Case {
        FormFields fields;
        const char* message;
    } cases[] = {
        {on(FormPage::Skeleton, [](FormFields&) {}), "Insufficient information to create form .."},
        {on(FormPage::SingleText, [](FormFields& f) { f.singleSize = "3"; }),
         "Not enough info provided to construct a single-line text control"},
        {on(FormPage::MultilineText, [](FormFields& f) { f.singleName = "on another page"; }),
         "Not enough info provided to construct a multiline text control"},
        {on(FormPage::RadioButtons, [](FormFields& f) { f.radioName = "r"; }),
         "Not enough info provided to construct a radio button"},
        {on(FormPage::RadioButtons, [](FormFields& f) { f.radioValue = "v"; }),
         "Not enough info provided to construct a radio button"},
        {on(FormPage::CheckBoxes, [](FormFields& f) { f.valueIsChecked = true; }),
         "Not enough info provided to construct a CheckBox"},
        {on(FormPage::Selections, [](FormFields& f) { f.selectionList = {"a"}; }),
         "Not enough info provided to construct a Selection List"},
        {on(FormPage::Buttons, [](FormFields& f) { f.buttonMemo = "Go"; }),
         "Not enough info provided to construct a Button"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(missingFormFields(c.fields), c.message);
}
