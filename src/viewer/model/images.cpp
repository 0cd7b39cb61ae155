// Inline images: creation from IMG attributes, their pictures, and position queries.
#include "model/images.h"

#include "model/image_cache.h"

#include <algorithm>

namespace zorvel {

TImageObj::TImageObj(int pos, const TAttributeList& attributes) : Pos(pos) {
    Source = attributes.Text(AttrKind::Src);
    Alt = attributes.Text(AttrKind::Alt);
    const QString align = attributes.Text(AttrKind::Align).toUpper();
    ImageAlign = align == QLatin1String("TOP")      ? VerticalAlign::Top
                 : align == QLatin1String("MIDDLE") ? VerticalAlign::Middle
                                                    : VerticalAlign::Bottom;
    const TAttribute* border = attributes.Find(AttrKind::Border);
    NoBorder = border && border->NumericValue == 0;
}

const QImage& TImageObj::Bitmap() const {
    switch (Kind_) {
    case BitmapSource::Own:
        return Own_;
    case BitmapSource::Error:
        return ErrorBitmap();
    case BitmapSource::None:
    case BitmapSource::Default:
        break;
    }
    return DefaultBitmap();
}

void TImageObj::SetBitmap(QImage bitmap) {
    Own_ = std::move(bitmap);
    Kind_ = BitmapSource::Own;
}

TImageObj* TImageList::GetImageAt(int pos) const {
    auto it =
        std::lower_bound(begin(), end(), pos, [](const std::unique_ptr<TImageObj>& i, int p) { return i->Pos < p; });
    return it != end() && (*it)->Pos == pos ? it->get() : nullptr;
}

int TImageList::IndexAtOrAfter(int pos) const {
    auto it =
        std::lower_bound(begin(), end(), pos, [](const std::unique_ptr<TImageObj>& i, int p) { return i->Pos < p; });
    return int(it - begin());
}

int TImageList::GetImageCountAt(int pos) const {
    auto it =
        std::lower_bound(begin(), end(), pos, [](const std::unique_ptr<TImageObj>& i, int p) { return i->Pos < p; });
    return it == end() ? 9999 : (*it)->Pos - pos;
}

} // namespace zorvel
