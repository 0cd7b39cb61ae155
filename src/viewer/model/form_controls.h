#pragma once
// Forms and their controls. Each visible control is shown by a window control
// that the document's control factory makes (see model/window_controls.h);
// the controls size it, place it where layout put their placeholder, read
// and reset its value, and turn it into a form's submission (defined in forms/).
#include "model/sections.h"
#include "model/window_controls.h"

#include <optional>
#include <utility>

namespace zorvel {

class TFormControlObj {
public:
    TFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes);
    virtual ~TFormControlObj() = default;
    TFormControlObj(const TFormControlObj&) = delete;
    TFormControlObj& operator=(const TFormControlObj&) = delete;
    virtual const char* KindName() const = 0;

    int Pos = 0;
    TSectionList* MasterList = nullptr;
    ThtmlForm* OwnerForm = nullptr;
    QString Value;
    QString Name;
    bool BaseLine = false;                            // check boxes and radio buttons stand on the text baseline
    std::unique_ptr<FormWindowControl> WindowControl; // none for hidden fields

    // The room the control takes in a line: its window control's size.
    virtual int ControlWidth() const;
    virtual int ControlHeight() const;
    // Layout hides the window control; drawing moves its top-left corner to
    // (x, y) in the coordinates the document is drawn in and shows it.
    virtual void HideControl();
    virtual void ShowControlAt(int x, int y);
    // The control's part in drawing its line: on the screen that is showing
    // its window control there.
    virtual void Draw(Canvas& canvas, int x, int y);

    virtual void RestoreInitialValue() {}
    virtual bool GetSubmission(int Index, QString& S);
    virtual void SizeControl(Canvas&) {}

    // What stands for the control in a print copy of the document: its size
    // and place in the line, drawn as an empty frame, with no window control.
    std::unique_ptr<TFormControlObj> CopyForPrint(TSectionList* master) const;

protected:
    // The window control from the document's factory, or one kept in memory.
    void MakeWindowControl(const WindowControlRequest& request);
    void SetControlSize(qint64 width, qint64 height);
    static WindowControlRequest KindRequest(WindowControlKind kind);
    // Edit boxes, lists and text areas show the page's fixed-pitch face at 10 points.
    WindowControlRequest FixedFontRequest(WindowControlKind kind) const;
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
    void RestoreInitialValue() override;
    bool GetSubmission(int Index, QString& S) override;
    void SizeControl(Canvas& canvas) override;
};

class TButtonFormControlObj : public TFormControlObj {
public:
    TButtonFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes, int buttonType);
    const char* KindName() const override { return "Button"; }
    int ButtonType = 0; // 0 submit, 1 reset
    QString Caption() const;
    void SizeControl(Canvas& canvas) override;
};

class TCheckBoxFormControlObj : public TFormControlObj {
public:
    TCheckBoxFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes);
    const char* KindName() const override { return "CheckBox"; }
    bool IsChecked = false;
    void RestoreInitialValue() override;
    bool GetSubmission(int Index, QString& S) override;
};

class TRadioButtonFormControlObj : public TFormControlObj {
public:
    TRadioButtonFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes);
    const char* KindName() const override { return "RadioButton"; }
    bool IsChecked = false;
    void ShowControlAt(int x, int y) override;
    void RestoreInitialValue() override;
    bool GetSubmission(int Index, QString& S) override;
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
    void RestoreInitialValue() override;
    bool GetSubmission(int Index, QString& S) override;
    void SizeControl(Canvas& canvas) override;

protected:
    TListBoxFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes, WindowControlKind kind);
};

class TComboFormControlObj : public TListBoxFormControlObj {
public:
    TComboFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes);
    const char* KindName() const override { return "ComboBox"; }
    void SizeControl(Canvas& canvas) override;
};

class TTextAreaFormControlObj : public TFormControlObj {
public:
    TTextAreaFormControlObj(TSectionList* master, int pos, const TAttributeList& attributes);
    const char* KindName() const override { return "TextArea"; }
    int Rows = 5;
    int Cols = 30;
    QStringList InitialText;
    void AddLine(const QString& S) { InitialText << S; }
    void RestoreInitialValue() override;
    bool GetSubmission(int Index, QString& S) override;
    void SizeControl(Canvas& canvas) override;
};

// A control of a print copy: the original's size and place, no window.
class TPrintedFormControl : public TFormControlObj {
public:
    TPrintedFormControl(TSectionList* master, const TFormControlObj& original);
    const char* KindName() const override { return Kind; } // the original's
    int ControlWidth() const override { return Width; }
    int ControlHeight() const override { return Height; }
    void HideControl() override {}
    void ShowControlAt(int, int) override {}
    void Draw(Canvas& canvas, int x, int y) override;
    const char* Kind;
    int Width = 0;
    int Height = 0;
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
    void SizeControls(Canvas& canvas);
    void ResetControls();
    // Every control's entries, then Extra, handed to the document's submit
    // handler; nothing when the document has none.
    void SubmitForm(const std::optional<QString>& Extra = std::nullopt);
    // A radio button was clicked: the others of its name are unchecked.
    void RadioClicked(const TRadioButtonFormControlObj& clicked);
};

} // namespace zorvel
