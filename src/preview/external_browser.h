#pragma once
// The two external browsers: their button pictures and captions, the decision what
// "preview in browser N" has to do, and starting the browser program.
#include "ini_profile.h"
#include "path_rules.h"
#include "text_file.h"

#include <QIcon>
#include <QString>
#include <functional>

namespace zorvel {

inline constexpr const char* kTempPreviewFileName = "TempFile.htm";

// Settings key of a browser slot (1 or 2).
QString browserSettingsKey(int slot);
// The glyph file of a slot in the program directory. One spelling serves every
// caller, so the picture the options dialog writes is the one start-up loads.
QString browserGlyphPath(const QString& programDir, int slot);
QString tempPreviewPath(const QString& programDir);

// "Netscape" or "Explorer" for those two programs (file name compared without
// case), empty for any other browser.
QString browserCaption(const QString& browserPath, Platform platform = kHostPlatform);

// Where a browser's icon comes from; an empty icon means the program has none.
using BrowserIconSource = std::function<QIcon(const QString& browserPath)>;
// The icon theme's icon named after the program (with and without its extension),
// else the file-icon provider's icon for the file.
QIcon browserIcon(const QString& browserPath);

// Draws the browser's icon into a bitmap whose background and bottom-left pixel are
// the button-face colour and saves it as a Windows bitmap. An earlier glyph file is
// removed first. Without an icon (or with a blank path) no file is left and the
// result is false; nothing is reported.
bool makeBrowserGlyph(const QString& browserPath, const QString& glyphPath,
                      const BrowserIconSource& iconFor = browserIcon);
// The button picture from a glyph file; the colour of its bottom-left pixel is
// transparent. Null when the file cannot be read.
QIcon loadBrowserGlyph(const QString& glyphPath);

// What a browser button shows after set-up.
struct BrowserButtonState {
    bool shown = false;
    QString path;      // the browser program; goes into the slot's hidden label
    QString glyphPath; // empty: no picture, the caption alone
    QString caption;
};

// The button of a slot at start-up: read the slot's key, make the glyph when it is
// missing, choose the caption. A button without a picture shows the program's file
// name when no other caption applies, so it is never blank.
BrowserButtonState setupBrowserButton(int slot, const IniProfile& ini, const QString& programDir,
                                      const FileExists& exists = fileExists,
                                      const BrowserIconSource& iconFor = browserIcon,
                                      Platform platform = kHostPlatform);
// The same choice of caption for a path that is already known to exist.
BrowserButtonState browserButtonFor(const QString& path, const QString& glyphPath, bool haveGlyph,
                                    Platform platform = kHostPlatform);

// Everything "preview in browser N" looks at.
struct BrowserPreviewInput {
    int slot = 1;
    QString labelText;          // the slot's hidden label
    bool browserExists = false; // a file exists at labelText as it stands
    bool documentOpen = false;
    QString documentFileName; // empty for an untitled document
    bool modified = false;
    QString programDir;
};

enum class BrowserPreviewAction {
    Nothing,             // no browser set, slot 1's program missing, or no document
    Launch,              // start the browser with documentFile (none when empty)
    SaveThenLaunch,      // save the document with the Save command first
    WriteTempThenLaunch, // write the text to tempFile, which becomes documentFile
};

struct BrowserPreviewPlan {
    BrowserPreviewAction action = BrowserPreviewAction::Nothing;
    QString browserPath;  // trimmed
    QString documentFile; // empty: the browser starts without a document
};

BrowserPreviewPlan planBrowserPreview(const BrowserPreviewInput& input);

// What carrying out a plan needs of the document.
struct BrowserPreviewDocument {
    std::function<bool()> save;    // the Save command; false when it did not save
    std::function<QString()> text; // the editor's text, line breaks as "\n"
    TextEncoding encoding = TextEncoding::Utf8;
};

// Saves or writes the temporary page as the plan says, then starts the browser.
// Returns whether it started; a save that did not save starts nothing. Throws
// what save throws, and TextFileError when the temporary page cannot be written.
bool carryOutBrowserPreview(const BrowserPreviewPlan& plan, const BrowserPreviewDocument& document);

// The temporary page: every line, the last one too, ended by CR LF.
void writeTempPreviewPage(const QString& path, const QString& text, TextEncoding encoding);

// Starts the browser detached, without a shell, with the file as its single
// argument (no argument when the file is empty). A failed start is silent; the
// result only says whether it started.
bool launchBrowser(const QString& browserPath, const QString& file);

// Blanks (and other control characters) trimmed from both ends.
QString trimBlanks(const QString& text);

} // namespace zorvel
