#pragma once
// The markup of a fill-in form, one piece at a time: the form itself with the
// script that receives it, or one control.
#include "markup.h"

#include <QString>
#include <QStringList>

namespace zorvel {

// The pages of the form dialog, in the order its notebook shows them.
enum class FormPage { Skeleton, SingleText, MultilineText, RadioButtons, CheckBoxes, Selections, Buttons };
inline constexpr int kFormPageCount = 7;

// What the dialog holds; only the fields of `page` are used. Memo texts have
// CR LF line breaks. Number fields are written as typed and left out when blank.
// Every member has an initializer, so designated initializers may name only some.
struct FormFields {
    FormPage page = FormPage::Skeleton;
    QString scriptName{};

    QString singleName{};
    QString singleSize{};
    QString maxLength{};
    QString singleMemo{};

    QString multiLineName{};
    QString multiLineRows{};
    QString multiLineCols{};
    QString multilineMemo{};

    QString radioName{};
    QString radioValue{};
    QString radioMemo{};

    QString checkBoxName{};
    bool valueIsChecked = false;
    QString checkBoxMemo{};

    QString selectionName{};
    QStringList selectionList{};

    bool submit = false;
    bool reset = false;
    QString buttonMemo{};
};

// The message for a page whose required fields are empty (blanks count as
// filled); null when the page can be built.
const char* missingFormFields(const FormFields& fields);

// The markup of the page, of any length, and where the caret goes in it: after
// it, or inside a text area, between its start and end tags. Values in quotes
// and the items of a selection list are escaped; labels are the user's markup.
Insertion makeFormText(const FormFields& fields);

} // namespace zorvel
