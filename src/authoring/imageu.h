#pragma once
// The image dialog: picture file, spacing, alignment, size, border and the
// text shown with the image.
#include "image_tag.h"
#include "picture_place.h"
#include "prompter.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zorvel {

class TImageFrm : public QDialog {
    Q_OBJECT
public:
    TImageFrm(Prompter& prompter, PicturePlace place, QWidget* parent = nullptr);

    void setMemo(const QString& crlfText);
    ImageFields fields() const;

    void Browse_BtnClick();
    void Include_Path_RADClick();
    void Cancel_BtnClick();

private:
    QLineEdit* numberField(const char* name, const char* hint);

    Prompter& prompter_;
    PicturePlace place_;
    QLineEdit* Image_FileName;
    QPushButton* Browse_Btn;
    QLineEdit* Full_File_Name;
    QCheckBox* Include_Path_RAD;
    QLineEdit* Horizontal_Space;
    QLineEdit* Vertical_Space;
    QLineEdit* Image_Width;
    QLineEdit* Image_Height;
    QLineEdit* Border;
    QRadioButton* Top_RAD;
    QRadioButton* Middle_RAD;
    QRadioButton* Bottom_RAD;
    QRadioButton* TextTop_RAD;
    QRadioButton* ABSMIDDLE_RAD;
    QRadioButton* AbsBottom_RAD;
    QRadioButton* LEFT_RAD;
    QRadioButton* Right_RAD;
    QPlainTextEdit* ImageMemo;
    QPushButton* OK_Btn;
    QPushButton* Cancel_Btn;
};

// The command: the image tag and its text, nullopt on Cancel.
std::optional<QString> runImageDialog(Prompter& prompter, const PicturePlace& place, const QString& selText,
                                      QWidget* parent);

} // namespace zorvel
