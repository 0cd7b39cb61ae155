#include "dialog_child.h"
#include "scripted_prompter.h"
#include "tableu.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::child;
using zorvel::testing::ScriptedPrompter;

namespace {

QSpinBox* spin(QDialog& d, const char* name) {
    return child<QSpinBox>(d, name);
}
TImproveGrid* grid(QDialog& d) {
    return child<TImproveGrid>(d, "Grid");
}

void typeCell(QDialog& d, int row, int column, const QString& text) {
    grid(d)->setItem(row, column, new QTableWidgetItem(text));
}

// Records what the Test page is asked to show.
struct RecordingView final : TableView {
    QWidget* page;
    std::vector<QString>* calls;
    RecordingView(QWidget* parent, std::vector<QString>* log) : page(new QWidget(parent)), calls(log) {}
    QWidget* widget() override { return page; }
    void Clear() override { calls->push_back("Clear"); }
    void LoadFromBuffer(const QString& html) override { calls->push_back(html); }
};

std::optional<QString> run(ScriptedPrompter& prompter, ScriptedPrompter::DialogScript script,
                           const TableViewMaker& maker = {}) {
    prompter.queueDialog(std::move(script));
    auto result = runTableDialog(prompter, maker, nullptr);
    EXPECT_TRUE(prompter.drained());
    return result;
}

const char* kDefaultTable = "<table align=Left border=10 width=100% >\r\n\r\n"
                            "<tr>\r\n<td Align=Left></td>\r\n<td Align=Left></td>\r\n</tr>\r\n"
                            "<tr>\r\n<td Align=Left></td>\r\n<td Align=Left></td>\r\n</tr>\r\n</table>\r\n";

} // namespace

TEST(TableDialog, OpensWithItsDefaultsAndOkGivesTheirTable) {
    ScriptedPrompter prompter;
    const auto text = run(prompter, [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Tables");
        EXPECT_EQ(child<QLineEdit>(d, "TableCaption")->text(), "");
        EXPECT_TRUE(child<QRadioButton>(d, "TopRad")->isChecked());
        EXPECT_TRUE(child<QRadioButton>(d, "Percent_Btn")->isChecked());
        const std::pair<const char*, const char*> fields[] = {
            {"BorderWidth", "10"}, {"TableWidth", "100"}, {"CellPad", "1"}, {"CellSpace", "2"}};
        for (const auto& [name, value] : fields)
            EXPECT_EQ(child<QLineEdit>(d, name)->text(), value) << name;
        auto* align = child<QComboBox>(d, "AlignBox");
        EXPECT_TRUE(align->isEditable());
        EXPECT_EQ(align->currentText(), "Left");
        EXPECT_EQ(align->itemText(2), "Centre");
        struct Spin {
            const char* name;
            int value, minimum;
        } spins[] = {{"Cols", 2, 1}, {"Rows", 2, 1}, {"HeadColsSpinEdit", 0, 0}, {"HeadRowsSpinEdit", 0, 0}};
        for (const Spin& s : spins) {
            EXPECT_EQ(spin(d, s.name)->value(), s.value) << s.name;
            EXPECT_EQ(spin(d, s.name)->minimum(), s.minimum) << s.name;
            EXPECT_EQ(spin(d, s.name)->maximum(), 999) << s.name;
        }
        EXPECT_EQ(child<QToolButton>(d, "CentreAlign_Btn")->toolTip(), "Centre Align cells");
        EXPECT_EQ(child<QToolButton>(d, "RightAlign_Btn")->toolTip(), "Right align Cells");
        EXPECT_FALSE(child<QGroupBox>(d, "VerticalAlignment")->isVisibleTo(&d));
        auto* tabs = child<QTabWidget>(d, "TabSet1");
        EXPECT_EQ(tabs->tabText(0), "Design");
        EXPECT_EQ(tabs->tabText(1), "Test");
        EXPECT_EQ(tabs->currentIndex(), 0);
        EXPECT_EQ(child<QPushButton>(d, "Button1")->text(), "&Cancel");
        child<QPushButton>(d, "OK_Btn")->click();
        return d.result();
    });
    EXPECT_EQ(text, kDefaultTable);
}

