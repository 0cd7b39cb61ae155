#pragma once
// What a print job tells the user page by page, and how the user stops it.
#include <QString>

#include <functional>

namespace zorvel {

// Called before each page of a job is printed, with its place in the job
// (1 to pages); false stops the job, which then throws PrintCancelled.
using PrintProgress = std::function<bool(int page, int pages)>;

inline QString printingPageText(int page, int pages) {
    return QStringLiteral("Printing page %1 of %2").arg(page).arg(pages);
}

} // namespace zorvel
