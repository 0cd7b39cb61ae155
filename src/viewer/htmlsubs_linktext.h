#pragma once
// A link's address as the model's font runs hold it. A page of links has
// tens of thousands of runs, most outside any link; a QString (three words)
// in each cost more than the run's other fields. This is one pointer, null for
// no link, to the text with a count of its holders: the runs of one link share it.
// Like the rest of the model it lives on one thread: the count is a plain
// integer (a locked count cost as much as the rest of freeing a run).
#include <QString>
#include <QStringView>

#include <utility>

namespace zorvel {

class TLinkText {
public:
    TLinkText() = default;
    TLinkText(QStringView text); // NOLINT: stands for the text; empty text is no link
    TLinkText(const QString& text) : TLinkText(QStringView(text)) {} // NOLINT
    TLinkText(const TLinkText& other) noexcept : block_(other.block_) {
        if (block_)
            ++block_->holders;
    }
    TLinkText(TLinkText&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
    TLinkText& operator=(TLinkText other) noexcept {
        std::swap(block_, other.block_);
        return *this;
    }
    ~TLinkText() {
        if (block_)
            Release();
    }

    bool isEmpty() const { return !block_; }
    QStringView view() const;
    QString toString() const { return view().toString(); }
    friend bool operator==(const TLinkText& a, QStringView b) { return a.view() == b; }

private:
    struct Block {
        int holders;
        int size;
        // the characters follow
    };
    void Release() noexcept;
    Block* block_ = nullptr;
};

} // namespace zorvel
