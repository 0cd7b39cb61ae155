#pragma once
// Forms and their controls as the parser builds them. The window controls
// that show them come from a control factory in the viewer's widget layer.
#include "htmlsubs.h"

#include <utility>

namespace zorvel {

class TFormControlObj {
public:
    TFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes);
    virtual ~TFormControlObj() = default;
    virtual const char* KindName() const = 0;

    int Pos = 0;
    TSectionList* MasterList = nullptr;
    ThtmlForm* OwnerForm = nullptr;
    QString Value;
    QString Name;
    bool BaseLine = false; // check boxes and radio buttons stand on the text baseline

    // The room the window control takes in a line. Until a control has a
    // window (the forms' widget layer gives it one) it takes none.
    virtual int ControlWidth() const { return 0; }
    virtual int ControlHeight() const { return 0; }
    // Layout hides the window control; drawing moves its top-left corner to
    // (x, y) in document coordinates and shows it.
    virtual void HideControl() {}
    virtual void ShowControlAt(int /*x*/, int /*y*/) {}

    virtual void RestoreInitialValue() {}
    virtual bool GetSubmission(int Index, QString& S);
    virtual void SizeControl(Canvas&) {}
};

class THiddenFormControlObj : public TFormControlObj {
public:
    using TFormControlObj::TFormControlObj;
    const char* KindName() const override { return "Hidden"; }
    bool GetSubmission(int Index, QString& S) override;
};

class TEditFormControlObj : public TFormControlObj {
public:
    TEditFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes, bool password);
    const char* KindName() const override { return "Edit"; }
    int EditSize = 20;
    int MaxLength = 0; // 0: no limit
    bool Password = false;
};

class TButtonFormControlObj : public TFormControlObj {
public:
    TButtonFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes, int buttonType);
    const char* KindName() const override { return "Button"; }
    int ButtonType = 0; // 0 submit, 1 reset
    QString Caption() const;
};

class TCheckBoxFormControlObj : public TFormControlObj {
public:
    TCheckBoxFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes);
    const char* KindName() const override { return "CheckBox"; }
    bool IsChecked = false;
};

class TRadioButtonFormControlObj : public TFormControlObj {
public:
    TRadioButtonFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes);
    const char* KindName() const override { return "RadioButton"; }
    bool IsChecked = false;
};

struct TOptionObj {
    QString Value;
    bool Selected = false;
};

class TListBoxFormControlObj : public TFormControlObj {
public:
    TListBoxFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes);
    const char* KindName() const override { return "ListBox"; }
    int VisibleRows = -1;
    int MaxChars = 3;
    bool Multiple = false;
    std::vector<std::pair<QString, TOptionObj>> OptionList;
    void AddOption(const QString& Text, const QString& OptionValue, bool Selected);
};

class TComboFormControlObj : public TListBoxFormControlObj {
public:
    using TListBoxFormControlObj::TListBoxFormControlObj;
    const char* KindName() const override { return "ComboBox"; }
};

class TTextAreaFormControlObj : public TFormControlObj {
public:
    TTextAreaFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes);
    const char* KindName() const override { return "TextArea"; }
    int Rows = 5;
    int Cols = 30;
    QStringList InitialText;
    void AddLine(const QString& S) { InitialText << S; }
};

class ThtmlForm {
public:
    // Makes a form from FORM's attributes and gives it to the document's form list.
    static ThtmlForm* Create(TSectionList& master, const TAttributeList& attributes);
    ThtmlForm(TSectionList* master, const TAttributeList& attributes);

    TSectionList* MasterList = nullptr;
    QString Method = QStringLiteral("Get");
    QString Action;
    TFreeList<TFormControlObj> ControlList;
    int VisibleCount = 0;

    TFormControlObj* AddControl(std::unique_ptr<TFormControlObj> control);
};

} // namespace zorvel
