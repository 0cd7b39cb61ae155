#pragma once
// Modeless find and find-and-replace dialogs with the controls of the
// platform's standard ones. They only collect the texts and options; the main
// window connects their signals to its handlers.
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zorvel {

class TFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent = nullptr);

    QString findText() const;
    void setFindText(const QString& text);
    bool matchCase() const;
    bool wholeWord() const;
    bool directionUp() const;
    // Shows the dialog, or brings it to the front when it is shown already.
    void showOrRaise();

signals:
    // The dialog has hidden itself; the main window searches from the top.
    void findNext();

private:
    QLineEdit* findEdit_;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
    QRadioButton* up_;
    QRadioButton* down_;
    QPushButton* findNextBtn_;
};

class TReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit TReplaceDialog(QWidget* parent = nullptr);

    QString findText() const;
    void setFindText(const QString& text);
    QString replaceText() const;
    void setReplaceText(const QString& text);
    bool matchCase() const;
    bool wholeWord() const;
    void showOrRaise();

signals:
    // The dialog stays open for all three.
    void findNext();
    void replace();
    void replaceAll();

private:
    QLineEdit* findEdit_;
    QLineEdit* replaceEdit_;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
    QPushButton* findNextBtn_;
    QPushButton* replaceBtn_;
    QPushButton* replaceAllBtn_;
};

} // namespace zorvel
