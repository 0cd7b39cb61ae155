#pragma once
// The links dialog: a link to an address composed from its parts or picked
// from the stored addresses, a new bookmark, or a link to a bookmark.
#include "ini_profile.h"
#include "prompter.h"

#include <QDialog>
#include <QStringList>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace zorvel {

// Stored addresses of the settings file, empty values skipped.
QStringList readStoredAddresses(const IniProfile& settings);
// Writes the count and one key per address; an empty list writes nothing.
void writeStoredAddresses(const IniProfile& settings, const QStringList& addresses);

class TLinkFrm : public QDialog {
    Q_OBJECT
public:
    enum Page { InternalPage = 0, ExternalPage = 1 };

    explicit TLinkFrm(QWidget* parent = nullptr);

    // Fills the dialog as the command opens it.
    void prepare(const QStringList& bookMarks, const QStringList& storedAddresses, const QString& selText);

    // The link text of the page that is showing.
    QString linkText() const;
    // The name of a new bookmark, when the dialog creates one.
    std::optional<QString> createdBookMark() const;
    QStringList storedAddresses() const;

    // Handlers, public so the wiring can be driven directly.
    void URL_To_Be_Used();
    void LookUp_Address_BtnClick();
    void Store_Address_BtnClick();
    void Delete_Address_BtnClick();
    void URL_ComboBoxDblClick();
    // Enter (take the address) or Escape (no change) in the address list.
    void URL_ComboBoxKeyPress(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeInternalPage();
    QWidget* makeExternalPage();
    void showAddressList(bool show);
    void updateBookMarkField();
    QString chosenAddress() const;

    QTabWidget* LinksNotebook;
    QRadioButton* Create_BookMark_Rad;
    QRadioButton* Link_To_BookMark_RAD;
    QLineEdit* BookMark_Name;
    QComboBox* BookMark_ComboBox;
    QPlainTextEdit* BookMark_Memo;
    QComboBox* URL_Type;
    QLineEdit* Domain_Name;
    QLineEdit* Ext_File_Name;
    QLabel* URL_Label;
    QLineEdit* URL_To_Use;
    QPlainTextEdit* External_Memo;
    QPushButton* LookUp_Address_Btn;
    QPushButton* Store_Address_Btn;
    QPushButton* Delete_Address_Btn;
    QListWidget* URL_ComboBox;
    QLabel* Combo_Instructions;
    QList<QWidget*> addressFields_; // hidden while the list is shown
    QPushButton* OK_Btn;
    QPushButton* Cancel_Btn;
};

// The command: returns the link to insert, nullopt on Cancel. A new bookmark
// is added to bookMarks; the stored addresses are written on OK. Throws
// IniWriteError when they cannot be written.
std::optional<QString> runLinkDialog(Prompter& prompter, const IniProfile& settings, QStringList& bookMarks,
                                     const QString& selText, QWidget* parent);

} // namespace zorvel
