#pragma once
// One way into a page for the modes without a window (--dump, --render,
// --print-pdf): the file's checks, the look the page is shown with, a host
// that finds pictures where the viewer finds them and makes form controls
// with a factory, and the parse. The viewer control reads its files through
// the same checks.
#include "parse/html_parse.h"

#include <memory>

namespace zorvel {

// The text of a page file as the viewer reads it. Throws EHtmlFileError:
// "Can't locate file: NAME" when there is none, the reason when it is no
// regular file, is too large or cannot be read.
QString readPageFile(const QString& path);

// The look the viewer control starts with: its default fonts on the
// desktop's button face, in its button text colour.
PageLook desktopLook();

struct LoadedPage {
    explicit LoadedPage(Canvas& screen) : document(screen) {}
    QString file;                       // the page's absolute path
    std::unique_ptr<DocumentHost> host; // the document's
    TSectionList document;
    TNameList names;
    TParseStrings strings;
    // Why the page was read only in part (it ends inside a comment); what
    // came before is loaded all the same. Empty when it was read whole.
    QString parseError;
};

// Reads the page in path and parses it with the look's defaults, its fonts
// measured on screen (which must outlive the page). Pictures are named
// relative to the page, or to its BASE, as the viewer names them; form
// controls are made by controls (none: they are kept in memory, without
// windows). Throws EHtmlFileError when the page cannot be read.
std::unique_ptr<LoadedPage> loadPage(const QString& path, const PageLook& look, Canvas& screen,
                                     FormControlFactory* controls = nullptr);

// The name a page goes by in the print queue and as a PDF's title: its title,
// else its file's name, else the program's.
QString printJobTitle(const QString& pageTitle, const QString& file);

} // namespace zorvel
