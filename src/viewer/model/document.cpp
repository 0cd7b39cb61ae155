// The master list: defaults (and fonts sized and named from them), background,
// image look-up and cloning for print; what its sections take from it.
#include "model/document.h"

#include "model/form_controls.h"
#include "model/limits.h"

namespace zorvel {

// What the sections take from their document: the pool their lists and
// copies are made in, and the default font size their spacing scales with.
int TSectionBase::Scaled(int value) const {
    return ParentSectionList ? mulDiv(value, ParentSectionList->FontSize, 12) : value;
}

TCell::TCell(TSectionList* master) : TFreeList<TSectionBase>(&master->Pool), MasterList(master) {}

TCell::TCell(const TCell& source, TSectionList* master)
    : TFreeList<TSectionBase>(&master->Pool), MasterList(master), FontSize(source.FontSize) {
    reserve(source.size());
    for (const auto& s : source)
        push_back(s->Clone(master));
}

std::unique_ptr<TSectionBase> TParagraphSpace::Clone(TSectionList* MasterList) const {
    auto copy = makeModel<TParagraphSpace>(MasterList->Pool, MasterList);
    copy->SectionHeight = SectionHeight;
    return copy;
}

std::unique_ptr<TSectionBase> THeadingSpace::Clone(TSectionList* MasterList) const {
    auto copy = makeModel<THeadingSpace>(MasterList->Pool, MasterList, HeadingSize);
    copy->SectionHeight = SectionHeight;
    return copy;
}

std::unique_ptr<TSectionBase> THorzLine::Clone(TSectionList* MasterList) const {
    auto copy = makeModel<THorzLine>(MasterList->Pool, MasterList);
    copy->SectionHeight = SectionHeight;
    return copy;
}

TSectionList::TSectionList(Canvas& screenCanvas, QObject* owner, QObject* paintPanel)
    : TCell(this), ScreenCanvas(&screenCanvas), OwnerControl(owner), PaintPanel(paintPanel) {}

TSectionList::~TSectionList() {
    // The sections' controls belong to the forms: the sections go first.
    Abandon();
    Pool.Release();
}

void TSectionList::Clear() {
    BackgroundBitmap.reset();
    BackgroundBitmapName.clear();
    SelectionStart = 0;
    SelectionEnd = 0;
    Abandon();
    Pool.Release();
    TextStore.Clear();
    FormList.Clear();
    ControlCopies.Clear();
}

void TSectionList::SetDefaults(const QString& fontName, const QString& preFontName, const QColor& background,
                               const QColor& hotSpotColor, const QColor& fontColor, int fontSize) {
    FontName = fontName.left(kMaxFontNameLength);
    PreFontName = preFontName.left(kMaxFontNameLength);
    SetBackground(background);
    HotSpotColor = hotSpotColor;
    FontColor = fontColor;
    FontSize = fontSize;
    UpdateFonts();
}

// A font takes its face and size from the document's defaults.
void TMyFont::SetNominalSize(const TSectionList& MasterList, int N) {
    NormalSize = N;
    size = mulDiv(MasterList.FontSize, N, 12);
}

void TMyFont::UpdateFont(const TSectionList& MasterList, const QColor& Colour) {
    name = Fixed ? MasterList.PreFontName : MasterList.FontName;
    size = mulDiv(MasterList.FontSize, NormalSize, 12);
    color = Colour;
}

void TSectionList::SetBackground(const QColor& colour) {
    Background = colour;
    if (OnBackgroundChange)
        OnBackgroundChange(colour);
}

void TSectionList::SetBackgroundBitmap(const QString& name) {
    BackgroundBitmap.reset();
    BackgroundBitmapName = name;
}

const QImage* TSectionList::GetBackgroundBitmap() {
    if (ShowImages && !BackgroundBitmapName.isEmpty() && !BackgroundBitmap) {
        BackgroundBitmap = LookUpImage(BackgroundBitmapName);
        BackgroundBitmapName.clear();
    }
    return BackgroundBitmap ? &*BackgroundBitmap : nullptr;
}

std::optional<QImage> TSectionList::LookUpImage(const QString& name) {
    if (name.isEmpty())
        return std::nullopt;
    const QString key = imageCacheKey(name);
    if (std::optional<QImage> cached = BitmapList.Get(key))
        return cached;
    std::optional<QImage> bitmap;
    if (OnBitmapRequest) {
        OnBitmapRequest(OwnerControl, name, bitmap);
    } else {
        const QString file = ExpandImageName ? ExpandImageName(name) : urlToFileName(name);
        bitmap = loadImageFile(file, Display);
    }
    if (!bitmap || bitmap->isNull())
        return std::nullopt;
    BitmapList.Add(key, *bitmap);
    return bitmap;
}

int TSectionList::GetSectionTop(int index) const {
    const int n = std::min(index, Count() - 1);
    int top = 0;
    for (int i = 0; i < n; ++i)
        top = addExtent(top, Item(i)->SectionHeight);
    return top;
}

std::unique_ptr<TSectionList> TSectionList::Clone() const {
    auto copy = std::make_unique<TSectionList>(*ScreenCanvas, OwnerControl, PaintPanel);
    copy->Display = Display;
    copy->ShowImages = ShowImages;
    copy->Printing = Printing;
    copy->PrintClipping = PrintClipping;
    copy->SelectionStart = SelectionStart;
    copy->SelectionEnd = SelectionEnd;
    copy->FontName = FontName;
    copy->PreFontName = PreFontName;
    copy->FontColor = FontColor;
    copy->HotSpotColor = HotSpotColor;
    copy->OnBitmapRequest = OnBitmapRequest;
    copy->Background = Background;
    copy->ExpandImageName = ExpandImageName;
    copy->FontSize = FontSize;
    for (const auto& s : *this)
        copy->push_back(s->Clone(copy.get()));
    return copy;
}

} // namespace zorvel
