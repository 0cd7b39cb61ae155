#pragma once
// The main window: the documents, the tab strip, the menus and tool boxes,
// the recent files and the automatic save, start-up and exit.
#include "editfrmu.h"
#include "ini_profile.h"
#include "path_rules.h"
#include "prompter.h"
#include "recent_files.h"
#include "settings_keys.h"
#include "support.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QMdiArea;
class QPrinter;
class QScrollArea;
class QSplitter;
class QStackedWidget;
class QTabBar;
class QTimer;
class QToolBar;
class QToolButton;
class QBoxLayout;

namespace zorvel {

class TToolBox;
class THTMLViewer;
class SearchState;
class TFindDialog;
class TReplaceDialog;
struct Insertion;
struct BrowserButtonState;
class HintSwitch;
class RecoveryStore;
class LivePreview;
class LivePaneWidth;

// Where the main window goes: the stored top-left corner, moved as little as
// needed to keep part of the title bar on a screen of the given size.
QPoint reachablePosition(QPoint stored, QSize outer, QSize screen);

// A file name as a menu item or tab shows it: "&" there marks the access key,
// so a name's own "&" is doubled to stay a character.
inline QString shownLiterally(QString name) {
    return name.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// What the main window needs from the world; tests pass their own.
struct MainEnvironment {
    QString programDir;                  // ends in the separator
    QSize screenSize;                    // for the window bounds
    std::unique_ptr<Prompter> prompter;  // null: real Qt dialogs
    QStringList arguments;               // command-line arguments after the program name
    std::function<void(int)> endProcess; // null: QCoreApplication::exit
    FileExists exists = fileExists;
    Platform platform = kHostPlatform;
    // Where unsaved text is journaled; empty keeps no journals.
    QString recoveryDir;
};

enum class Placement { Left, Right, Top, Bottom, AsDesigned };

class TMainFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainFrm(MainEnvironment env);
    ~TMainFrm() override;

    // In-memory settings and state.
    RecentFiles FileHistory;
    QString EmailAddress;
    bool PreviewActive = false;
    AutoSaveCounter autoSave;
    QTimer* SaverTimer;

    // Furniture, named as the program's documentation names it.
    QToolBar* SpeedBar;
    QToolButton *New_Btn, *Open_Btn, *Save_Btn, *SpeedPreview_Btn, *Preview_Print_BTN;
    QToolButton *Browser_Btn1, *Browser_Btn2;
    TToolBox *ToolBox, *ToolBox_Horiz;
    QLabel* RowCol1;
    QWidget* TabPanel;
    QTabBar* FileTabSet;
    THTMLViewer* Preview; // the built-in viewer
    QLabel* URL_Panel;
    QMdiArea* mdiArea;

    QMenu *File1, *Edit1, *HTML1, *Forms1, *Options1, *Tools1, *Window1, *Help1;
    QMenu* Preview1;
    QAction *New1, *Open1, *Save1, *SaveAs1, *Close1, *SaveAsTemplate1, *Zorvel1, *BrowserNo11, *BrowserNo21;
    QAction *Print1, *PrintSetup1, *N1, *HistorySeparator, *Exit1;
    std::array<QAction*, RecentFiles::kShown> MenuEntry{};
    QAction *Undo1, *Cut1, *Copy1, *Paste1, *Find1, *FindNext1, *Replace1, *SelectAll1;
    QAction *Defineoptions1, *MenuonLeft1, *MenuonRight1, *MenuonTop1, *MenuonBotom1, *Font1, *ShowImages1, *Font2;
    QAction *RemoveTags1, *Cascade1, *TileVertically1, *TileHorizonatlly1, *CloseAll1, *Close2, *About1;

    // Finding the document a command works on.
    int DocumentCount() const { return static_cast<int>(documents_.size()); }
    // The active document window; none exactly when no document is open.
    TEditForm* ActiveDocument() const;
    // Open documents, the active one first, then in the order they were last active.
    std::vector<TEditForm*> windowOrder() const;

    TEditForm* OpenDocument(const QString& path, bool withTab);
    void CreateBlankHTMLFile();
    void EnableDocumentCommands();
    void DisableDocumentCommands();
    void RebuildHistoryMenu();
    void FormResize();
    void applyPlacement(Placement placement);
    Placement placement() const { return placement_; }

    // The generic error box: the failure's own text (commands without a message of their own).
    void showError(const std::exception& e);

    // Unsaved text journaled for recovery: the tick writes the documents changed
    // since the last one; flushJournals writes every changed document now (when
    // the session ends under the program, SIGTERM or SIGHUP).
    QTimer* JournalTimer;
    void JournalTick();
    void flushJournals();
    // Ends the run after a termination signal: journals written, no questions.
    void terminate();
    // Deals with a file another program changed or deleted: reloaded at once when
    // the document has no unsaved changes, otherwise the user is asked (Reload,
    // Keep my version, Cancel). Before a save only Unchanged and Kept let it go on.
    enum class DiskCheck { Unchanged, Reloaded, Kept, Cancelled };
    enum class DiskCheckFor { Activation, Save };
    DiskCheck checkOutsideChange(TEditForm& form, DiskCheckFor moment);

    // Switching the automatic-save timer on only starts it while saving is configured.
    void setSaverTimerOn(bool on);

    IniProfile settings() const { return IniProfile(env_.programDir + kSettingsFileName); }
    // Stores a menu's check mark among the options; a failure is reported and
    // the choice still holds for this run.
    void storeOption(const QString& key, bool on);
    const QString& programDir() const { return env_.programDir; }
    Prompter& prompter() { return *env_.prompter; }
    bool hintsShown() const;
    QColor hintColour() const;
    void setHints(bool shown, const QColor& colour);
    // The built-in preview's default font, from the settings.
    QString previewFontName() const;
    int previewFontSize() const;

    // Commands.
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Close1Click();
    // False when a close was cancelled or failed; the remaining documents stay open.
    bool CloseAll1Click();
    void Cascade1Click();
    void TileVertically1Click();
    void TileHorizonatlly1Click();
    void ReOpenClick(int entry);
    void SaverTimerTimer();
    void App_OnIdle();
    // False when the sequence stopped; the program then keeps running.
    bool Exit1Click();
    void FormShow();

    // Markup commands; the sender tells which one (its tag, or a combo box's index).
    void Text_Format_Click(QObject* sender);
    void Heading_Click(QObject* sender);
    void Lists_Click(QObject* sender);
    void MailTo1Click(QObject* sender);
    void Link_Btn_Click(QObject* sender);
    void Image_BtnClick(QObject* sender);
    void Table_BtnClick(QObject* sender);
    void Form_BtnClick(QObject* sender);
    void Background1Click(QObject* sender);
    void MenuonLeft1Click(QObject* sender);
    void About1Click();
    // F10: the keyboard goes to the menu bar, with the first menu open.
    void MenuKeyClick();
    void Find_All_BookMarks(TEditForm& form);

    // Text tools.
    void RemoveTags1Click();
    void Undo1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Find1Click();
    void FindNext1Click();
    void FindDialogFind();
    void Replace1Click();
    void ReplaceDialogFind();
    // All: Replace All, otherwise Replace.
    void ReplaceDialogReplace(bool all);

    // Templates, options, editor font and the external browsers.
    void SaveAsTemplate1Click();
    void Defineoptions1Click();
    void Font1Click();
    void Browser_Btn1Click();
    void Browser_Btn2Click();

    // The built-in preview: into it and back out (the button's caption tells which),
    // its font, and pictures on or off (read from the check mark of ShowImages1).
    void Preview_BtnClick();
    void Font2Click();
    void ShowImages2Click();

    // Syntax colours in the editors and the live preview beside them (their own file).
    QAction *SyntaxColours1 = nullptr, *LivePreview1 = nullptr;
    void SyntaxColours1Click();
    void LivePreview1Click();
    LivePreview* livePreview() const { return livePreview_.get(); }

    // Printing (its own file): the source, the preview's page, and the printer set-up.
    void Print1Click();
    void PrintSetup1Click();
    void Preview_Print_BTNClick();
    // The printer all printing uses; the set-up dialog's choices last for the run.
    QPrinter& printer();

    // The search shared by Find, Find Next and Replace.
    std::unique_ptr<SearchState> search;
    TFindDialog* FindDialog = nullptr;
    TReplaceDialog* ReplaceDialog = nullptr;
    // The browsers' paths, as the buttons were set up.
    QString Browser_Address1, Browser_Address2;

protected:
    // Command keys go to their commands wherever the focus is in this window.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    enum class SaveOutcome { Saved, Cancelled, Failed };
    enum class Timer { Keep, SwitchOff };
    static constexpr int kFormatCommand = 0, kHeadingCommand = 1, kListCommand = 2;

    void insertMarkup(const FailureMessage& failure, QObject* sender,
                      const std::function<std::optional<Insertion>(int, const QString&)>& make, int kind);
    TEditForm* newFromTemplate();
    void connectToolBox(TToolBox* box);
    // The document counts as changed and can be saved.
    void markChanged(TSRichEdit& memo);

    void FormCreate();
    void createSpeedBar();
    void createMenus();
    void createFileMenu();
    void createEditMenu();
    void createHtmlMenus();
    void createOptionsMenu();
    void createWindowMenu();
    void createWorkArea();
    void readSettings();

    void setDocumentCommandsEnabled(bool on);
    QList<QKeySequence> commandKeys() const;
    QList<QKeySequence> commandKeys_;
    // A command key: true when a command, or a menu with that access key, takes it
    // now; with run, carries that out.
    bool routeKey(const QKeySequence& key, bool run);
    TEditForm* newDocumentWindow();
    void addTab(TEditForm* form, const QString& text);
    void removeTab(TEditForm* form);
    int tabIndexOf(const TEditForm* form) const;
    void FileTabSetClick(int index);
    void FormActivate(TEditForm* form);
    void showCaretPosition(TEditForm* form);
    bool documentCloseRequest(TEditForm& form);
    void documentClosed(TEditForm& form);

    SaveOutcome saveDocument(TEditForm& form);
    SaveOutcome saveDocumentAs(TEditForm& form);
    void writeDocument(TEditForm& form, const QString& path);
    // Runs a command body; any failure shows the message and may switch the timer off.
    bool guarded(const FailureMessage& failure, Timer timer, const std::function<void()>& body);
    void reportFailure(const QString& text, const QString& reason, Timer timer);
    FileDialogOptions fileDialog(const QString& title, const QString& dirKey) const;
    bool runExitSequence();
    void setUpBrowserButtons();
    // Puts a browser button in the state given; at start-up the caption rules differ.
    void showBrowserButton(int slot, const BrowserButtonState& state, bool atStartUp);
    std::optional<QFont> editorFont_; // the editor font dialog starts with the font chosen last

    MainEnvironment env_;
    std::vector<TEditForm*> documents_;       // in creation order
    std::vector<TEditForm*> activationOrder_; // most recently active first
    Placement placement_ = Placement::AsDesigned;
    QBoxLayout* middleLayout_ = nullptr;
    QBoxLayout* workLayout_ = nullptr;
    QBoxLayout* outerLayout_ = nullptr;
    QScrollArea* toolBoxScroll_ = nullptr;
    QStackedWidget* workStack_ = nullptr;
    HintSwitch* hints_ = nullptr;
    // The built-in preview (its own file).
    void createPreview();
    void enterPreview(TEditForm& form);
    void leavePreview(TEditForm* form);
    void bringForwardAfterPreview(TEditForm* form, const QString& shown);
    QPointer<TEditForm> previewed_; // the document the preview was entered from
    bool browser1Enabled_ = false, browser2Enabled_ = false;
    bool shown_ = false;
    bool savingAutomatically_ = false; // the timer is paused, not off, while it saves
    bool checkingDisk_ = false;        // a question about an outside change is open
    bool terminating_ = false;
    int journalCounter_ = 0;
    std::vector<int> journalsDue_;
    std::unique_ptr<RecoveryStore> recovery_;
    bool offerRecovery();
    void journalChanged(TEditForm& form);
    // Made in FormCreate: the journals, their timer, the status bar, the look at the
    // disk when the user comes back to Zorvel.
    void createSafetyNet();
    // Writes or removes the document's journal; why it could not, for the user.
    std::optional<QString> writeJournal(TEditForm& form);
    // The journals' state after a round of writes: told once per run, in a box the
    // first time; the status bar shows it until a journal is written again.
    void showJournalProblem(const std::optional<QString>& problem);
    QString journalProblem_;
    bool journalProblemTold_ = false;
    bool reloadFromDisk(TEditForm& form);
    bool exitSequenceRan_ = false;
    // The stored outer size, and whether the frame is still to be taken off it.
    QSize outerSize_;
    bool fitOuterSize_ = false;
    void fitOuterSize();
    bool closingAll_ = false;
    void createPrinting();
    void runPrintJob(const std::function<void()>& job);
    // The print dialog for printing pageFile (empty: a page not yet saved);
    // printing to a file, it offers a file named after that page.
    bool askPrintDialog(const QString& pageFile);
    std::shared_ptr<QPrinter> printer_;
    bool printing_ = false; // a job is running
    void createLivePreview();
    void showLivePreview();
    std::unique_ptr<LivePreview> livePreview_;
    QSplitter* liveSplitter_ = nullptr;
    LivePaneWidth* livePaneWidth_ = nullptr;
};

} // namespace zorvel
