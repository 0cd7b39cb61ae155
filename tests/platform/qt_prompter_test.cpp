// The real message boxes: which button Enter, Escape and the box's close press.
#include "prompter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace zorvel;

namespace {

enum class Leave { Enter, Escape, Close };

// Leaves the box that is about to open the given way, once it is up.
void leaveNextBox(Leave how) {
    QTimer::singleShot(0, [how] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_TRUE(box);
        if (how == Leave::Close) {
            box->close();
            return;
        }
        QKeyEvent press(QEvent::KeyPress, how == Leave::Enter ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
    });
}

} // namespace

TEST(QtPrompter, TheChosenDefaultTakesEnterAndTheEscapeButtonEscapeAndTheClose) {
    QWidget parent;
    QtPrompter prompter(&parent);
    const QStringList buttons = {"&Reload", "&Keep my version", "Cancel"};
    const struct {
        Leave how;
        int defaultButton, escape, expected;
    } cases[] = {
        {Leave::Enter, 2, 2, 2},  {Leave::Escape, 2, 2, 2}, {Leave::Close, 2, 2, 2},
        {Leave::Enter, 1, 2, 1},  {Leave::Escape, 0, 1, 1}, {Leave::Close, 0, 1, 1},
    };
    for (const auto& c : cases) {
        leaveNextBox(c.how);
        EXPECT_EQ(prompter.chooseWithDefault("question", MessageIcon::Warning, buttons, c.defaultButton, c.escape),
                  c.expected)
            << int(c.how) << " default " << c.defaultButton << " escape " << c.escape;
    }
}
