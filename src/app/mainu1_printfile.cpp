// The print dialog's offer of a file to print to.
#include "mainu1.h"

#include "print_file_name.h"

namespace zorvel {

bool TMainFrm::askPrintDialog(const QString& pageFile) {
    const QString saveDir = settings().readString(kFilesSection, kSaveDirKey, env_.programDir);
    offerPrintFile(printer(), printFileSuggestion(pageFile, saveDir));
    return prompter().printDialog(printer());
}

} // namespace zorvel
