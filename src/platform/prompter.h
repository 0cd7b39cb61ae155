#pragma once
// Every question and notice to the user goes through a Prompter, so the
// program's logic can be driven by tests with scripted answers.
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace zorvel {

enum class MessageIcon { None, Information, Warning, Error };
enum class MessageButtons { Ok, YesNo, YesNoCancel, Choice };
// Cancel: the Cancel button, Escape or the box's close button.
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Turns a "Name|*.a;*.b|Other|*.*" filter into Qt's "Name (*.a *.b);;Other (*)".
QString qtFileFilter(const QString& pairs);

// Shown before the print dialog on a system with no printer installed.
inline constexpr const char* kNoPrinterWarning =
    "No printers are installed. You can still print to a PDF file: choose \"Print to File (PDF)\".";

struct FileDialogOptions {
    QString title;
    QString directory;     // where the dialog starts
    QString fileName;      // proposed name, may be empty
    QString filter;        // Qt filter text, e.g. "HTML Files (*.htm *.html);;All Files (*)"
    QString defaultSuffix; // added when the user types a name without one
};

// A long job's progress dialog: a line of text, a bar and Cancel. It shows
// while the object lives.
class Progress {
public:
    virtual ~Progress() = default;
    // Shows text and done of total, and lets the program handle the events that
    // waited meanwhile, so that its windows keep painting (the dialog keeps the
    // user out of them). False once the user has pressed Cancel.
    virtual bool step(const QString& text, int done, int total) = 0;
};

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons) = 0;
    // A question with buttons of its own (captions with "&" access keys); returns the
    // index of the one pressed. The first is the default; Escape presses the one at escape.
    virtual int choose(const QString& text, MessageIcon icon, const QStringList& buttons, int escape) = 0;
    // The same with the default chosen: Enter presses the one at defaultButton; Escape
    // and the box's close press the one at escape. A prompter that cannot choose the
    // default asks as choose does.
    virtual int chooseWithDefault(const QString& text, MessageIcon icon, const QStringList& buttons, int defaultButton,
                                  int escape) {
        (void)defaultButton;
        return choose(text, icon, buttons, escape);
    }
    // Empty optional: the user cancelled.
    virtual std::optional<QString> openFileName(const FileDialogOptions& chooser) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogOptions& chooser) = 0;
    virtual std::optional<QColor> color(const QColor& initial) = 0;
    virtual std::optional<QFont> font(const QFont& initial) = 0;
    // Runs one of the program's own modal dialogs; returns QDialog::Accepted or Rejected.
    virtual int exec(QDialog& dialog) = 0;
    virtual bool printDialog(QPrinter& printer) = 0;
    virtual bool pageSetupDialog(QPrinter& printer) = 0;
    virtual std::unique_ptr<Progress> progress(const QString& title) = 0;

    // Shorthands for the two kinds of boxes the program shows.
    void notice(const QString& text, MessageIcon icon = MessageIcon::Information) {
        message(text, icon, MessageButtons::Ok);
    }
    bool askYesNo(const QString& text) {
        return message(text, MessageIcon::Information, MessageButtons::YesNo) == MessageAnswer::Yes;
    }
    MessageAnswer askYesNoCancel(const QString& text) {
        return message(text, MessageIcon::Information, MessageButtons::YesNoCancel);
    }
};

// Shows real Qt dialogs, parented to the given window.
class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(QWidget* parent) : parent_(parent) {}
    MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons) override;
    int choose(const QString& text, MessageIcon icon, const QStringList& buttons, int escape) override;
    int chooseWithDefault(const QString& text, MessageIcon icon, const QStringList& buttons, int defaultButton,
                          int escape) override;
    std::optional<QString> openFileName(const FileDialogOptions& chooser) override;
    std::optional<QString> saveFileName(const FileDialogOptions& chooser) override;
    std::optional<QColor> color(const QColor& initial) override;
    std::optional<QFont> font(const QFont& initial) override;
    int exec(QDialog& dialog) override;
    bool printDialog(QPrinter& printer) override;
    bool pageSetupDialog(QPrinter& printer) override;
    std::unique_ptr<Progress> progress(const QString& title) override;

private:
    QWidget* parent_;
};

} // namespace zorvel
