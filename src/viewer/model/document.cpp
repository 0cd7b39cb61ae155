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

QString DocumentHost::ExpandImageName(const QString& name) {
    return urlToFileName(name);
}

// A print copy's pictures come from where the original's come from; its
// forms, controls and background are its own and reach no window.
class TSectionList::PrintCopyHost final : public DocumentHost {
public:
    explicit PrintCopyHost(DocumentHost& original) : original_(original) {}
    bool OnBitmapRequest(const QString& name, std::optional<QImage>& bitmap) override {
        return original_.OnBitmapRequest(name, bitmap);
    }
    QString ExpandImageName(const QString& name) override { return original_.ExpandImageName(name); }

private:
    DocumentHost& original_;
};

TSectionList::TSectionList(Canvas& screenCanvas) : TCell(this), ScreenCanvas(&screenCanvas) {
    SetDefaults(PageLook{});
}

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

void TSectionList::SetDefaults(const PageLook& look) {
    ShowImages = look.showImages;
    FontName = look.fontName.left(kMaxFontNameLength);
    PreFontName = look.preFontName.left(kMaxFontNameLength);
    SetBackground(look.background);
    HotSpotColor = look.link;
    FontColor = look.text;
    FontSize = look.fontSize;
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
    if (Host)
        Host->OnBackgroundChange(colour);
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
    if (!Host || !Host->OnBitmapRequest(name, bitmap)) {
        const QString file = Host ? Host->ExpandImageName(name) : urlToFileName(name);
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
    auto copy = std::make_unique<TSectionList>(*ScreenCanvas);
    if (Host) {
        copy->ownHost_ = std::make_unique<PrintCopyHost>(*Host);
        copy->Host = copy->ownHost_.get();
    }
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
    copy->Background = Background;
    copy->FontSize = FontSize;
    for (const auto& s : *this)
        copy->push_back(s->Clone(copy.get()));
    return copy;
}

} // namespace zorvel
