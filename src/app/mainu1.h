#pragma once
// The main window: its furniture (mainu1_ui.h), start-up and exit, and the
// commands. What is not a window, the open documents and what keeps their text
// safe, lives in the session it owns (document_session.h).
#include "document_session.h"
#include "editfrmu.h"
#include "error_box.h"
#include "ini_profile.h"
#include "mainu1_ui.h"
#include "path_rules.h"
#include "picture_place.h"
#include "prompter.h"
#include "settings_keys.h"
#include "support.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QPrinter;
class QScrollArea;
class QSplitter;
class QStackedWidget;
class QTimer;
class QBoxLayout;

namespace zorvel {

class SearchState;
struct Insertion;
struct BrowserButtonState;
class HintSwitch;
class LivePreview;
class LivePaneWidth;

// A file name as a menu item or tab shows it: "&" there marks the access key,
// so a name's own "&" is doubled to stay a character.
inline QString shownLiterally(QString name) {
    return name.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// What the main window needs from the world; tests pass their own.
struct MainEnvironment {
    QString programDir;                  // ends in the separator
    QSize screenSize;                    // for the window's default size
    std::vector<QRect> screens;          // available areas, the primary first; none: all of screenSize
    std::unique_ptr<Prompter> prompter;  // null: real Qt dialogs
    QStringList arguments;               // command-line arguments after the program name
    std::function<void(int)> endProcess; // null: QCoreApplication::exit
    FileExists exists = fileExists;
    Platform platform = kHostPlatform;
    // Where unsaved text is journaled; empty keeps no journals.
    QString recoveryDir;
};

enum class Placement { Left, Right, Top, Bottom, AsDesigned };

class TMainFrm : public QMainWindow, public MainFrmUi, private SessionView {
    Q_OBJECT
public:
    explicit TMainFrm(MainEnvironment env);
    ~TMainFrm() override;

    // The documents, the recent files, the journals and the automatic save.
    DocumentSession& session() { return *session_; }

    // Finding the document a command works on.
    int DocumentCount() const { return session_->count(); }
    // The active document window; none exactly when no document is open.
    TEditForm* ActiveDocument() const { return session_->active(); }
    // Open documents, the active one first, then in the order they were last active.
    std::vector<TEditForm*> windowOrder() const { return session_->windowOrder(); }
    RecentFiles& FileHistory() { return session_->history(); }
    QTimer* SaverTimer() { return session_->autoSave().timer(); }
    // Switching the automatic-save timer on only starts it while saving is configured.
    void setSaverTimerOn(bool on) { session_->autoSave().setOn(on); }
    const QString& EmailAddress() const { return emailAddress_; }
    // The built-in preview is shown instead of the documents.
    bool PreviewActive() const { return preview_.active; }

    TEditForm* OpenDocument(const QString& path, bool withTab);
    // A file already open is never read a second time: its document comes
    // forward instead. False when the file is not open.
    bool bringForwardIfOpen(const QString& path);
    void CreateBlankHTMLFile();
    void EnableDocumentCommands();
    void DisableDocumentCommands();
    void RebuildHistoryMenu();
    void FormResize();
    void applyPlacement(Placement placement);
    Placement placement() const { return placement_; }

    // Ends the run after a termination signal: journals written, no questions.
    void terminate();

    IniProfile settings() const { return session_->settings(); }
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
    // Saves every changed document, asking a name for the untitled ones; false
    // when the user cancelled one, which leaves the rest unsaved.
    bool SaveAll1Click();
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
    void Redo1Click();
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
    void SyntaxColours1Click();
    void LivePreview1Click();
    LivePreview* livePreview() const { return livePreview_.get(); }

    // Printing (its own file): the source, the preview's page, and the printer set-up.
    void Print1Click();
    void PrintSetup1Click();
    void Preview_Print_BTNClick();
    // The printer all printing uses; the set-up dialog's choices last for the run.
    QPrinter& printer();

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
    using DiskCheck = DocumentSession::DiskCheck;
    using DiskCheckFor = DocumentSession::DiskCheckFor;
    static constexpr int kFormatCommand = 0, kHeadingCommand = 1, kListCommand = 2;

    // What the session asks of the window.
    TEditForm* currentDocument() const override;
    void changedMarkMoved(TEditForm& form) override;
    void showNote(const QString& text, int milliseconds) override;
    void showJournalProblem(const QString& text) override;

    void insertMarkup(const FailureMessage& failure, QObject* sender,
                      const std::function<std::optional<Insertion>(int, const QString&)>& make, int kind);
    TEditForm* newFromTemplate();
    // Where the document is, for the dialogs that name a picture in it.
    PicturePlace picturePlace(const TEditForm& form);
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
    // Redo is offered only while the active document has something to redo.
    void showRedoState();
    bool documentCloseRequest(TEditForm& form);
    void documentClosed(TEditForm& form);

    SaveOutcome saveDocument(TEditForm& form);
    SaveOutcome saveDocumentAs(TEditForm& form);
    // Every command runs its body through one of these; false when it failed.
    // A command with a failure text of its own shows that text, and below it what
    // a file failure said; the failure may switch the timer off.
    bool guarded(const FailureMessage& failure, Timer timer, const std::function<void()>& body);
    // Without one, the failure is told in its own words in the error box.
    bool guarded(const std::function<void()>& body, const ErrorWords& words = {}) {
        return zorvel::guarded(prompter(), body, words);
    }
    bool runExitSequence();
    void setUpBrowserButtons();
    void previewInBrowser(int slot, const QString& label);
    // Puts a browser button in the state given; at start-up the caption rules differ.
    void showBrowserButton(int slot, const BrowserButtonState& state, bool atStartUp);

    // Made in FormCreate: the status bar, and the look at the disk when the user
    // comes back to Zorvel.
    void createSafetyNet();
    bool offerRecovery();
    DiskCheck checkOutsideChange(TEditForm& form, DiskCheckFor moment) {
        return session_->checkOutsideChange(form, moment);
    }

    // The built-in preview (its own file).
    void createPreview();
    void enterPreview(TEditForm& form);
    void leavePreview(TEditForm* form);
    void enableBrowserButtons();
    void bringForwardAfterPreview(TEditForm* form, const QString& shown);
    // The caption and the Back and Forward buttons follow the page the preview shows.
    void showPreviewPlace();

    // Find and replace (their own file): made on first use.
    SearchState& searchState();
    TFindDialog& findDialog();
    TReplaceDialog& replaceDialog();
    // Selects the next match in the active editor; false when there is none.
    bool searchNext();

    void fitOuterSize();
    void createPrinting();
    void runPrintJob(const std::function<void()>& job);
    // The print dialog for printing pageFile (empty: a page not yet saved);
    // printing to a file, it offers a file named after that page.
    bool askPrintDialog(const QString& pageFile);
    void createLivePreview();
    void showLivePreview();

    MainEnvironment env_;
    std::unique_ptr<DocumentSession> session_;
    QString emailAddress_;
    std::unique_ptr<SearchState> search_; // shared by Find, Find Next and Replace
    std::optional<QFont> editorFont_;     // the editor font dialog starts with the font chosen last
    Placement placement_ = Placement::AsDesigned;
    // The built-in preview's mode and the document it was entered from.
    struct PreviewMode {
        bool active = false;
        QPointer<TEditForm> from;
    } preview_;
    std::shared_ptr<QPrinter> printer_;
    bool printing_ = false; // a job is running
    std::unique_ptr<LivePreview> livePreview_;
    QList<QKeySequence> commandKeys_;

    // The window's own course: shown once, closing all, ending.
    bool shown_ = false;
    bool closingAll_ = false;
    bool exitSequenceRan_ = false;
    bool terminating_ = false;
    // The stored outer size, and whether the frame is still to be taken off it.
    QSize outerSize_;
    bool fitOuterSize_ = false;

    // Layouts and helpers of the window's furniture.
    QBoxLayout* middleLayout_ = nullptr;
    QBoxLayout* workLayout_ = nullptr;
    QBoxLayout* outerLayout_ = nullptr;
    QScrollArea* toolBoxScroll_ = nullptr;
    QStackedWidget* workStack_ = nullptr;
    QSplitter* liveSplitter_ = nullptr;
    LivePaneWidth* livePaneWidth_ = nullptr;
    HintSwitch* hints_ = nullptr;
};

} // namespace zorvel
