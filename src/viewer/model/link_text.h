#pragma once
// A link's address as the model's font runs hold it. A page of links has
// tens of thousands of runs, most outside any link; a QString (three words)
// in each cost more than the run's other fields. This is one pointer, null for
// no link, to the text in the document's pool: the runs of one link share it,
// and it goes with the pool (a print copy keeps copies in its own).
#include <QString>
#include <QStringView>

namespace zorvel {

class TModelPool;

class TLinkText {
public:
    TLinkText() = default;
    // Empty text is no link.
    TLinkText(TModelPool& pool, QStringView text);

    bool isEmpty() const { return !block_; }
    QStringView view() const;
    QString toString() const { return view().toString(); }
    friend bool operator==(const TLinkText& a, QStringView b) { return a.view() == b; }
    friend bool operator==(const TLinkText& a, const TLinkText& b) { return a.block_ == b.block_; }

private:
    struct Block {
        int size;
        // the characters follow
    };
    const Block* block_ = nullptr;
};

} // namespace zorvel
