#pragma once
// A main window built on a temporary program directory, a scripted prompter
// and a fixed screen, as the tests of the application frame need it.
#include "mainu1.h"
#include "scripted_prompter.h"
#include "temp_dir.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>
#include <gtest/gtest.h>

namespace zorvel::testing {

class MainWindowTest : public ::testing::Test {
protected:
    TempDir tmp;
    ScriptedPrompter* prompter = nullptr;
    std::unique_ptr<TMainFrm> frm;
    int exitCode = -1;

    QString dir() const { return tmp.path() + QLatin1Char('/'); }
    IniProfile ini() const { return IniProfile(dir() + QStringLiteral("zor-vel.ini")); }
    void writeIni(const QByteArray& text) const { tmp.write(QStringLiteral("zor-vel.ini"), text); }

    // Creates the window; shown, it opens the first argument or the blank page.
    TMainFrm& start(const QStringList& arguments = {}, QSize screen = QSize(1024, 768), bool show = true) {
        auto scripted = std::make_unique<ScriptedPrompter>();
        prompter = scripted.get();
        MainEnvironment env;
        env.programDir = dir();
        env.screenSize = screen;
        env.prompter = std::move(scripted);
        env.arguments = arguments;
        env.endProcess = [this](int code) { exitCode = code; };
        env.recoveryDir = dir() + QStringLiteral("recovery");
        frm = std::make_unique<TMainFrm>(std::move(env));
        if (show)
            frm->show();
        return *frm;
    }

    void TearDown() override {
        if (!frm)
            return;
        for (TEditForm* form : frm->windowOrder())
            form->MemoPad->setModified(false);
        frm.reset();
    }

    TSRichEdit& memo() { return *frm->ActiveDocument()->MemoPad; }
    QStringList tabTexts() const {
        QStringList texts;
        for (int i = 0; i < frm->FileTabSet->count(); ++i)
            texts << frm->FileTabSet->tabText(i);
        return texts;
    }
    QString file(const QString& name, const QByteArray& bytes) const { return tmp.write(name, bytes); }
};

} // namespace zorvel::testing
