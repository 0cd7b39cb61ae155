// The main window's construction, settings, layout, start-up and exit.
#include "mainu1.h"
#include "settings_keys.h"

#include "app_messages.h"
#include "control/html_viewer.h"
#include "errors.h"
#include "find_replace.h"
#include "hint_switch.h"
#include "live_preview.h"
#include "preview_look.h"
#include "text_file.h"
#include "toolbox.h"
#include "window_placement.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace zorvel {

namespace {
const QString kSize = QStringLiteral("Size");
} // namespace

TMainFrm::TMainFrm(MainEnvironment env) : env_(std::move(env)) {
    if (!env_.prompter)
        env_.prompter = std::make_unique<QtPrompter>(this);
    if (!env_.endProcess)
        env_.endProcess = [](int code) { QCoreApplication::exit(code); };
    SessionView& view = *this;
    session_ = std::make_unique<DocumentSession>(view, *env_.prompter,
                                                 SessionPlace{env_.programDir, env_.platform, env_.recoveryDir});
    FormCreate();
}

TMainFrm::~TMainFrm() {
    // The exit sequence runs once, whether the program ends by Exit, by closing the
    // window or by the window being destroyed.
    if (!exitSequenceRan_ && !preview_.active && !terminating_)
        runExitSequence();
}

void TMainFrm::FormCreate() {
    preview_.active = false;
    setFont(QFont(QStringLiteral("Arial")));
    setWindowTitle(QLatin1String(kMainCaption));
    hints_ = new HintSwitch(this);

    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TMainFrm::App_OnIdle);

    connect(SaverTimer(), &QTimer::timeout, this, &TMainFrm::SaverTimerTimer);

    createSafetyNet();
    createSpeedBar();
    createWorkArea();
    createMenus();
    createPreview();
    createPrinting();
    connectToolBox(ToolBox);
    connectToolBox(ToolBox_Horiz);
    commandKeys_ = commandKeys();
    qApp->installEventFilter(this);
    readSettings();
    createLivePreview();
}

