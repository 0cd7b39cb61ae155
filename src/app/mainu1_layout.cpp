// Where the tool box sits, the layout of the main window around it, and the
// browser buttons at the right end of the speed bar.
#include "mainu1.h"
#include "settings_keys.h"

#include "external_browser.h"
#include "toolbox.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace zorvel {

namespace {

// Extra width of the vertical tool box beside its content, without and with its scroll bar.
constexpr int kToolBoxSlack = 5;
constexpr int kToolBoxSlackScrolling = 20;

// The action through which a tool-bar widget is shown and hidden.
QAction* actionOf(QToolBar* bar, QWidget* widget) {
    for (QAction* a : bar->actions())
        if (bar->widgetForAction(a) == widget)
            return a;
    return nullptr;
}

} // namespace

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
    // Top: first under the speed bar. Bottom: under the documents and their tab strip,
    // above only the link panel of the preview.
    outerLayout_->removeWidget(ToolBox_Horiz);
    int index = 0;
    if (placement == Placement::Bottom) {
        index = outerLayout_->indexOf(URL_Panel);
        if (index < 0)
            index = outerLayout_->count();
    }
    outerLayout_->insertWidget(index, ToolBox_Horiz);
    FormResize();
}

void TMainFrm::FormResize() {
    // The browser buttons need no placing by hand: the speed bar's spacer keeps them at
    // its right end, button 2 rightmost, and a hidden one takes no room.

    // The tab strip always sits under the documents: beside a vertical tool box it is as
    // wide as they are, with the horizontal one it runs across the whole window.
    if (workLayout_->indexOf(TabPanel) < 0) {
        outerLayout_->removeWidget(TabPanel);
        workLayout_->addWidget(TabPanel);
    }

    // The vertical box is sized whether or not a document is open, so that it is never
    // cut off. Its whole width counts: the "Text Format" group is narrower than the
    // rows below it.
    if (!toolBoxScroll_->isHidden()) {
        outerLayout_->activate(); // the height the box gets now, not before the last change
        const int contentWidth = std::max(ToolBox->textFormatGroup()->sizeHint().width(), ToolBox->sizeHint().width());
        const bool fits = ToolBox->sizeHint().height() <= toolBoxScroll_->height();
        const int scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, toolBoxScroll_);
        toolBoxScroll_->setVerticalScrollBarPolicy(fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
        toolBoxScroll_->setFixedWidth(
            contentWidth + (fits ? kToolBoxSlack : std::max(kToolBoxSlackScrolling, scrollBarWidth + kToolBoxSlack)));
    }

    // The preview covers the documents and their tabs until the user leaves it.
    TabPanel->setVisible(DocumentCount() > 0 && !preview_.active);
    // A tab bar given its tabs while hidden does not tell its panel that it grew.
    FileTabSet->updateGeometry();
}

void TMainFrm::MenuonLeft1Click(QObject* sender) {
    static constexpr std::pair<Placement, const char*> kPlacements[] = {
        {Placement::Left, "Left"}, {Placement::Right, "Right"}, {Placement::Top, "Top"}, {Placement::Bottom, "Bottom"}};
    const int tag = sender ? sender->property("tag").toInt() : 0;
    if (tag < 1 || tag > 4)
        return;
    const auto& [where, stored] = kPlacements[tag - 1];
    applyPlacement(where);
    guarded([&] { settings().writeString(kOptions, QStringLiteral("Menu_Position"), QLatin1String(stored)); });
}

void TMainFrm::setUpBrowserButtons() {
    const IniProfile ini = settings();
    // A path with blanks around it names the same program: the start trims them too.
    const FileExists exists = [this](const QString& path) { return env_.exists(trimBlanks(path)); };
    for (int slot : {1, 2})
        showBrowserButton(slot, setupBrowserButton(slot, ini, programDir(), exists, browserIcon, env_.platform), true);
}

void TMainFrm::showBrowserButton(int slot, const BrowserButtonState& state, bool atStartUp) {
    QToolButton* button = slot == 2 ? Browser_Btn2 : Browser_Btn1;
    QString& label = slot == 2 ? Browser_Address2 : Browser_Address1;
    QAction* action = actionOf(SpeedBar, button);
    button->setIcon(QIcon());
    if (!state.shown) {
        label.clear();
        button->setEnabled(false);
        if (action)
            action->setVisible(false);
        return;
    }
    label = state.path;
    button->setToolTip(QString());
    const QIcon glyph = state.glyphPath.isEmpty() ? QIcon() : loadBrowserGlyph(state.glyphPath);
    if (glyph.isNull()) {
        // No picture: the caption alone, so the button is never blank.
        QString caption = state.caption;
        if (caption.isEmpty())
            caption = fileNameOnly(trimBlanks(state.path), env_.platform);
        button->setText(caption);
    } else {
        button->setIcon(glyph);
        button->setIconSize(glyph.availableSizes().value(0, QSize(32, 32)));
        // At start-up the first button loses its designed caption; a known browser
        // names itself on either. The options dialog leaves captions as they are.
        if (atStartUp && (slot == 1 || !state.caption.isEmpty()))
            button->setText(state.caption);
    }
    button->setEnabled(true);
    if (action)
        action->setVisible(true);
}

} // namespace zorvel
