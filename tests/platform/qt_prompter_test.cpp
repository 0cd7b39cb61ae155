// The real message boxes: which button Enter, Escape and the box's close press.
#include "prompter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace zorvel;

TEST(QtPrompter, TheChosenDefaultTakesEnterAndTheEscapeButtonEscapeAndTheClose) {
    enum Leave { Enter, Escape, Close };
    const struct {
        Leave how;
        int defaultButton, escape, expected;
    } cases[] = {
        {Enter, 2, 2, 2}, {Escape, 2, 2, 2}, {Close, 2, 2, 2}, {Enter, 1, 2, 1}, {Escape, 0, 1, 1}, {Close, 0, 1, 1},
    };
    QWidget parent;
    QtPrompter prompter(&parent);
    for (const auto& c : cases) {
        // Once the box is up, leave it the case's way.
        QTimer::singleShot(0, [how = c.how] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_TRUE(box);
            if (how == Close) {
                box->close();
                return;
            }
            QKeyEvent press(QEvent::KeyPress, how == Enter ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(box, &press);
        });
        EXPECT_EQ(prompter.chooseWithDefault("question", MessageIcon::Warning,
                                             {"&Reload", "&Keep my version", "Cancel"}, c.defaultButton, c.escape),
                  c.expected)
            << "case " << &c - cases;
    }
}
