#pragma once
// A print job whose printer prints to a PDF file writes that file whole or
// not at all. Qt's PDF printer writes straight into the file it is given and
// never says when the disk refused a write: a full disk left a cut-off PDF in
// place of a good one, and the job reported success. So the job prints into
// a file of its own in a private temporary folder, the result is checked,
// and its bytes reach the chosen file through the one atomic writer.
#include <QByteArray>

#include <functional>

class QPrinter;

namespace zorvel {

// Runs job, which prints on printer. When the printer prints to a PDF file,
// the job prints into a temporary file instead; that file must be a whole PDF
// with no error from the printer, and is then written to the chosen file by
// writeFileAtomically. A job the user cancelled (the printer aborted) writes
// nothing. The printer names the chosen file again afterwards. Throws
// FileWriteError ("Cannot write /x/out.pdf: No space left on device") when
// the file could not be written, the old one left whole; and whatever the
// job throws.
void printIntoFile(QPrinter& printer, const std::function<void()>& job);

// Whether bytes hold a whole PDF file: its header first, its end-of-file
// mark at the end (blank lines may follow).
bool isCompletePdf(const QByteArray& bytes);

} // namespace zorvel
