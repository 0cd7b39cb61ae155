#pragma once
// Printing a document's source text: every line of the editor as one printed
// line, top down, a new page when the next line does not fit. A line wider
// than the paper goes on over continuation lines, each marked at its start.
#include "print_progress.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <functional>

class QPrinter;

namespace zorvel {

struct SourcePrintout {
    QStringList lines;
    QFont editorFont; // printed as "SYSTEM" at 10 points, in the editor font's style
    QColor color = Qt::black;
    QString title; // the job's name in the print queue
};

// The font the source is printed in.
QFont sourcePrintFont(const QFont& editorFont);

// Starts every continuation line of a source line too wide for the paper.
inline constexpr const char* kContinuationMark = "\u00BB ";

// The printed lines of the source lines, tabs expanded: a line that fits stays
// one line; a longer one is broken, after a blank where one lies in the second
// half of the piece, otherwise where the paper ends, and continued behind the mark.
QStringList printedSourceLines(const QStringList& lines, const std::function<qreal(QChar)>& advance, qreal width);

// Throws PrintError when the printer refuses the job or the output cannot be
// written, PrintCancelled when progress stops it.
void printSource(QPrinter& printer, const SourcePrintout& source, const PrintProgress& progress = {});

} // namespace zorvel
