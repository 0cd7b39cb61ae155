// Forms and form controls: creation from INPUT, SELECT and TEXTAREA.
#include "htmlsubs_forms.h"

#include <algorithm>

namespace zorvel {

TFormControlObj::TFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes)
    : Pos(pos), MasterList(master), Value(attributes.Text(AttrKind::Value)), Name(attributes.Text(AttrKind::Name)) {}

bool TFormControlObj::GetSubmission(int, QString&) { return false; }

bool THiddenFormControlObj::GetSubmission(int Index, QString& S) {
    if (Index != 0)
        return false;
    S = Name + u'=' + Value;
    return true;
}

TEditFormControlObj::TEditFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes,
                                         bool password)
    : TFormControlObj(master, pos, attributes), Password(password) {
    if (const TAttribute* a = attributes.Find(AttrKind::Size); a && a->NumericValue > 0)
        EditSize = a->NumericValue;
    if (const TAttribute* a = attributes.Find(AttrKind::MaxLength); a && a->NumericValue > 0)
        MaxLength = a->NumericValue;
}

TButtonFormControlObj::TButtonFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes,
                                             int buttonType)
    : TFormControlObj(master, pos, attributes), ButtonType(buttonType) {}

QString TButtonFormControlObj::Caption() const {
    return ButtonType == 0 && Value.isEmpty() ? QStringLiteral("Submit") : Value;
}

TCheckBoxFormControlObj::TCheckBoxFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes)
    : TFormControlObj(master, pos, attributes), IsChecked(attributes.Find(AttrKind::Checked) != nullptr) {
    BaseLine = true;
}

TRadioButtonFormControlObj::TRadioButtonFormControlObj(TSectionList* master, int pos,
                                                       const TAttributeList& attributes)
    : TFormControlObj(master, pos, attributes), IsChecked(attributes.Find(AttrKind::Checked) != nullptr) {
    BaseLine = true;
}

TListBoxFormControlObj::TListBoxFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes)
    : TFormControlObj(master, pos, attributes), Multiple(attributes.Find(AttrKind::Multiple) != nullptr) {
    if (const TAttribute* a = attributes.Find(AttrKind::Size))
        VisibleRows = a->NumericValue;
}

void TListBoxFormControlObj::AddOption(const QString& Text, const QString& OptionValue, bool Selected) {
    OptionList.emplace_back(Text, TOptionObj{OptionValue, Selected});
    MaxChars = std::max(MaxChars, int(Text.size()));
}

TTextAreaFormControlObj::TTextAreaFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes)
    : TFormControlObj(master, pos, attributes) {
    if (const TAttribute* a = attributes.Find(AttrKind::Rows))
        Rows = a->NumericValue;
    if (const TAttribute* a = attributes.Find(AttrKind::Cols))
        Cols = a->NumericValue;
}

ThtmlForm::ThtmlForm(TSectionList* master, const TAttributeList& attributes)
    : MasterList(master), Action(attributes.Text(AttrKind::Action)) {
    if (attributes.Text(AttrKind::Method).compare(QLatin1String("Post"), Qt::CaseInsensitive) == 0)
        Method = QStringLiteral("Post");
}

ThtmlForm* ThtmlForm::Create(TSectionList& master, const TAttributeList& attributes) {
    return master.FormList.Add(std::make_unique<ThtmlForm>(&master, attributes));
}

TFormControlObj* ThtmlForm::AddControl(std::unique_ptr<TFormControlObj> control) {
    control->OwnerForm = this;
    if (!dynamic_cast<THiddenFormControlObj*>(control.get()))
        ++VisibleCount;
    return ControlList.Add(std::move(control));
}

static std::unique_ptr<TFormControlObj> makeInput(TSectionList* master, int pos, const TAttributeList& attributes) {
    const QString type = attributes.Text(AttrKind::Type).toLower().left(20);
    if (type == QLatin1String("submit"))
        return std::make_unique<TButtonFormControlObj>(master, pos, attributes, 0);
    if (type == QLatin1String("reset"))
        return std::make_unique<TButtonFormControlObj>(master, pos, attributes, 1);
    if (type == QLatin1String("radio"))
        return std::make_unique<TRadioButtonFormControlObj>(master, pos, attributes);
    if (type == QLatin1String("checkbox"))
        return std::make_unique<TCheckBoxFormControlObj>(master, pos, attributes);
    if (type == QLatin1String("hidden"))
        return std::make_unique<THiddenFormControlObj>(master, pos, attributes);
    return std::make_unique<TEditFormControlObj>(master, pos, attributes, type == QLatin1String("password"));
}

TFormControlObj* TSection::AddFormControl(FormControlKind Kind, TSectionList& MasterList,
                                          const TAttributeList& Attributes, ThtmlForm*& currentForm) {
    std::unique_ptr<TFormControlObj> control;
    switch (Kind) {
    case FormControlKind::Input: control = makeInput(&MasterList, Len, Attributes); break;
    case FormControlKind::Select: {
        const TAttribute* size = Attributes.Find(AttrKind::Size);
        if (Attributes.Find(AttrKind::Multiple) || (size && size->NumericValue > 1))
            control = std::make_unique<TListBoxFormControlObj>(&MasterList, Len, Attributes);
        else
            control = std::make_unique<TComboFormControlObj>(&MasterList, Len, Attributes);
        break;
    }
    case FormControlKind::TextArea: control = std::make_unique<TTextAreaFormControlObj>(&MasterList, Len, Attributes); break;
    }
    if (!currentForm)
        currentForm = ThtmlForm::Create(MasterList, TAttributeList{});
    const bool hidden = dynamic_cast<THiddenFormControlObj*>(control.get()) != nullptr;
    TFormControlObj* added = currentForm->AddControl(std::move(control));
    if (!hidden) {
        FormControls.push_back(added);
        Append(QStringView(&kControlChar, 1));
    }
    return added;
}

} // namespace zorvel
