// Form controls in the viewer control: real widgets on the viewport that
// scroll with the page, go with it, and send what the user entered.
#include "control/html_viewer.h"
#include "headless/render.h"
#include "model/form_controls.h"
#include "temp_dir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <gtest/gtest.h>

using namespace zorvel;
using zorvel::testing::TempDir;

namespace {

class ViewerFormsTest : public ::testing::Test {
protected:
    TempDir tmp;
    THTMLViewer viewer;
    QStringList submitted;

    void SetUp() override {
        viewer.setFrameShape(QFrame::NoFrame);
        viewer.resize(400, 300);
        viewer.OnFormSubmit = [this](const QString& action, const QString& method, const QStringList& results) {
            submitted << method + u' ' + action + QStringLiteral(": ") + results.join(QStringLiteral("; "));
        };
        viewer.show();
    }
    QString load(const QByteArray& html) {
        const QString path = tmp.write(QStringLiteral("page%1.htm").arg(++pages_), html);
        viewer.LoadFromFile(path);
        viewer.viewport()->grab(); // drawing the lines shows their controls
        return path;
    }
    template <class W> W* only() {
        const QList<W*> all = viewer.viewport()->findChildren<W*>(Qt::FindDirectChildrenOnly);
        EXPECT_EQ(all.size(), 1);
        return all.isEmpty() ? nullptr : all.first();
    }
    void type(QWidget* w, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &press);
        }
    }
    void pressEnter(QWidget* w) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &press);
    }

private:
    int pages_ = 0;
};

QByteArray rules(int n) {
    return QByteArray("<HR>").repeated(n);
}

TEST_F(ViewerFormsTest, ControlsAreWidgetsOnTheViewportThatScrollWithThePageAndGoWithIt) {
    load("<P>Name <INPUT NAME=n>" + rules(40));
    QPointer<QLineEdit> edit = only<QLineEdit>();
    ASSERT_TRUE(edit);
    EXPECT_TRUE(edit->isVisible());
    const TFormControlObj& control = *viewer.Document().FormList.Item(0)->ControlList.Item(0);
    const QRect placed = control.WindowControl->geometry();
    EXPECT_EQ(edit->geometry(), placed);
    EXPECT_GT(placed.x(), THTMLViewer::kLeftMargin);

    viewer.verticalScrollBar()->setValue(30);
    EXPECT_EQ(edit->geometry(), placed.translated(0, -30)); // at once, before any painting

    // What the window shows is what a render of the page shows, controls and all.
    viewer.verticalScrollBar()->setValue(0);
    const QImage shown = viewer.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    RenderOptions options;
    options.controlWidth = 400;
    options.scrollBarWidth = viewer.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &viewer);
    const RenderResult rendered = renderPage(viewer.CurrentFile(), options);
    const QRect band = QRect(0, 0, shown.width(), placed.bottom() + 5).intersected(rendered.image.rect());
    EXPECT_EQ(shown.copy(band), rendered.image.copy(band));

    load("<P>no form here");
    EXPECT_FALSE(edit); // the page's widgets went with it
    viewer.Clear();
    EXPECT_TRUE(viewer.viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty());
}

TEST_F(ViewerFormsTest, WhatTheUserEntersIsSubmittedOnceTheEventLoopTurns) {
    load("<FORM METHOD=POST ACTION=/cgi-bin/mail><INPUT NAME=name><INPUT TYPE=CHECKBOX NAME=news VALUE=yes>"
         "<SELECT NAME=size><OPTION>S<OPTION>M<OPTION>L</SELECT><INPUT TYPE=SUBMIT NAME=go VALUE=Send></FORM>");
    QLineEdit* name = only<QLineEdit>();
    ASSERT_TRUE(name);
    type(name, QStringLiteral("Ann"));
    only<QCheckBox>()->click();
    only<QComboBox>()->setCurrentIndex(2);
    pressEnter(name); // a form of several controls is not sent by Enter
    only<QPushButton>()->click();
    EXPECT_TRUE(submitted.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(submitted, QStringList{"Post /cgi-bin/mail: name=Ann; news=yes; size=L; go=Send"});

    load("<INPUT NAME=q VALUE=cats>");
    pressEnter(only<QLineEdit>());
    QCoreApplication::processEvents();
    EXPECT_EQ(submitted.value(1), "Get : q=cats");
}

} // namespace
