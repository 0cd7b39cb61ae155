// The built-in preview: the active document's file shown by the viewer in place
// of the documents, its font and pictures, and the way back to the editor.
#include "mainu1.h"
#include "settings_keys.h"

#include "control/html_viewer.h"
#include "toolbox.h"

#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace zorvel {

namespace {

// The preview button's two modes: its caption tells which one it is in.
constexpr const char* kPreviewCaption = "&Preview";
constexpr const char* kPreviewHint = "Generate a preview of this file";
constexpr int kPreviewTag = -1;
constexpr const char* kCodesCaption = "&Codes";
constexpr const char* kCodesHint = "Return to Editor";
constexpr int kCodesTag = 999;
// Pages and bookmarks followed in one preview that Back can return to.
constexpr int kPreviewHistory = 100;

const QString kFontNameKey = QStringLiteral("Preview_Font_Name");
const QString kFontSizeKey = QStringLiteral("Preview_Font_Size");
const QString kShowGraphicsKey = QStringLiteral("Show_Graphics");

void setButtonMode(QToolButton* button, const char* caption, const char* hint, int tag) {
    button->setText(QLatin1String(caption));
    button->setToolTip(QLatin1String(hint));
    button->setProperty("tag", tag);
}

// A tool-bar widget is shown and hidden through its action.
void setToolBarWidgetVisible(QToolBar* bar, QWidget* widget, bool visible) {
    for (QAction* a : bar->actions())
        if (bar->widgetForAction(a) == widget)
            a->setVisible(visible);
    widget->setVisible(visible);
}

// What a form in the preview would send, for the author to check: nothing is
// sent anywhere. "POST /cgi-bin/mail: name=Ann; email=a@b.c".
QString describeSubmission(const QString& action, const QString& method, const QStringList& results) {
    QString text = method.toUpper() + u' ' + action + u':';
    if (!results.isEmpty())
        text += u' ' + results.join(QLatin1String("; "));
    return text;
}

} // namespace

void TMainFrm::createPreview() {
    Preview = new THTMLViewer(workStack_);
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setBorderStyle(QFrame::Box);
    Preview->setViewImages(false);
    Preview->setHistoryMaxCount(kPreviewHistory);
    Preview->setDefFontName(QStringLiteral("Arial"));
    Preview->setDefFontSize(10);
    Preview->setPrompter(env_.prompter.get());
    Preview->OnHotSpotCovered = [this](const QString& url) { URL_Panel->setText(url); };
    Preview->OnHistoryChange = [this] { showPreviewPlace(); };
    Preview->OnFormSubmit = [this](const QString& action, const QString& method, const QStringList& results) {
        URL_Panel->setText(describeSubmission(action, method, results));
    };
    // The panel shows what pages and their users wrote: never as markup, and
    // a long text is cut at the window's edge rather than widening it.
    URL_Panel->setTextFormat(Qt::PlainText);
    URL_Panel->setSizePolicy(QSizePolicy::Ignored, URL_Panel->sizePolicy().verticalPolicy());
    workStack_->addWidget(Preview);

    connect(SpeedPreview_Btn, &QToolButton::clicked, this, &TMainFrm::Preview_BtnClick);
    connect(Back_Btn, &QToolButton::clicked, Preview, &THTMLViewer::GoBack);
    connect(Forward_Btn, &QToolButton::clicked, Preview, &THTMLViewer::GoForward);
    connect(Zorvel1, &QAction::triggered, this, &TMainFrm::Preview_BtnClick);
    connect(Font2, &QAction::triggered, this, &TMainFrm::Font2Click);
    // Qt has already moved the check mark when the item is triggered.
    connect(ShowImages1, &QAction::triggered, this, &TMainFrm::ShowImages2Click);
}

QString TMainFrm::previewFontName() const {
    return Preview->DefFontName();
}
int TMainFrm::previewFontSize() const {
    return Preview->DefFontSize();
}

void TMainFrm::Preview_BtnClick() {
    if (DocumentCount() == 0)
        return;
    if (SpeedPreview_Btn->text() == QLatin1String(kCodesCaption)) {
        leavePreview(preview_.from ? preview_.from.data() : ActiveDocument());
        return;
    }
    TEditForm* form = ActiveDocument();
    if (!form)
        return;
    Browser_Btn1->setEnabled(false);
    Browser_Btn2->setEnabled(false);
    // The preview shows the file on disk, so the text is saved first. A page without
    // a name is asked about once: after a cancelled Save As, Save would only ask again.
    if (form->FileName.trimmed().isEmpty())
        SaveAs1Click();
    else if (form->MemoPad->Modified())
        Save1Click();
    if (!form->FileName.trimmed().isEmpty() && !form->MemoPad->Modified())
        Save1Click(); // once more, so the file is surely the text shown in the editor
    if (form->FileName.trimmed().isEmpty() || form->MemoPad->Modified()) {
        enableBrowserButtons();
        return;
    }
    enterPreview(*form);
}

