#pragma once
// The form dialog: a notebook with one page for the form itself and one for
// each kind of control; the page showing at OK decides what is built.
#include "form_text.h"
#include "prompter.h"

#include <QDialog>
#include <optional>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace zorvel {

class TFormFrm : public QDialog {
    Q_OBJECT
public:
    explicit TFormFrm(QWidget* parent = nullptr);

    // The selected text of the document, shown in every page's text field.
    void setMemos(const QString& crlfText);
    void showPage(FormPage page);
    FormFields fields() const;

    void Add_BtnClick();
    void Delete_BtnClick();
    // True when the key was taken: Enter adds the value to the list.
    bool Selection_ValueKeyPress(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeSkeletonPage();
    QWidget* makeSingleTextPage();
    QWidget* makeMultilineTextPage();
    QWidget* makeRadioButtonsPage();
    QWidget* makeCheckBoxesPage();
    QWidget* makeSelectionsPage();
    QWidget* makeButtonsPage();

    QTabWidget* FormNoteBook;
    QLineEdit* Script_Name;
    QLineEdit* Single_Name;
    QLineEdit* Single_Size;
    QLineEdit* MAXLENGTH;
    QPlainTextEdit* Single_Memo;
    QLineEdit* MultiLine_Name;
    QLineEdit* MultiLine_Rows;
    QLineEdit* MultiLine_Cols;
    QPlainTextEdit* Multiline_Memo;
    QLineEdit* Radio_Name;
    QLineEdit* Radio_Value;
    QPlainTextEdit* Radio_Memo;
    QLineEdit* CheckBox_Name;
    QRadioButton* Value_Is_Checked;
    QPlainTextEdit* CheckBox_Memo;
    QLineEdit* Selection_Name;
    QLineEdit* Selection_Value;
    QListWidget* Selection_List;
    QPushButton* Add_Btn;
    QPushButton* Delete_Btn;
    QRadioButton* Submit_RAD;
    QRadioButton* Reset_RAD;
    QPlainTextEdit* Button_Memo;
    QPushButton* OK_Btn;
    QPushButton* Cancel_Btn;
};

// The command's dialog opened at the page given, with the selected text in
// its text fields: the filled-in fields on OK, nullopt on Cancel.
std::optional<FormFields> runFormDialog(Prompter& prompter, FormPage page, const QString& selText, QWidget* parent);

} // namespace zorvel
