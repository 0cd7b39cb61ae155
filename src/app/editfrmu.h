#pragma once
// A document window: one editor buffer, the file it belongs to and the
// bookmark names found in it.
#include "disk_stamp.h"
#include "trecode.h"

#include <QMdiSubWindow>
#include <QStringList>
#include <functional>
#include <optional>

namespace zorvel {

class TEditForm : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit TEditForm(QWidget* parent = nullptr);

    TSRichEdit* MemoPad;
    QString FileName;
    QStringList BookMarks;
    // Set when the automatic save was told not to save this untitled page; cleared by
    // the next change, so the page is asked about again only once it changes.
    bool autoSaveDeclined = false;
    // The file as last read or written here, to notice changes made by other programs.
    DiskStamp diskStamp;
    // A change of the file the user chose to decide about later: coming forward
    // does not ask about it again, saving does.
    std::optional<DiskStamp> postponedDisk;
    // Names the document's recovery journal; unique in the run.
    int journalId = 0;

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // The close of the window itself (close box, Ctrl+F4, Close All). Returns whether
    // the window may close; the main window asks about unsaved text.
    std::function<bool(TEditForm&)> onCloseRequest;
    // After the window has closed, before it is destroyed.
    std::function<void(TEditForm&)> onClosed;
    // Closes without asking again: the caller has dealt with the changes.
    void closeConfirmed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool confirmed_ = false;
};

} // namespace zorvel
