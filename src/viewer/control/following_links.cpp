// The viewer control: anchors, following links and the history.
#include "control/html_viewer.h"
#include "errors.h"

#include <QFileInfo>
#include <QScrollBar>

namespace zorvel {

QString THTMLViewer::ExpandLinkFileName(const QString& link) const {
    return expandLinkFileName(link, strings_.Base, currentFile_, kHostPlatform);
}

bool THTMLViewer::GoToAnchor(const QString& name) {
    const QString key = (name.startsWith(u'#') ? name.mid(1) : name).toUpper();
    TSectionBase* section = nameList_.Find(key);
    if (!section)
        return false;
    // A section of the page itself is found by the heights before it; one inside a
    // table cell knows its top from the last layout.
    int top = section->TopY;
    for (int i = 0; i < document_.Count(); ++i)
        if (document_.Item(i) == section) {
            top = document_.GetSectionTop(i);
            break;
        }
    verticalScrollBar()->setValue(std::min(top, maxDocumentHeight_));
    horizontalScrollBar()->setValue(0);
    return true;
}

bool THTMLViewer::HotSpotClick(const QString& url) {
    return OnHotSpotClick && OnHotSpotClick(url);
}

void THTMLViewer::FollowLink(const QString& link) {
    if (HotSpotClick(link))
        return;
    const THistoryItem left{currentFile_, ScrollPosition()};
    if (link.startsWith(u'#')) {
        if (GoToAnchor(link))
            addToHistory(left);
        return;
    }
    // The viewer shows local files only: a network address is no error, just not followed.
    if (hasNetworkScheme(link))
        return;
    const LinkParts parts = splitAnchor(link);
    const QString fileName = ExpandLinkFileName(parts.file);
    if (hasNetworkScheme(fileName) || !isHtmlFileName(fileName))
        return; // a relative link under a network base, or a picture, a text file…
    if (QFileInfo(fileName).absoluteFilePath() != currentFile_) {
        try {
            loadFile(fileName, parts.anchor);
        } catch (const std::exception& e) {
            report(errorText(e), true);
        }
    } else if (GoToAnchor(parts.anchor)) {
        addToHistory(left);
    }
}

void THTMLViewer::goToHistory(int index) {
    const std::optional<THistoryItem> place = history_.MoveTo(index, THistoryItem{currentFile_, ScrollPosition()});
    if (!place)
        return;
    if (place->FileName != currentFile_) {
        try {
            loadFile(place->FileName, {}, Record::No);
        } catch (const std::exception& e) {
            report(QString::fromStdString(e.what()), true);
        }
    }
    if (place->FileName == currentFile_)
        setScrollPosition(place->Position);
    if (OnHistoryChange)
        OnHistoryChange();
}

void THTMLViewer::ClearHistory() {
    if (history_.Clear() && OnHistoryChange)
        OnHistoryChange();
}

void THTMLViewer::addToHistory(const THistoryItem& left) {
    if (history_.Add(left, THistoryItem{currentFile_, ScrollPosition()}, historyMaxCount_) && OnHistoryChange)
        OnHistoryChange();
}

} // namespace zorvel
