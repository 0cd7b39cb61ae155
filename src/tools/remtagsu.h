#pragma once
// The options dialog of Remove Tags.
#include "remtags_engine.h"
#include "waitu.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace zorvel {

class TRemoveTagFrm : public QDialog {
    Q_OBJECT
public:
    explicit TRemoveTagFrm(QWidget* parent = nullptr);

    RemoveTagOptions options() const;

    QLabel* Label1;
    QCheckBox* BR_P_CheckBox;
    QCheckBox* Amp_CheckBox;
    QCheckBox* LT_CheckBox;
    QCheckBox* GT_CheckBox;
    QPushButton* OK_Btn;
    QPushButton* Cancel_Btn;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace zorvel
