#pragma once
// Modeless find and find-and-replace dialogs with the controls of the
// platform's standard ones. They only collect the texts and options; the main
// window connects their signals to its handlers.
#include <QDialog>
#include <initializer_list>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace zorvel {

// What both dialogs are: modeless, a find text, whole word and match case,
// Find Next as the default button and Cancel at the foot of the buttons.
class TSearchDialog : public QDialog {
    Q_OBJECT
public:
    QString findText() const;
    void setFindText(const QString& text);
    bool matchCase() const;
    bool wholeWord() const;
    // Shows the dialog, or brings it to the front when it is shown already.
    void showOrRaise();

protected:
    // Starts the dialog with its find text; the controls below it and the
    // buttons are added in the order the Tab key visits them.
    TSearchDialog(QWidget* parent, const char* objectName, const char* caption);
    QLineEdit* addTextRow(int row, const char* caption, const char* name);
    void addMatchOptions();
    void addFindNextButton();
    QPushButton* addButton(const char* caption, const char* name);
    // Adds Cancel and lays the dialog out; the search buttons can do nothing
    // without a find text.
    void finish(std::initializer_list<QPushButton*> searchButtons);

    QGridLayout* grid_;
    QVBoxLayout* buttons_;
    QLineEdit* findEdit_;
    QCheckBox* wholeWord_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QPushButton* findNextBtn_ = nullptr;
};

class TFindDialog : public TSearchDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent = nullptr);
    bool directionUp() const;

signals:
    // The dialog has hidden itself; the main window searches from the top.
    void findNext();

private:
    QRadioButton* up_;
    QRadioButton* down_;
};

class TReplaceDialog : public TSearchDialog {
    Q_OBJECT
public:
    explicit TReplaceDialog(QWidget* parent = nullptr);
    QString replaceText() const;
    void setReplaceText(const QString& text);

signals:
    // The dialog stays open for all three.
    void findNext();
    void replace();
    void replaceAll();

private:
    QLineEdit* replaceEdit_;
    QPushButton* replaceBtn_;
    QPushButton* replaceAllBtn_;
};

} // namespace zorvel
