#pragma once
// The tool boxes of the main window: the same markup commands as the HTML
// menu, either as a vertical column (with the caret position display) or as a
// horizontal strip. Every command button carries its command number in the
// "tag" property; the combo boxes give theirs as the selected index.
#include <QList>
#include <QWidget>

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QToolButton;

namespace zorvel {

class TToolBox : public QWidget {
    Q_OBJECT
public:
    explicit TToolBox(Qt::Orientation orientation, QWidget* parent = nullptr);

    Qt::Orientation orientation() const { return orientation_; }

    // The buttons of the text-format commands, in tag order (tags 1-7, 13-20).
    const QList<QToolButton*>& formatButtons() const { return formatButtons_; }
    QComboBox* headingBox() const { return headingBox_; }
    QComboBox* listBox() const { return listBox_; }
    QToolButton* linkButton() const { return linkButton_; }
    QToolButton* imageButton() const { return imageButton_; }
    QToolButton* tableButton() const { return tableButton_; }
    QToolButton* formButton() const { return formButton_; }
    QToolButton* cutButton() const { return cutButton_; }
    QToolButton* copyButton() const { return copyButton_; }
    QToolButton* pasteButton() const { return pasteButton_; }
    // The caret position display; only the vertical box has one.
    QLabel* rowCol() const { return rowCol_; }
    QGroupBox* textFormatGroup() const { return textFormatGroup_; }

private:
    QToolButton* makeButton(const char* objectName, const char* caption, const char* hint);

    Qt::Orientation orientation_;
    QList<QToolButton*> formatButtons_;
    QComboBox* headingBox_ = nullptr;
    QComboBox* listBox_ = nullptr;
    QToolButton* linkButton_ = nullptr;
    QToolButton* imageButton_ = nullptr;
    QToolButton* tableButton_ = nullptr;
    QToolButton* formButton_ = nullptr;
    QToolButton* cutButton_ = nullptr;
    QToolButton* copyButton_ = nullptr;
    QToolButton* pasteButton_ = nullptr;
    QLabel* rowCol_ = nullptr;
    QGroupBox* textFormatGroup_ = nullptr;
};

} // namespace zorvel
