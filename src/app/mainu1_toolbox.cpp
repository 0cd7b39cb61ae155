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
}

void TMainFrm::MenuonLeft1Click(QObject* sender) {
    static constexpr std::pair<Placement, const char*> kPlacements[] = {
        {Placement::Left, "Left"}, {Placement::Right, "Right"}, {Placement::Top, "Top"}, {Placement::Bottom, "Bottom"}};
    const int tag = sender ? sender->property("tag").toInt() : 0;
    if (tag < 1 || tag > 4)
        return;
    const auto& [where, stored] = kPlacements[tag - 1];
    applyPlacement(where);
    settings().writeString(QStringLiteral("Options"), QStringLiteral("Menu_Position"), QLatin1String(stored));
}

} // namespace zorvel
