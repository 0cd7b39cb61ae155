#pragma once
// Printing a document's source text: every line of the editor as one printed
// line, top down, a new page when the next line does not fit.
#include "print_progress.h"

#include <QColor>
#include <QFont>
#include <QStringList>

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

// Throws PrintError when the printer refuses the job or the output cannot be
// written, PrintCancelled when progress stops it.
void printSource(QPrinter& printer, const SourcePrintout& source, const PrintProgress& progress = {});

} // namespace zorvel
