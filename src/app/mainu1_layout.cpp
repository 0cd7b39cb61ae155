// Where the tool box sits, and the layout of the main window around it.
#include "mainu1.h"

#include "toolbox.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QScrollArea>

namespace zorvel {

void TMainFrm::applyPlacement(Placement placement) {
    placement_ = placement;
    const std::pair<QAction*, Placement> items[] = {{MenuonLeft1, Placement::Left},
                                                    {MenuonRight1, Placement::Right},
                                                    {MenuonTop1, Placement::Top},
                                                    {MenuonBotom1, Placement::Bottom}};
    for (const auto& [item, where] : items)
        item->setChecked(where == placement);

    const bool vertical = placement != Placement::Top && placement != Placement::Bottom;
    toolBoxScroll_->setVisible(vertical);
    ToolBox_Horiz->setVisible(!vertical);
    middleLayout_->removeWidget(toolBoxScroll_);
    middleLayout_->insertWidget(placement == Placement::Right ? 1 : 0, toolBoxScroll_);
    outerLayout_->removeWidget(ToolBox_Horiz);
    // Top: directly below the speed bar; bottom: below the tab strip, above the link panel.
    outerLayout_->insertWidget(placement == Placement::Bottom ? 2 : 0, ToolBox_Horiz);
    FormResize();
}

void TMainFrm::FormResize() {
    if (DocumentCount() == 0) {
        TabPanel->hide();
        return;
    }
    TabPanel->show();
    const bool vertical = toolBoxScroll_->isVisible() || placement_ == Placement::Left ||
                          placement_ == Placement::Right || placement_ == Placement::AsDesigned;
    // Beside a vertical tool box the tab strip runs under the documents only; with the
    // horizontal one it spans the whole width.
    workLayout_->removeWidget(TabPanel);
    outerLayout_->removeWidget(TabPanel);
    if (vertical && placement_ != Placement::Top && placement_ != Placement::Bottom) {
        workLayout_->addWidget(TabPanel);
        // The whole box, not only its "Text Format" group, must fit without being cut off.
        const int groupWidth = std::max(ToolBox->textFormatGroup()->sizeHint().width(), ToolBox->sizeHint().width());
        const bool fits = ToolBox->sizeHint().height() <= toolBoxScroll_->height();
        toolBoxScroll_->setVerticalScrollBarPolicy(fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
        toolBoxScroll_->setFixedWidth(groupWidth + (fits ? 5 : 20));
    } else {
        outerLayout_->insertWidget(outerLayout_->indexOf(ToolBox_Horiz) < 2 ? 2 : 1, TabPanel);
    }
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

void TMainFrm::setUpBrowserButtons() {}

} // namespace zorvel
