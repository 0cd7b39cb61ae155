#pragma once
// What the command line asks for: the editor (with an optional file to open),
// one of the modes that work without a window, the help or the version, or a
// usage error. Decided from the arguments alone, before any application object
// exists, so that the modes without a window never look for a display.
#include <QString>
#include <QStringList>
#include <optional>

namespace zorvel {

enum class RunMode { Editor, Dump, Render, PrintPdf, Help, Version, UsageError };

struct CommandLine {
    RunMode mode = RunMode::Editor;
    QString file;                 // Editor: the file to open, as written; empty for a blank page
    QString page;                 // Dump, Render, PrintPdf: the page read
    QString output;               // Render: the PNG written; PrintPdf: the PDF written
    std::optional<int> width;     // Dump, Render: the viewer's outer width in pixels
    int firstPage = 1;            // PrintPdf: the pages printed, counted from 1
    int lastPage = 9999;          //   (9999: to the end)
    QStringList toolkitArguments; // Qt's own options (-style fusion, ...), for the application object
    QString error;                // UsageError: one line saying what is wrong
};

inline constexpr int kDefaultControlWidth = 800;

// arguments: the whole command line, the program's name first.
CommandLine parseCommandLine(const QStringList& arguments);

// True for the editor only: every other mode runs where there is no display.
bool needsDisplay(RunMode mode);

QString versionNumber();
// The texts shown for --help, --version and after a usage error, each ending in a line break.
QString helpText();
QString versionText();
QString usageText();

} // namespace zorvel
