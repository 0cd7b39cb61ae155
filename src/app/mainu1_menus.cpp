// The main menu. Captions, access letters and shortcuts as the program shows them.
#include "mainu1.h"

#include "menu_data.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenuBar>

namespace zorvel {

namespace {

QAction* item(QMenu* menu, const char* name, const char* caption, const char* shortcut = "") {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    if (name && *name)
        action->setObjectName(QLatin1String(name));
    if (shortcut && *shortcut)
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    return action;
}

QMenu* submenu(QMenu* parent, const char* name, const char* caption) {
    QMenu* menu = parent->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

void TMainFrm::createMenus() {
    // F10 puts the keyboard on the menu bar, as desktops do, so every menu can be
    // reached even where a command owns the Alt key of its title.
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("MenuKey"));
    menuKey->setShortcut(Qt::Key_F10);
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, &TMainFrm::MenuKeyClick);
    createFileMenu();
    createEditMenu();
    createHtmlMenus();
    createOptionsMenu();
    Tools1 = menuBar()->addMenu(QStringLiteral("&Tools"));
    Tools1->setObjectName(QStringLiteral("Tools1"));
    RemoveTags1 = item(Tools1, "RemoveTags1", "&Remove Tags");
    connect(RemoveTags1, &QAction::triggered, this, &TMainFrm::RemoveTags1Click);
    createWindowMenu();
    Help1 = menuBar()->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    About1 = item(Help1, "About1", "&About...");
    connect(About1, &QAction::triggered, this, &TMainFrm::About1Click);
}

QList<QKeySequence> TMainFrm::commandKeys() const {
    // The commands' own keys reach the commands wherever the focus is in this window,
    // even where the editor or the menu bar would claim them (Ctrl+K deletes to the
    // end of the line in Qt's editor, Alt+F opens the File menu); only the editing
    // keys the editor does itself stay with it.
    const QList<QKeySequence> editing = {QKeySequence::Undo, QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
                                         QKeySequence::SelectAll};
    QList<QKeySequence> keys;
    for (QAction* action : findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts())
            if (!editing.contains(key) && !keys.contains(key))
                keys << key;
    return keys;
}

// An action counts only when it and every menu it sits in can be used.
static bool usable(const QAction* action) {
    if (!action->isEnabled())
        return false;
    for (const QObject* p = action->parent(); p; p = p->parent())
        if (const auto* menu = qobject_cast<const QMenu*>(p); menu && !menu->menuAction()->isEnabled())
            return false;
    return true;
}

bool TMainFrm::routeKey(const QKeySequence& key, bool run) {
    if (!commandKeys_.contains(key))
        return false;
    for (QAction* action : findChildren<QAction*>())
        if (action->shortcuts().contains(key) && usable(action)) {
            if (run)
                action->trigger();
            return true;
        }
    // No command can take the key now: a menu with that access key opens, so the
    // menu bar and a disabled command never leave Qt with an ambiguous key.
    for (QAction* title : menuBar()->actions())
        if (title->isEnabled() && title->isVisible() && QKeySequence::mnemonic(title->text()) == key) {
            if (run)
                menuBar()->setActiveAction(title);
            return true;
        }
    // Nor a button with that access key ("&Codes" in the preview shares Alt+C with
    // Center, whose menu is off then): Qt would find the two ambiguous and press neither.
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        if (button->isVisible() && button->isEnabled() && QKeySequence::mnemonic(button->text()) == key) {
            if (run)
                button->click();
            return true;
        }
    return false;
}

void TMainFrm::MenuKeyClick() {
    for (QAction* title : menuBar()->actions())
        if (title->isEnabled() && title->isVisible() && title->menu()) {
            menuBar()->setActiveAction(title);
            return;
        }
}

bool TMainFrm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (routeKey(QKeySequence(keyEvent->modifiers() | keyEvent->key()), type == QEvent::KeyPress)) {
            // Accepting the override keeps the key from Qt's shortcuts; the press then runs it.
            event->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainFrm::createFileMenu() {
    File1 = menuBar()->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    New1 = item(File1, "New1", "&New", "Ctrl+N");
    Open1 = item(File1, "Open1", "&Open", "Ctrl+O");
    Save1 = item(File1, "Save1", "&Save", "Ctrl+S");
    SaveAs1 = item(File1, "SaveAs1", "Save &As");
    SaveAll1 = item(File1, "SaveAll1", "Sav&e All", "Ctrl+Shift+S");
    Close1 = item(File1, "Close1", "C&lose ", "Ctrl+L");
    File1->addSeparator();
    SaveAsTemplate1 = item(File1, "SaveAsTemplate1", "Save As &Template");
    File1->addSeparator();
    Preview1 = submenu(File1, "Preview1", "Pre&view File");
    Zorvel1 = item(Preview1, "Zorvel1", "&Zorvel", "F9");
    BrowserNo11 = item(Preview1, "BrowserNo11", "Browser No &1");
    BrowserNo21 = item(Preview1, "BrowserNo21", "Browser No &2");
    File1->addSeparator();
    // Ctrl+P also stands on "New Paragraph"; the first in menu order, Print, has it.
    Print1 = item(File1, "Print1", "&Print", "Ctrl+P");
    PrintSetup1 = item(File1, "PrintSetup1", "P&rinter Setup");
    N1 = File1->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    for (int i = 0; i < RecentFiles::kShown; ++i) {
        MenuEntry[i] = File1->addAction(QString());
        MenuEntry[i]->setObjectName(QStringLiteral("MenuEntry%1").arg(i + 1));
        MenuEntry[i]->setVisible(false);
        connect(MenuEntry[i], &QAction::triggered, this, [this, i] { ReOpenClick(i + 1); });
    }
    HistorySeparator = File1->addSeparator();
    HistorySeparator->setVisible(false);
    Exit1 = item(File1, "Exit1", "E&xit");

    connect(New1, &QAction::triggered, this, &TMainFrm::New1Click);
    connect(Open1, &QAction::triggered, this, &TMainFrm::Open1Click);
    connect(Save1, &QAction::triggered, this, &TMainFrm::Save1Click);
    connect(SaveAs1, &QAction::triggered, this, &TMainFrm::SaveAs1Click);
    connect(SaveAll1, &QAction::triggered, this, &TMainFrm::SaveAll1Click);
    connect(Close1, &QAction::triggered, this, &TMainFrm::Close1Click);
    connect(Exit1, &QAction::triggered, this, &TMainFrm::Exit1Click);
    connect(SaveAsTemplate1, &QAction::triggered, this, &TMainFrm::SaveAsTemplate1Click);
    connect(BrowserNo11, &QAction::triggered, this, &TMainFrm::Browser_Btn1Click);
    connect(BrowserNo21, &QAction::triggered, this, &TMainFrm::Browser_Btn2Click);
}

void TMainFrm::createEditMenu() {
    Edit1 = menuBar()->addMenu(QStringLiteral("&Edit"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Undo1 = item(Edit1, "Undo1", "&Undo", "Ctrl+Z");
    Redo1 = item(Edit1, "Redo1", "&Redo", "Ctrl+Y");
    // Both keys desktops use for it.
    Redo1->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    Redo1->setEnabled(false);
    Cut1 = item(Edit1, "Cut1", "Cu&t", "Ctrl+X");
    Copy1 = item(Edit1, "Copy1", "&Copy", "Ctrl+C");
    Paste1 = item(Edit1, "Paste1", "&Paste", "Ctrl+V");
    Edit1->addSeparator();
    // Ctrl+F also stands on "Text Formatting..."; Find, first in menu order, has it.
    Find1 = item(Edit1, "Find1", "&Find", "Ctrl+F");
    FindNext1 = item(Edit1, "FindNext1", "Find &Next", "F3");
    Replace1 = item(Edit1, "Replace1", "&Replace", "Ctrl+R");
    Edit1->addSeparator();
    SelectAll1 = item(Edit1, "SelectAll1", "Select A&ll", "Ctrl+A");
    connect(Undo1, &QAction::triggered, this, &TMainFrm::Undo1Click);
    connect(Redo1, &QAction::triggered, this, &TMainFrm::Redo1Click);
    connect(Cut1, &QAction::triggered, this, &TMainFrm::Cut1Click);
    connect(Copy1, &QAction::triggered, this, &TMainFrm::Copy1Click);
    connect(Paste1, &QAction::triggered, this, &TMainFrm::Paste1Click);
    connect(Find1, &QAction::triggered, this, &TMainFrm::Find1Click);
    connect(FindNext1, &QAction::triggered, this, &TMainFrm::FindNext1Click);
    connect(Replace1, &QAction::triggered, this, &TMainFrm::Replace1Click);
}

void TMainFrm::createHtmlMenus() {
    HTML1 = menuBar()->addMenu(QString::fromLatin1(kHtmlMenuCaption));
    HTML1->setObjectName(QStringLiteral("HTML1"));
    auto fromTable = [this](QMenu* menu, const zorvel::MenuEntry& entry, void (TMainFrm::*handler)(QObject*)) {
        QAction* action =
            entry.caption ? item(menu, entry.objectName, entry.caption, entry.shortcut) : menu->addSeparator();
        action->setProperty("tag", entry.tag);
        if (entry.caption && QLatin1String(entry.shortcut) == QLatin1String("Ctrl+P"))
            action->setShortcut(QKeySequence()); // Print has it
        connect(action, &QAction::triggered, this, [this, action, handler] { (this->*handler)(action); });
        return action;
    };
    fromTable(HTML1, kMailToMenuItem, &TMainFrm::MailTo1Click);
    QMenu* headings = submenu(HTML1, "Headings1", kHeadingsMenuCaption);
    for (const zorvel::MenuEntry& e : kHeadingsMenu)
        fromTable(headings, e, &TMainFrm::Heading_Click);
    QMenu* formatting = submenu(HTML1, "TextFormatting1", kTextFormattingMenuCaption);
    for (const zorvel::MenuEntry& e : kTextFormattingMenu)
        fromTable(formatting, e, &TMainFrm::Text_Format_Click);
    QMenu* lists = submenu(HTML1, "Lists1", kListsMenuCaption);
    for (const zorvel::MenuEntry& e : kListsMenu)
        fromTable(lists, e, &TMainFrm::Lists_Click);
    HTML1->addSeparator();
    fromTable(HTML1, kLinksMenuItem, &TMainFrm::Link_Btn_Click);
    fromTable(HTML1, kImageMenuItem, &TMainFrm::Image_BtnClick);
    fromTable(HTML1, kTableMenuItem, &TMainFrm::Table_BtnClick);
    fromTable(HTML1, kBackgroundMenuItem, &TMainFrm::Background1Click);

    Forms1 = menuBar()->addMenu(QString::fromLatin1(kFormsMenuCaption));
    Forms1->setObjectName(QStringLiteral("Forms1"));
    fromTable(Forms1, kCreateFormMenuItem, &TMainFrm::Form_BtnClick);
    QMenu* textFields = submenu(Forms1, "TextFields1", kTextFieldsMenuCaption);
    for (const zorvel::MenuEntry& e : kTextFieldsMenu)
        fromTable(textFields, e, &TMainFrm::Form_BtnClick);
    for (const zorvel::MenuEntry& e : kFormControlsMenu)
        fromTable(Forms1, e, &TMainFrm::Form_BtnClick);
}

void TMainFrm::createOptionsMenu() {
    Options1 = menuBar()->addMenu(QStringLiteral("&Options"));
    Options1->setObjectName(QStringLiteral("Options1"));
    Defineoptions1 = item(Options1, "Defineoptions1", "&Define options...");
    Options1->addSeparator();
    MenuonLeft1 = item(Options1, "MenuonLeft1", "Menu on &Left");
    MenuonRight1 = item(Options1, "MenuonRight1", "Menu on R&ight");
    MenuonTop1 = item(Options1, "MenuonTop1", "Menu on &Top");
    MenuonBotom1 = item(Options1, "MenuonBotom1", "Menu on &Bottom");
    int tag = 1;
    for (QAction* a : {MenuonLeft1, MenuonRight1, MenuonTop1, MenuonBotom1}) {
        a->setCheckable(true);
        a->setProperty("tag", tag++);
        connect(a, &QAction::triggered, this, [this, a] { MenuonLeft1Click(a); });
    }
    Options1->addSeparator();
    QMenu* editor = submenu(Options1, "Editor1", "&Editor...");
    Font1 = item(editor, "Font1", "&Font...");
    QMenu* alignment = submenu(editor, "Alignment1", "&Alignment...");
    for (const char* caption : {"&Left", "&Centre", "&Right"})
        item(alignment, "", caption);
    QMenu* previewer = submenu(Options1, "Previewer1", "&Previewer...");
    ShowImages1 = item(previewer, "ShowImages1", "&Show Images");
    ShowImages1->setCheckable(true);
    Font2 = item(previewer, "Font2", "&Font..");
    connect(Defineoptions1, &QAction::triggered, this, &TMainFrm::Defineoptions1Click);
    connect(Font1, &QAction::triggered, this, &TMainFrm::Font1Click);
}

void TMainFrm::createWindowMenu() {
    Window1 = menuBar()->addMenu(QStringLiteral("&Window"));
    Window1->setObjectName(QStringLiteral("Window1"));
    Cascade1 = item(Window1, "Cascade1", "&Cascade");
    TileVertically1 = item(Window1, "TileVertically1", "Tile &Vertical.");
    TileHorizonatlly1 = item(Window1, "TileHorizonatlly1", "Tile &Horizon.");
    CloseAll1 = item(Window1, "CloseAll1", "C&lose All");
    Close2 = item(Window1, "Close2", "C&lose");
    QAction* listStart = Window1->addSeparator();
    connect(Cascade1, &QAction::triggered, this, &TMainFrm::Cascade1Click);
    connect(TileVertically1, &QAction::triggered, this, &TMainFrm::TileVertically1Click);
    connect(TileHorizonatlly1, &QAction::triggered, this, &TMainFrm::TileHorizonatlly1Click);
    connect(CloseAll1, &QAction::triggered, this, &TMainFrm::CloseAll1Click);
    connect(Close2, &QAction::triggered, this, &TMainFrm::Close1Click);

    // The list of open document windows, rebuilt each time the menu opens.
    auto* windows = new QActionGroup(this);
    connect(Window1, &QMenu::aboutToShow, this, [this, listStart, windows] {
        const QList<QAction*> all = Window1->actions();
        for (qsizetype i = all.indexOf(listStart) + 1; i < all.size(); ++i)
            delete all[i];
        int n = 1;
        for (TEditForm* form : session_->inOpeningOrder()) {
            QAction* a = Window1->addAction(QStringLiteral("&%1 %2").arg(n++).arg(shownLiterally(form->caption())));
            a->setCheckable(true);
            a->setChecked(form == ActiveDocument());
            windows->addAction(a);
            connect(a, &QAction::triggered, this, [this, form] { mdiArea->setActiveSubWindow(form); });
        }
    });
}

} // namespace zorvel
