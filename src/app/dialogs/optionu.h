#pragma once
// The options dialog: e-mail address, the two external browsers and the fly-by
// hints. The dialog only shows and edits the fields; storeOptions does the rest.
#include "ini_profile.h"
#include "options_store.h"
#include "prompter.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace zorvel {

class TOptionFrm : public QDialog {
    Q_OBJECT
public:
    TOptionFrm(Prompter& prompter, QString programDir, QWidget* parent = nullptr);

    // Fills the controls from the settings file.
    void FormShow(const IniProfile& ini);
    void setFields(const OptionsFields& fields);
    OptionsFields fields() const;

    // Stores the fields and closes; when the settings cannot be written the
    // dialog stays open with what was typed, after saying why.
    void OK_BtnClick();
    // What OK stored; empty until it succeeded.
    const std::optional<OptionsResult>& stored() const { return stored_; }

    void FlyByCheckBoxClick();
    void SpeedButton1Click(); // choose the hint colour
    void SpeedButton2Click(); // browse for browser 1
    void Browse_BtnClick();   // browse for browser 2

private:
    void browseInto(QLineEdit& edit);
    void showColor(const QColor& color);

    Prompter& prompter_;
    QString programDir_;
    const IniProfile* ini_ = nullptr;
    std::optional<OptionsResult> stored_;
    QColor hintColor_;
    QLabel* Label4;
    QLabel* Label6;
    QLineEdit* Your_Email_Address;
    QLineEdit* Browser_Address;
    QLineEdit* Browser_Address_2;
    QToolButton* SpeedButton2;
    QToolButton* Browse_Btn;
    QCheckBox* FlyByCheckBox;
    QFrame* Shape1;
    QPushButton* SpeedButton1;
};

// Shows the dialog; on OK stores the options and returns what the main window
// applies (e-mail address, browser buttons, hints).
std::optional<OptionsResult> runOptionsDialog(Prompter& prompter, const IniProfile& ini, const QString& programDir,
                                              QWidget* parent);

} // namespace zorvel