void TMainFrm::enterPreview(TEditForm& form) {
    preview_.active = true;
    preview_.from = &form;
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedPreview_Btn, New_Btn, Open_Btn, Save_Btn, Preview_Print_BTN,
                                                      ToolBox->cutButton(), ToolBox->copyButton(),
                                                      ToolBox->pasteButton(), ToolBox_Horiz->cutButton(),
                                                      ToolBox_Horiz->copyButton(), ToolBox_Horiz->pasteButton()})
        w->setEnabled(false);
    setToolBarWidgetVisible(SpeedBar, Preview_Print_BTN, true);
    setToolBarWidgetVisible(SpeedBar, Back_Btn, true);
    setToolBarWidgetVisible(SpeedBar, Forward_Btn, true);
    setButtonMode(SpeedPreview_Btn, kCodesCaption, kCodesHint, kCodesTag);
    toolBoxScroll_->hide();
    ToolBox_Horiz->hide();
    TabPanel->hide();
    FileTabSet->hide();
    URL_Panel->clear();
    URL_Panel->show();
    // The button is the only way back.
    for (QMenu* menu : {File1, Edit1, HTML1, Forms1, Options1, Tools1, Window1, Help1})
        menu->menuAction()->setEnabled(false);

    workStack_->setCurrentWidget(Preview);
    Preview->Clear();
    // Whatever was parsed is shown; the button still leads back to the editor.
    guarded([&] { Preview->LoadFromFile(form.FileName); });
    Preview->ClearHistory(); // each preview starts its own way through the pages
    showPreviewPlace();
    Preview->show();
    Preview_Print_BTN->setEnabled(true);
    SpeedPreview_Btn->setEnabled(true);
    Preview->setFocus();
    mdiArea->cascadeSubWindows();
}

// Both come back on, whatever they were before: a button with no browser
// set up is hidden anyway.
void TMainFrm::enableBrowserButtons() {
    Browser_Btn1->setEnabled(true);
    Browser_Btn2->setEnabled(true);
}

void TMainFrm::showPreviewPlace() {
    if (!preview_.active)
        return;
    // What the panel told of (a link, a form sent) belonged to the page before.
    URL_Panel->clear();
    setWindowTitle(Preview->Title());
    Back_Btn->setEnabled(Preview->History().CanGoBack());
    Forward_Btn->setEnabled(Preview->History().CanGoForward());
}

void TMainFrm::leavePreview(TEditForm* form) {
    enableBrowserButtons();
    for (QMenu* menu : {File1, Edit1, HTML1, Forms1, Options1, Tools1, Window1, Help1})
        menu->menuAction()->setEnabled(true);
    const QString shown = Preview->CurrentFile();
    URL_Panel->clear();
    URL_Panel->hide();
    workStack_->setCurrentWidget(mdiArea);
    preview_.active = false;
    preview_.from = nullptr;
    setButtonMode(SpeedPreview_Btn, kPreviewCaption, kPreviewHint, kPreviewTag);
    if (form)
        form->showMaximized();
    applyPlacement(placement_); // the tool box comes back where it was
    setWindowTitle(QStringLiteral("Zor-Vel"));
    Preview_Print_BTN->setEnabled(false);
    setToolBarWidgetVisible(SpeedBar, Preview_Print_BTN, false);
    setToolBarWidgetVisible(SpeedBar, Back_Btn, false);
    setToolBarWidgetVisible(SpeedBar, Forward_Btn, false);
    for (QWidget* w : std::initializer_list<QWidget*>{
             SpeedPreview_Btn, New_Btn, Open_Btn, ToolBox->cutButton(), ToolBox->copyButton(), ToolBox->pasteButton(),
             ToolBox_Horiz->cutButton(), ToolBox_Horiz->copyButton(), ToolBox_Horiz->pasteButton()})
        w->setEnabled(true);
    Save_Btn->setEnabled(form && form->MemoPad->Modified());
    FileTabSet->show();
    FormResize(); // shows the tab panel again
    bringForwardAfterPreview(form, shown);
    // The display shows the caret of the document now in front, whichever came forward.
    if (TEditForm* front = ActiveDocument())
        showCaretPosition(front);
}

void TMainFrm::bringForwardAfterPreview(TEditForm* form, const QString& shown) {
    const QString path = shown.trimmed();
    if (path.isEmpty()) {
        if (form) {
            form->show();
            form->MemoPad->SetFocus();
        }
        setSaverTimerOn(true);
        return;
    }
    // The user may have followed a link to another page: an open one comes forward.
    if (bringForwardIfOpen(path))
        return;
    guarded([&] {
        TEditForm* opened = OpenDocument(path, true);
        opened->MemoPad->setModified(false);
        Find_All_BookMarks(*opened);
        FileHistory().addIfAbsent(path);
        RebuildHistoryMenu();
        FormResize();
        opened->showMaximized();
        opened->MemoPad->SetFocus();
        setSaverTimerOn(true);
    });
}

void TMainFrm::Font2Click() {
    if (DocumentCount() == 0)
        return;
    QString name = Preview->DefFontName();
    int size = Preview->DefFontSize();
    const IniProfile ini = settings();
    if (QFileInfo::exists(ini.path())) {
        name = ini.readString(kOptions, kFontNameKey, name);
        size = ini.readInteger(kOptions, kFontSizeKey, size);
    }
    QFont initial(name);
    if (size > 0)
        initial.setPointSize(size);
    const auto chosen = prompter().font(initial);
    if (!chosen)
        return;
    const int chosenSize = chosen->pointSize() > 0 ? chosen->pointSize() : size;
    Preview->setDefFontName(chosen->family());
    Preview->setDefFontSize(chosenSize);
    guarded(
        [&] {
            ini.writeString(kOptions, kFontNameKey, chosen->family());
            ini.writeInteger(kOptions, kFontSizeKey, chosenSize);
        },
        {.withReason = false});
}

void TMainFrm::ShowImages2Click() {
    const bool on = ShowImages1->isChecked();
    storeOption(kShowGraphicsKey, on);
    Preview->setViewImages(on);
}

} // namespace zorvel
