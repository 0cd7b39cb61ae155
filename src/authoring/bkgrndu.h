#pragma once
// The body-colours dialog: text, background and link colours and a
// background image for the page's body tag.
#include "background_text.h"
#include "picture_place.h"
#include "prompter.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace zorvel {

class TBackGroundFrm : public QDialog {
    Q_OBJECT
public:
    TBackGroundFrm(Prompter& prompter, PicturePlace place, QWidget* parent = nullptr);

    BackgroundFields fields() const;

    void SpeedButton1Click(); // browse for the image
    void HTMLFormatCheckBoxClick();

private:
    struct ColourGroup {
        QCheckBox* check = nullptr;
        QSpinBox* red = nullptr;
        QSpinBox* green = nullptr;
        QSpinBox* blue = nullptr;
        QFrame* sample = nullptr;
        QToolButton* picker = nullptr;
        QFrame* frame = nullptr; // switched with the group only for the background colours
    };
    enum class SampleUpdates { AllBoxes, RedOnly };

    QWidget* makeColourGroup(ColourGroup& g, const char* const names[6], const char* caption, Rgb start,
                             const char* frameName, SampleUpdates updates);
    void switchGroup(ColourGroup& g);
    void pickColour(ColourGroup& g);
    static Rgb rgbOf(const ColourGroup& g);
    static void showSample(const ColourGroup& g, const Rgb& rgb);

    Prompter& prompter_;
    PicturePlace place_;
    ColourGroup text_;
    ColourGroup background_;
    ColourGroup link_;
    QLineEdit* ImageFileName;
    QToolButton* SpeedButton1;
    QCheckBox* HTMLFormatCheckBox;
    QLineEdit* ImagePath;
    QPushButton* OK_Btn;
    QPushButton* Cancel_Btn;
};

// The command's text: nullopt on Cancel, empty when OK set nothing.
std::optional<QString> runBackgroundDialog(Prompter& prompter, const PicturePlace& place, QWidget* parent);

} // namespace zorvel
