#include "form_text.h"

#include "markup.h"

#include <algorithm>
#include <cstring>

namespace zorvel {

namespace {

constexpr const char* kMissingMessages[kFormPageCount] = {
    "Insufficient information to create form ..",
    "Not enough info provided to construct a single-line text control",
    "Not enough info provided to construct a multiline text control",
    "Not enough info provided to construct a radio button",
    "Not enough info provided to construct a CheckBox",
    "Not enough info provided to construct a Selection List",
    "Not enough info provided to construct a Button",
};

constexpr const char* kTextAreaEnd = "</TEXTAREA>";
// The form's blank lines and its end: the caret goes onto the first of them.
constexpr const char* kFormEnd = "\r\n\r\n</FORM>";

// A value the user typed, in the double quotes that follow it.
QString quoted(const QString& value) {
    return escapeMarkup(value, MarkupPlace::QuotedValue) + QLatin1Char('"');
}

// Blanks are spaces and control characters; a no-break space is text the
// user typed on purpose, so a field holding one is not empty.
bool onlyBlanks(const QString& value) {
    return std::all_of(value.begin(), value.end(), [](QChar c) { return c.unicode() <= u' '; });
}

// ` NAME="value"`, when the field holds more than blanks.
void addOptional(QString& tag, const char* attribute, const QString& value) {
    if (!onlyBlanks(value))
        tag += QLatin1Char(' ') + QLatin1String(attribute) + QLatin1String("=\"") + quoted(value);
}

// A label in front of a field is followed by one space.
QString labelBefore(const QString& memo) {
    return memo.isEmpty() ? memo : memo + QLatin1Char(' ');
}

bool complete(const FormFields& f) {
    switch (f.page) {
    case FormPage::Skeleton:
        return !f.scriptName.isEmpty();
    case FormPage::SingleText:
        return !f.singleName.isEmpty();
    case FormPage::MultilineText:
        return !f.multiLineName.isEmpty();
    case FormPage::RadioButtons:
        return !f.radioName.isEmpty() && !f.radioValue.isEmpty();
    case FormPage::CheckBoxes:
        return !f.checkBoxName.isEmpty();
    case FormPage::Selections:
        return !f.selectionName.isEmpty();
    case FormPage::Buttons:
        return f.submit || f.reset;
    }
    return false;
}

QString selectionText(const FormFields& f) {
    QString text = QLatin1String("<SELECT NAME =\"") + quoted(f.selectionName) + QLatin1String(">\r\n");
    if (f.selectionList.isEmpty()) {
        for (int n = 0; n < 3; ++n)
            text += QStringLiteral("<OPTION>List Item %1\r\n").arg(n);
    } else {
        for (const QString& entry : f.selectionList)
            text += QLatin1String("<OPTION>") + escapeMarkup(entry, MarkupPlace::Text) + QLatin1String("\r\n");
    }
    return text + QLatin1String("</SELECT>");
}

QString formFieldText(const FormFields& f) {
    QString text;
    switch (f.page) {
    case FormPage::Skeleton:
        return QLatin1String("<FORM\r\nMETHOD=\"POST\" ACTION=\"") + quoted(f.scriptName) + QLatin1String(">\r\n") +
               QLatin1String(kFormEnd);
    case FormPage::SingleText:
        text = labelBefore(f.singleMemo) + QLatin1String("<INPUT TYPE=\"text\" NAME=\"") + quoted(f.singleName);
        addOptional(text, "SIZE", f.singleSize);
        addOptional(text, "MAXLENGTH", f.maxLength);
        return text + QLatin1Char('>');
    case FormPage::MultilineText:
        // Without its end tag a text area takes in the rest of the page.
        text = labelBefore(f.multilineMemo) + QLatin1String("<TEXTAREA NAME =\"") + quoted(f.multiLineName);
        addOptional(text, "ROWS", f.multiLineRows);
        addOptional(text, "COLS", f.multiLineCols);
        return text + QLatin1Char('>') + QLatin1String(kTextAreaEnd);
    case FormPage::RadioButtons:
        text = QLatin1String("<INPUT TYPE=\"radio\" NAME=\"") + quoted(f.radioName);
        addOptional(text, "VALUE", f.radioValue);
        return text + QLatin1Char('>') + f.radioMemo;
    case FormPage::CheckBoxes:
        text = QLatin1String("<INPUT TYPE=\"checkbox\" NAME=\"") + quoted(f.checkBoxName);
        if (f.valueIsChecked)
            text += QLatin1String(" VALUE=\"checked\"");
        return text + QLatin1Char('>') + f.checkBoxMemo;
    case FormPage::Selections:
        return selectionText(f);
    case FormPage::Buttons:
        return QLatin1String("<INPUT TYPE=\"") + QLatin1String(f.submit ? "submit\"" : "reset\"") +
               QLatin1String(" VALUE=\"") + quoted(f.buttonMemo) + QLatin1Char('>');
    }
    return text;
}

} // namespace

const char* missingFormFields(const FormFields& fields) {
    return complete(fields) ? nullptr : kMissingMessages[static_cast<int>(fields.page)];
}

Insertion makeFormText(const FormFields& f) {
    QString text = formFieldText(f);
    // The caret goes where the text area's initial text is typed, and inside a
    // new form, so the fields made next land in it.
    qsizetype caret = text.size();
    if (f.page == FormPage::MultilineText)
        caret -= qsizetype(std::strlen(kTextAreaEnd));
    else if (f.page == FormPage::Skeleton)
        caret -= qsizetype(std::strlen(kFormEnd));
    return {std::move(text), int(caret)};
}

} // namespace zorvel
