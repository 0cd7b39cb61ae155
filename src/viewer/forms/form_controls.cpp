// Forms and form controls: creation from INPUT, SELECT and TEXTAREA, and
// what a form does with its controls.
#include "model/form_controls.h"
#include "model/document.h"
#include "model/limits.h"

#include <algorithm>

namespace zorvel {

TFormControlObj::TFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes)
    : Pos(pos), MasterList(master), Value(attributes.Text(AttrKind::Value)), Name(attributes.Text(AttrKind::Name)) {}

void TFormControlObj::MakeWindowControl(const WindowControlRequest& request) {
    FormControlFactory* factory = MasterList && MasterList->Host ? MasterList->Host->ControlFactory() : nullptr;
    if (factory)
        WindowControl = factory->create(request);
    if (!WindowControl)
        WindowControl = std::make_unique<HeadlessWindowControl>(request);
}

WindowControlRequest TFormControlObj::KindRequest(WindowControlKind kind) {
    WindowControlRequest request;
    request.kind = kind;
    return request;
}

WindowControlRequest TFormControlObj::FixedFontRequest(WindowControlKind kind) const {
    WindowControlRequest request = KindRequest(kind);
    request.fontName = MasterList ? MasterList->PreFontName : PageLook().preFontName;
    request.fontSize = 10;
    return request;
}

TEditFormControlObj::TEditFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes, bool password)
    : TFormControlObj(master, pos, attributes), Password(password) {
    if (const TAttribute* a = attributes.Find(AttrKind::Size); a && a->NumericValue > 0)
        EditSize = std::min(a->NumericValue, kMaxControlUnits);
    if (const TAttribute* a = attributes.Find(AttrKind::MaxLength); a && a->NumericValue > 0)
        MaxLength = a->NumericValue;
    WindowControlRequest request = FixedFontRequest(WindowControlKind::Edit);
    request.password = Password;
    request.maxLength = MaxLength;
    MakeWindowControl(request);
    WindowControl->OnEnterKey = [this] {
        // A form of one field is sent by Enter; with more to fill in, Enter is no answer.
        if (OwnerForm && OwnerForm->VisibleCount == 1)
            OwnerForm->SubmitForm();
    };
    RestoreInitialValue();
}

TButtonFormControlObj::TButtonFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes,
                                             int buttonType)
    : TFormControlObj(master, pos, attributes), ButtonType(buttonType) {
    WindowControlRequest request = KindRequest(WindowControlKind::Button);
    request.caption = Caption();
    MakeWindowControl(request);
    WindowControl->OnClick = [this] {
        if (!OwnerForm)
            return;
        if (ButtonType == 1)
            OwnerForm->ResetControls();
        else if (Name.isEmpty())
            OwnerForm->SubmitForm();
        else
            OwnerForm->SubmitForm(Name + u'=' + Value);
    };
}

QString TButtonFormControlObj::Caption() const {
    return ButtonType == 0 && Value.isEmpty() ? QStringLiteral("Submit") : Value;
}

TCheckBoxFormControlObj::TCheckBoxFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes)
    : TFormControlObj(master, pos, attributes), IsChecked(attributes.Find(AttrKind::Checked) != nullptr) {
    BaseLine = true;
    MakeWindowControl(KindRequest(WindowControlKind::CheckBox));
    SetControlSize(13, 13);
    RestoreInitialValue();
}

TRadioButtonFormControlObj::TRadioButtonFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes)
    : TFormControlObj(master, pos, attributes), IsChecked(attributes.Find(AttrKind::Checked) != nullptr) {
    BaseLine = true;
    MakeWindowControl(KindRequest(WindowControlKind::RadioButton));
    SetControlSize(13, 14);
    WindowControl->OnClick = [this] {
        if (OwnerForm)
            OwnerForm->RadioClicked(*this);
    };
    RestoreInitialValue();
}

