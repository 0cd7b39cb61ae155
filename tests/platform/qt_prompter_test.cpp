// The real message boxes: which button Enter, Escape and the box's close press.
#include "prompter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
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

// With no printer the print dialog is preceded by a warning; printing to a PDF is still offered.
TEST(QtPrompter, ThePrintDialogWarnsWhenNoPrinterIsInstalled) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this system has a printer";
    QWidget parent;
    QtPrompter prompter(&parent);
    QString warning;
    bool dialogOffersFile = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        warning = box->text();
        box->accept();
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            dialogOffersFile = dialog->testOption(QAbstractPrintDialog::PrintToFile);
            dialog->reject();
        });
    });
    QPrinter printer;
    EXPECT_FALSE(prompter.printDialog(printer));
    EXPECT_EQ(warning, kNoPrinterWarning);
    EXPECT_TRUE(dialogOffersFile);
}
