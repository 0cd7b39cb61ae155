// Section base behaviour, spaces, rules and cells.
#include "model/sections.h"

#include "model/limits.h"

namespace zorvel {

TSectionBase::TSectionBase(const TSectionBase& source, TSectionList* master)
    : ParentSectionList(master), SectionHeight(source.SectionHeight) {}

int TSectionBase::DrawLogic(Canvas&, int, int Width, int& ScrollWidth, int& CharPos) {
    StartPos = CharPos;
    ScrollWidth = Width;
    return SectionHeight;
}

int TSectionBase::Draw(Canvas&, const QRect&, int, int, int Y) {
    TopY = Y;
    return Y + SectionHeight;
}

void TSectionBase::MoveBy(int dy, int dpos) {
    TopY = addExtent(TopY, dy);
    StartPos += dpos;
}

bool TSectionBase::GetURL(Canvas&, int, int, QString&) {
    return false;
}
int TSectionBase::FindCursor(Canvas&, int, int, int&, int&, int&) {
    return -1;
}
int TSectionBase::FindString(int, const QString&, bool) {
    return -1;
}
bool TSectionBase::CursorToXY(Canvas&, int, int&, int&) {
    return false;
}
void TSectionBase::UpdateFonts() {
    UpdateSpacing();
}
void TSectionBase::UpdateSpacing() {}

void TSectionBase::MinMaxWidth(Canvas&, int& Min, int& Max) {
    Min = 0;
    Max = 0;
}

void TParagraphSpace::UpdateSpacing() {
    SectionHeight = Scaled(14);
}

void THeadingSpace::UpdateSpacing() {
    int value = 8;
    switch (HeadingSize) {
    case 1:
        value = 16;
        break;
    case 2:
        value = 12;
        break;
    case 3:
        value = 10;
        break;
    case 5:
        value = 6;
        break;
    case 6:
        value = 4;
        break;
    default:
        break;
    }
    SectionHeight = Scaled(value);
}

void THorzLine::UpdateSpacing() {
    SectionHeight = Scaled(20);
}

void TCell::Add(std::unique_ptr<TSectionBase> Section) {
    if (!Section)
        return;
    Section->ParentSectionList = MasterList;
    Section->UpdateSpacing();
    push_back(std::move(Section));
}

void TCell::UpdateFonts() {
    for (const auto& s : *this)
        s->UpdateFonts();
}

TSectionBase* TCell::FindSectionAtPosition(int Y, int& Top, int& Index) const {
    int sum = 0;
    for (std::size_t i = 0; i < size(); ++i) {
        const int next = addExtent(sum, (*this)[i]->SectionHeight);
        if (next > Y) {
            Top = sum;
            Index = int(i);
            return (*this)[i].get();
        }
        sum = next;
    }
    return nullptr;
}

} // namespace zorvel