void TMainFrm::createSpeedBar() {
    SpeedBar = addToolBar(QStringLiteral("SpeedBar"));
    SpeedBar->setObjectName(QStringLiteral("SpeedBar"));
    SpeedBar->setMovable(false);
    SpeedBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto button = [this](const char* name, const QString& caption, const QString& hint, QStyle::StandardPixmap icon) {
        auto* b = new QToolButton(SpeedBar);
        b->setObjectName(QLatin1String(name));
        b->setText(caption);
        b->setToolTip(hint);
        if (icon != QStyle::SP_CustomBase)
            b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        SpeedBar->addWidget(b);
        return b;
    };
    New_Btn = button("New_Btn", tr("New"), QStringLiteral("New File"), QStyle::SP_FileIcon);
    Open_Btn = button("Open_Btn", tr("Open"), QStringLiteral("Open a HTML file"), QStyle::SP_DialogOpenButton);
    Save_Btn = button("Save_Btn", tr("Save"), QStringLiteral("Save a HTML file"), QStyle::SP_DialogSaveButton);
    SpeedBar->addSeparator();
    SpeedPreview_Btn = button("SpeedPreview_Btn", QStringLiteral("&Preview"),
                              QStringLiteral("Generate a preview of this file"), QStyle::SP_FileDialogContentsView);
    SpeedPreview_Btn->setProperty("tag", -1);
    // Shown with the preview only; a tool-bar widget is hidden through its action.
    Back_Btn =
        button("Back_Btn", QStringLiteral("Back"), QStringLiteral("The page shown before"), QStyle::SP_ArrowBack);
    SpeedBar->actions().last()->setVisible(false);
    Forward_Btn = button("Forward_Btn", QStringLiteral("Forward"), QStringLiteral("The page shown after"),
                         QStyle::SP_ArrowForward);
    SpeedBar->actions().last()->setVisible(false);
    Preview_Print_BTN = button("Preview_Print_BTN", QStringLiteral("Print"), QStringLiteral("Print this display"),
                               QStyle::SP_CustomBase);
    Preview_Print_BTN->setVisible(false);
    SpeedBar->actions().last()->setVisible(false);

    auto* spacer = new QWidget(SpeedBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    SpeedBar->addWidget(spacer);
    Browser_Btn1 = button("Browser_Btn1", QString(), QString(), QStyle::SP_CustomBase);
    Browser_Btn2 = button("Browser_Btn2", QString(), QString(), QStyle::SP_CustomBase);
    for (QToolButton* b : {Browser_Btn1, Browser_Btn2}) {
        b->setFixedSize(51, 52);
        b->setEnabled(false);
    }
    // A tool-bar widget is hidden through its action.
    for (QAction* a : SpeedBar->actions().mid(SpeedBar->actions().size() - 2))
        a->setVisible(false);

    connect(New_Btn, &QToolButton::clicked, this, &TMainFrm::New1Click);
    connect(Open_Btn, &QToolButton::clicked, this, &TMainFrm::Open1Click);
    connect(Save_Btn, &QToolButton::clicked, this, &TMainFrm::Save1Click);
    connect(Browser_Btn1, &QToolButton::clicked, this, &TMainFrm::Browser_Btn1Click);
    connect(Browser_Btn2, &QToolButton::clicked, this, &TMainFrm::Browser_Btn2Click);
}

void TMainFrm::createWorkArea() {
    auto* central = new QWidget(this);
    outerLayout_ = new QVBoxLayout(central);
    outerLayout_->setContentsMargins(0, 0, 0, 0);
    outerLayout_->setSpacing(0);

    ToolBox_Horiz = new TToolBox(Qt::Horizontal, central);
    ToolBox_Horiz->setObjectName(QStringLiteral("ToolBox_Horiz"));
    ToolBox_Horiz->hide();

    middleLayout_ = new QHBoxLayout;
    middleLayout_->setSpacing(0);
    ToolBox = new TToolBox(Qt::Vertical, central);
    ToolBox->setObjectName(QStringLiteral("ToolBox"));
    RowCol1 = ToolBox->rowCol();
    toolBoxScroll_ = new QScrollArea(central);
    toolBoxScroll_->setWidget(ToolBox);
    toolBoxScroll_->setWidgetResizable(true);
    toolBoxScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    toolBoxScroll_->setFrameShape(QFrame::NoFrame);

    workLayout_ = new QVBoxLayout;
    workLayout_->setSpacing(0);
    workStack_ = new QStackedWidget(central);
    mdiArea = new QMdiArea(workStack_);
    mdiArea->setObjectName(QStringLiteral("MDIClient"));
    // Closing the active document brings back the one active before it.
    mdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    workStack_->addWidget(mdiArea);
    workLayout_->addWidget(workStack_, 1);

    TabPanel = new QWidget(central);
    TabPanel->setObjectName(QStringLiteral("TabPanel"));
    auto* tabLayout = new QHBoxLayout(TabPanel);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    FileTabSet = new QTabBar(TabPanel);
    FileTabSet->setObjectName(QStringLiteral("FileTabSet"));
    FileTabSet->setShape(QTabBar::RoundedSouth);
    FileTabSet->setExpanding(false);
    FileTabSet->setDocumentMode(true);
    tabLayout->addWidget(FileTabSet);
    tabLayout->addStretch();
    workLayout_->addWidget(TabPanel);

    middleLayout_->addWidget(toolBoxScroll_);
    middleLayout_->addLayout(workLayout_, 1);
    outerLayout_->addWidget(ToolBox_Horiz);
    outerLayout_->addLayout(middleLayout_, 1);

    URL_Panel = new QLabel(central);
    URL_Panel->setObjectName(QStringLiteral("URL_Panel"));
    URL_Panel->setFrameShape(QFrame::Panel);
    URL_Panel->setFrameShadow(QFrame::Sunken);
    URL_Panel->hide();
    outerLayout_->addWidget(URL_Panel);
    setCentralWidget(central);

    connect(mdiArea, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow* w) { FormActivate(qobject_cast<TEditForm*>(w)); });
    connect(FileTabSet, &QTabBar::tabBarClicked, this, &TMainFrm::FileTabSetClick);
}

void TMainFrm::readSettings() {
    // One reading of the sections used: a settings file may have grown to
    // megabytes of history and templates, which start-up has no use for.
    const IniSnapshot ini(settings().path(), {kOptions, kSize});
    emailAddress_ = QStringLiteral("Put_Your_Email_Address_Here");
    const PageLook look = previewLook(ini, Preview->look());
    ShowImages1->setChecked(look.showImages);
    hints_->setEnabled(ini.readBool(kOptions, QStringLiteral("Show_Help"), true));

    const int screenWidth = env_.screenSize.width();
    const int screenHeight = env_.screenSize.height();
    const int left = ini.readInteger(kSize, QStringLiteral("Left"), 10);
    const int top = ini.readInteger(kSize, QStringLiteral("Top"), 10);
    int width = ini.readInteger(kSize, QStringLiteral("Width"), screenWidth - 20);
    if (screenWidth < width)
        width = screenWidth - 20;
    int height = ini.readInteger(kSize, QStringLiteral("Height"), screenHeight - 20);
    if (screenHeight < height)
        height = screenHeight - 20;

    emailAddress_ = ini.readString(kOptions, QStringLiteral("Email_Address"), emailAddress_);
    const QString menuPosition = ini.readString(kOptions, QStringLiteral("Menu_Position"), QStringLiteral("Left"));
    int hintColour = ini.readInteger(kOptions, QStringLiteral("FlyBy_BGColour"), -1);
    if (hintColour < 0)
        hintColour = 65535;

    FileHistory().load(settings(), env_.exists);
    if (!FileHistory().isEmpty())
        RebuildHistoryMenu();

    AutoSave& autoSave = session_->autoSave();
    autoSave.configure(ini.readInteger(kOptions, QStringLiteral("Save_Interval"), -1));
    autoSave.setOn(autoSave.counter().configured());

    // The stored bounds are the window's outer ones, frame included; the frame is
    // taken off once the window manager has put it round the window.
    const std::vector<QRect> screens =
        env_.screens.empty() ? std::vector<QRect>{QRect(QPoint(), env_.screenSize)} : env_.screens;
    const QRect bounds = placeOnScreens(QRect(left, top, std::max(width, 1), std::max(height, 1)), screens);
    outerSize_ = bounds.size();
    move(bounds.topLeft());
    resize(outerSize_);
    Preview->setLook(look);

    ToolBox->setEnabled(false);
    const QString position = menuPosition.toLower();
    if (position == QLatin1String("left"))
        applyPlacement(Placement::Left);
    else if (position == QLatin1String("right"))
        applyPlacement(Placement::Right);
    else if (position == QLatin1String("top"))
        applyPlacement(Placement::Top);
    else if (position == QLatin1String("bottom"))
        applyPlacement(Placement::Bottom);
    else
        applyPlacement(Placement::AsDesigned);

    while (FileTabSet->count() > 0)
        FileTabSet->removeTab(0);
    hints_->setColour(colorFromNumber(hintColour));
}

