// The tool boxes' wiring and their placement on the main window.
#include "mainu1.h"

#include "toolbox.h"

#include <QComboBox>
#include <QToolButton>

namespace zorvel {

void TMainFrm::connectToolBox(TToolBox* box) {
    for (QToolButton* button : box->formatButtons())
        connect(button, &QToolButton::clicked, this, [this, button] { Text_Format_Click(button); });
    connect(box->headingBox(), &QComboBox::activated, this, [this, box] { Heading_Click(box->headingBox()); });
    connect(box->listBox(), &QComboBox::activated, this, [this, box] { Lists_Click(box->listBox()); });
    connect(box->linkButton(), &QToolButton::clicked, this, [this, box] { Link_Btn_Click(box->linkButton()); });
    connect(box->imageButton(), &QToolButton::clicked, this, [this, box] { Image_BtnClick(box->imageButton()); });
    connect(box->tableButton(), &QToolButton::clicked, this, [this, box] { Table_BtnClick(box->tableButton()); });
    connect(box->formButton(), &QToolButton::clicked, this, [this, box] { Form_BtnClick(box->formButton()); });
    connect(box->cutButton(), &QToolButton::clicked, this, &TMainFrm::Cut1Click);
    connect(box->copyButton(), &QToolButton::clicked, this, &TMainFrm::Copy1Click);
    connect(box->pasteButton(), &QToolButton::clicked, this, &TMainFrm::Paste1Click);
}

} // namespace zorvel