TListBoxFormControlObj::TListBoxFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes)
    : TListBoxFormControlObj(master, pos, attributes, WindowControlKind::ListBox) {}

TListBoxFormControlObj::TListBoxFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes,
                                               WindowControlKind kind)
    : TFormControlObj(master, pos, attributes), Multiple(attributes.Find(AttrKind::Multiple) != nullptr) {
    if (const TAttribute* a = attributes.Find(AttrKind::Size))
        VisibleRows = std::min(a->NumericValue, kMaxControlUnits);
    WindowControlRequest request = FixedFontRequest(kind);
    request.multiSelect = Multiple && kind == WindowControlKind::ListBox;
    MakeWindowControl(request);
}

void TListBoxFormControlObj::AddOption(const QString& Text, const QString& OptionValue, bool Selected) {
    OptionList.emplace_back(Text, TOptionObj{OptionValue, Selected});
    MaxChars = std::max(MaxChars, int(Text.size()));
}

TComboFormControlObj::TComboFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes)
    : TListBoxFormControlObj(master, pos, attributes, WindowControlKind::ComboBox) {}

TTextAreaFormControlObj::TTextAreaFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes)
    : TFormControlObj(master, pos, attributes) {
    if (const TAttribute* a = attributes.Find(AttrKind::Rows))
        Rows = std::min(a->NumericValue, kMaxControlUnits);
    if (const TAttribute* a = attributes.Find(AttrKind::Cols))
        Cols = std::min(a->NumericValue, kMaxControlUnits);
    MakeWindowControl(FixedFontRequest(WindowControlKind::TextArea));
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

void ThtmlForm::SizeControls(Canvas& canvas) {
    for (const auto& control : ControlList)
        control->SizeControl(canvas);
}

void ThtmlForm::ResetControls() {
    for (const auto& control : ControlList)
        control->RestoreInitialValue();
}

void ThtmlForm::SubmitForm(const std::optional<QString>& Extra) {
    if (!MasterList || !MasterList->Host)
        return;
    QStringList results;
    for (const auto& control : ControlList) {
        QString s;
        for (int i = 0; control->GetSubmission(i, s); ++i) {
            if (!s.isEmpty())
                results << s;
            s.clear();
        }
    }
    if (Extra)
        results << *Extra;
    MasterList->Host->OnFormSubmit(Action, Method, results);
}

void ThtmlForm::RadioClicked(const TRadioButtonFormControlObj& clicked) {
    if (clicked.Name.isEmpty())
        return; // a radio button without a name stands alone
    for (const auto& control : ControlList) {
        auto* radio = dynamic_cast<TRadioButtonFormControlObj*>(control.get());
        if (radio && radio != &clicked && radio->Name.compare(clicked.Name, Qt::CaseInsensitive) == 0)
            radio->WindowControl->setChecked(false);
    }
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
    case FormControlKind::Input:
        control = makeInput(&MasterList, Len, Attributes);
        break;
    case FormControlKind::Select: {
        const TAttribute* size = Attributes.Find(AttrKind::Size);
        if (Attributes.Find(AttrKind::Multiple) || (size && size->NumericValue > 1))
            control = std::make_unique<TListBoxFormControlObj>(&MasterList, Len, Attributes);
        else
            control = std::make_unique<TComboFormControlObj>(&MasterList, Len, Attributes);
        break;
    }
    case FormControlKind::TextArea:
        control = std::make_unique<TTextAreaFormControlObj>(&MasterList, Len, Attributes);
        break;
    }
    if (!currentForm)
        currentForm = ThtmlForm::Create(MasterList, TAttributeList{});
    const bool hidden = dynamic_cast<THiddenFormControlObj*>(control.get()) != nullptr;
    TFormControlObj* added = currentForm->AddControl(std::move(control));
    if (!hidden) {
        MakeObjects().FormControls.push_back(added);
        Append(QStringView(&kControlChar, 1));
    }
    return added;
}

} // namespace zorvel