bool TMainFrm::hintsShown() const {
    return hints_->isEnabled();
}
QColor TMainFrm::hintColour() const {
    return hints_->colour();
}

void TMainFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        // The window is mapped, and gets its frame, after this event (and after any
        // question FormShow asks): the first move or resize with a frame fits it.
        fitOuterSize_ = true;
        fitOuterSize();
        FormShow();
    }
}

void TMainFrm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    fitOuterSize();
    FormResize();
}

void TMainFrm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    fitOuterSize();
}

void TMainFrm::fitOuterSize() {
    if (!fitOuterSize_)
        return;
    const QSize frame = frameGeometry().size() - size();
    if (frame.isNull())
        return; // no frame yet (or none at all)
    fitOuterSize_ = false;
    resize((outerSize_ - frame).expandedTo(QSize(1, 1)));
}

void TMainFrm::FormShow() {
    FormResize();
    bool opened = false;
    if (!env_.arguments.isEmpty()) {
        const QString path = QFileInfo(env_.arguments.first()).absoluteFilePath();
        // A file that cannot be read must not keep the program from starting.
        opened = guarded(kOpenFailure, Timer::SwitchOff, [&] {
            OpenDocument(path, true);
            // Listed once: an earlier entry of the same file would only repeat it.
            FileHistory().moveToTop(path);
            ToolBox->setEnabled(true);
        });
    }
    const bool recovered = offerRecovery();
    if (!opened && !recovered)
        CreateBlankHTMLFile();
    setUpBrowserButtons();
    FormResize();
}

bool TMainFrm::Exit1Click() {
    return runExitSequence();
}

bool TMainFrm::runExitSequence() {
    if (!CloseAll1Click())
        return false;
    // The documents are closed: settings that cannot be stored are reported, and
    // must not keep the user in a program they can no longer leave.
    guarded(kExitFailure, Timer::SwitchOff, [this] {
        const IniProfile ini = settings();
        ini.writeInteger(kSize, QStringLiteral("Left"), x());
        ini.writeInteger(kSize, QStringLiteral("Top"), y());
        ini.writeInteger(kSize, QStringLiteral("Width"), frameGeometry().width());
        ini.writeInteger(kSize, QStringLiteral("Height"), frameGeometry().height());
        FileHistory().store(ini);
    });
    exitSequenceRan_ = true;
    env_.endProcess(0);
    return true;
}

void TMainFrm::closeEvent(QCloseEvent* event) {
    if (terminating_) {
        event->accept();
        return;
    }
    if (preview_.active) {
        prompter().notice(QLatin1String(kExitPreviewerFirst));
        event->ignore();
        return;
    }
    if (!exitSequenceRan_ && !runExitSequence()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool TMainFrm::guarded(const FailureMessage& failure, Timer timer, const std::function<void()>& body) {
    QString message = failureText(failure);
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        if (const QString reason = failureReason(e); !reason.isEmpty())
            message += QStringLiteral("\r\n") + reason;
    } catch (...) {
        // Nothing to add to the command's own text.
    }
    // Saving stops for the rest of the run; the user must know they are on
    // their own. The box keeps to the command's words and the reason: this is
    // said in the status bar, where it stays.
    if (timer == Timer::SwitchOff && session_->autoSave().engaged()) {
        setSaverTimerOn(false);
        showNote(QLatin1String(kAutoSaveSwitchedOff), 0);
    }
    prompter().notice(message, MessageIcon::None);
    return false;
}

void TMainFrm::App_OnIdle() {
    guarded(kIdleFailure, Timer::SwitchOff, [] { QCoreApplication::sendPostedEvents(); });
}

} // namespace zorvel
