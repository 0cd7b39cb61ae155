#pragma once
// The main window's furniture, named as the program's documentation names it:
// the speed bar and its buttons, the tool boxes, the tab strip, the built-in
// preview, the menus and their items, the find dialogs. The window makes them
// and owns them as Qt children; this only keeps them together.
#include "recent_files.h"

#include <QString>
#include <array>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTabBar;
class QToolBar;
class QToolButton;
class QWidget;

namespace zorvel {

class TToolBox;
class THTMLViewer;
class TFindDialog;
class TReplaceDialog;

struct MainFrmUi {
    QToolBar* SpeedBar = nullptr;
    QToolButton *New_Btn = nullptr, *Open_Btn = nullptr, *Save_Btn = nullptr, *SpeedPreview_Btn = nullptr,
                *Preview_Print_BTN = nullptr;
    // Back and forward through the pages followed in the preview, shown with it.
    QToolButton *Back_Btn = nullptr, *Forward_Btn = nullptr;
    QToolButton *Browser_Btn1 = nullptr, *Browser_Btn2 = nullptr;
    // The browsers' paths behind the two buttons, as the buttons were set up.
    QString Browser_Address1, Browser_Address2;
    TToolBox *ToolBox = nullptr, *ToolBox_Horiz = nullptr;
    QLabel* RowCol1 = nullptr;
    QWidget* TabPanel = nullptr;
    QTabBar* FileTabSet = nullptr;
    THTMLViewer* Preview = nullptr; // the built-in viewer
    QLabel* URL_Panel = nullptr;
    QMdiArea* mdiArea = nullptr;

    QMenu *File1 = nullptr, *Edit1 = nullptr, *HTML1 = nullptr, *Forms1 = nullptr, *Options1 = nullptr,
          *Tools1 = nullptr, *Window1 = nullptr, *Help1 = nullptr;
    QMenu* Preview1 = nullptr;
    QAction *New1 = nullptr, *Open1 = nullptr, *Save1 = nullptr, *SaveAs1 = nullptr, *SaveAll1 = nullptr,
            *Close1 = nullptr, *SaveAsTemplate1 = nullptr, *Zorvel1 = nullptr, *BrowserNo11 = nullptr,
            *BrowserNo21 = nullptr;
    QAction *Print1 = nullptr, *PrintSetup1 = nullptr, *N1 = nullptr, *HistorySeparator = nullptr, *Exit1 = nullptr;
    std::array<QAction*, RecentFiles::kShown> MenuEntry{};
    QAction *Undo1 = nullptr, *Redo1 = nullptr, *Cut1 = nullptr, *Copy1 = nullptr, *Paste1 = nullptr, *Find1 = nullptr,
            *FindNext1 = nullptr, *Replace1 = nullptr, *SelectAll1 = nullptr;
    QAction *Defineoptions1 = nullptr, *MenuonLeft1 = nullptr, *MenuonRight1 = nullptr, *MenuonTop1 = nullptr,
            *MenuonBotom1 = nullptr, *Font1 = nullptr, *ShowImages1 = nullptr, *Font2 = nullptr;
    QAction *RemoveTags1 = nullptr, *Cascade1 = nullptr, *TileVertically1 = nullptr, *TileHorizonatlly1 = nullptr,
            *CloseAll1 = nullptr, *Close2 = nullptr, *About1 = nullptr;
    QAction *SyntaxColours1 = nullptr, *LivePreview1 = nullptr;

    // Made on first use; they live as long as the window.
    TFindDialog* FindDialog = nullptr;
    TReplaceDialog* ReplaceDialog = nullptr;
};

} // namespace zorvel