TEST(TableDialog, CancelGivesNothing) {
    ScriptedPrompter prompter;
    EXPECT_FALSE(run(prompter, [](QDialog& d) {
        child<QLineEdit>(d, "TableCaption")->setText("Prices");
        child<QPushButton>(d, "Button1")->click();
        return d.result();
    }));
}

TEST(TableDialog, HeadingCountsNotBelowTheTableSizeAreRefusedAndTheOldOnesKept) {
    ScriptedPrompter prompter;
    const auto text = run(prompter, [&prompter](QDialog& d) {
        for (const char* name : {"BorderWidth", "TableWidth"})
            child<QLineEdit>(d, name)->clear();
        child<QComboBox>(d, "AlignBox")->setEditText("");
        spin(d, "Cols")->setValue(3);
        spin(d, "Rows")->setValue(2);
        spin(d, "HeadColsSpinEdit")->setValue(1);
        spin(d, "HeadColsSpinEdit")->setValue(3);
        spin(d, "HeadRowsSpinEdit")->setValue(2);
        EXPECT_EQ(prompter.messageTexts(), QStringList({"Fixed column count must be less than column count",
                                                        "Fixed row count must be less than row count"}));
        EXPECT_EQ(spin(d, "HeadColsSpinEdit")->value(), 1);
        EXPECT_EQ(spin(d, "HeadRowsSpinEdit")->value(), 0);
        EXPECT_EQ(grid(d)->fixedColumns(), 1);
        EXPECT_EQ(grid(d)->fixedRows(), 0);
        EXPECT_TRUE(grid(d)->isFixed(1, 0));
        EXPECT_FALSE(grid(d)->isFixed(1, 1));
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(text, "<table>\r\n\r\n<tr>\r\n<th Align=Left></th>\r\n<td Align=Left></td>\r\n<td Align=Left></td>\r\n"
                    "</tr>\r\n<tr>\r\n<th Align=Left></th>\r\n<td Align=Left></td>\r\n<td Align=Left></td>\r\n"
                    "</tr>\r\n</table>\r\n");
}

TEST(TableDialog, LoweringTheColumnsLowersTheGridsHeadingsButNotTheTables) {
    ScriptedPrompter prompter;
    const auto text = run(prompter, [](QDialog& d) {
        spin(d, "Cols")->setValue(3);
        spin(d, "HeadColsSpinEdit")->setValue(2);
        spin(d, "Cols")->setValue(2);
        EXPECT_EQ(grid(d)->columnCount(), 2);
        EXPECT_EQ(grid(d)->fixedColumns(), 1);
        EXPECT_EQ(spin(d, "HeadColsSpinEdit")->value(), 2);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(text);
    EXPECT_EQ(text->count("<th "), 4);
    EXPECT_EQ(text->count("<td "), 0);
}

TEST(TableDialog, AlignmentButtonsJustifyTheSelectedRectangleOrTheCurrentCell) {
    ScriptedPrompter prompter;
    const auto text = run(prompter, [](QDialog& d) {
        spin(d, "Cols")->setValue(3);
        spin(d, "Rows")->setValue(3);
        TImproveGrid* g = grid(d);
        auto* centre = child<QToolButton>(d, "CentreAlign_Btn");
        // No current cell yet: nothing happens.
        centre->click();
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                EXPECT_FALSE(g->hasJustification(r, c)) << r << c;
        typeCell(d, 0, 1, "b");
        g->setCurrentCell(0, 1);
        g->setRangeSelected(QTableWidgetSelectionRange(0, 1, 1, 2), true);
        centre->click();
        // A single selected cell: only the current one.
        g->setCurrentCell(2, 0);
        child<QToolButton>(d, "RightAlign_Btn")->click();
        g->setCurrentCell(1, 2);
        child<QToolButton>(d, "LeftAlign_Btn")->click();
        EXPECT_TRUE(g->hasJustification(1, 2));
        EXPECT_FALSE(g->hasJustification(2, 2));
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(text);
    const QStringList cells = text->split("\r\n").filter("<td");
    EXPECT_EQ(cells, QStringList({"<td Align=Left></td>", "<td Align=Center>b</td>", "<td Align=Center></td>",
                                  "<td Align=Left></td>", "<td Align=Center></td>", "<td Align=Left></td>",
                                  "<td Align=Right></td>", "<td Align=Left></td>", "<td Align=Left></td>"}));
}

TEST(TableDialog, TheTestPageShowsTheTableAsItStandsAndDesignClearsIt) {
    ScriptedPrompter prompter;
    std::vector<QString> calls;
    const TableViewMaker maker = [&calls](QWidget* parent) { return std::make_unique<RecordingView>(parent, &calls); };
    const auto text = run(
        prompter,
        [&calls](QDialog& d) {
            EXPECT_EQ(child<QWidget>(d, "TableViewer")->parentWidget()->objectName(), "Preview");
            child<QLineEdit>(d, "TableCaption")->setText("Prices");
            child<QLineEdit>(d, "CellPad")->setText("4");
            // A cell still being typed counts.
            TImproveGrid* g = grid(d);
            g->setCurrentCell(1, 1);
            g->edit(g->model()->index(1, 1));
            auto* editor = g->viewport()->findChild<QLineEdit*>();
            EXPECT_NE(editor, nullptr);
            if (editor)
                editor->setText("  42 ");
            auto* tabs = child<QTabWidget>(d, "TabSet1");
            tabs->setCurrentIndex(1);
            EXPECT_EQ(calls.size(), 2u);
            tabs->setCurrentIndex(0);
            return int(QDialog::Accepted);
        },
        maker);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->startsWith("<table align=Left border=10 width=100% cellpadding=4 cellspacing=2 >\r\n"
                                 "<caption>Prices</caption> \r\n"));
    EXPECT_TRUE(text->contains("<td Align=Left>42</td>"));
    EXPECT_EQ(calls, (std::vector<QString>{"Clear", *text, "Clear"}));
}

TEST(ImproveGrid, RowsGrowToFitWrappedTextAndNeverShrink) {
    TImproveGrid g;
    g.setDefaultColumnWidth(60);
    const int plain = g.rowHeight(0);
    g.setItem(0, 0, new QTableWidgetItem("short"));
    EXPECT_EQ(g.rowHeight(0), plain);
    g.setItem(0, 1, new QTableWidgetItem("a text much too long for a sixty pixel wide cell of the grid"));
    const int grown = g.rowHeight(0);
    EXPECT_GT(grown, 2 * QFontMetrics(g.font()).height());
    // Narrower columns need taller rows.
    g.setDefaultColumnWidth(30);
    const int narrower = g.rowHeight(0);
    EXPECT_GT(narrower, grown);
    g.item(0, 1)->setText("x");
    g.setDefaultColumnWidth(60);
    EXPECT_EQ(g.rowHeight(0), narrower);
    EXPECT_EQ(g.rowHeight(1), plain);
}

TEST(ImproveGrid, GlobalVerticalJustTakesOnlyTopCentreOrBottom) {
    TImproveGrid g;
    g.setGlobalVerticalJust(4);
    g.setGlobalVerticalJust(3);
    EXPECT_EQ(g.GlobalVerticalJust(), 4);
    g.setGlobalTextJust(2);
    EXPECT_EQ(g.GlobalTextJust(), 2);
}

TEST(ImproveGrid, EnterFinishesTheCellAndGoesDownInsteadOfClosingTheDialog) {
    ScriptedPrompter prompter;
    const auto text = run(prompter, [](QDialog& d) {
        TImproveGrid* g = grid(d);
        g->setCurrentCell(0, 1);
        g->edit(g->model()->index(0, 1));
        auto* editor = g->viewport()->findChild<QLineEdit*>();
        EXPECT_NE(editor, nullptr);
        if (editor) {
            editor->setText("typed");
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(editor, &enter);
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(d.result(), 0); // still open
        EXPECT_EQ(g->currentRow(), 1);
        EXPECT_EQ(g->cellText(0, 1), "typed");
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->contains("<td Align=Left>typed</td>"));
}
